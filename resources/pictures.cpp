#include "resources/pictures.h"

#include "resources/embedded_table.h"

std::span<const uint8_t> EmbeddedPicture(std::string_view name) {
  for (const EmbeddedEntry& entry : EmbeddedEntries()) {
    if (entry.name == name)
      return entry.bytes;
  }
  return {};
}
