#include "overlay/board_fields.h"

std::string FieldFileName(const BoardField& field) {
  std::string name;
  if (!field.group.empty()) {
    name += field.group;
    name += '-';
  }
  name += field.key;
  name += ".txt";
  return name;
}
