#include "records/record_slots.h"

#include <string>

#include "services/file_services.h"

Text SlotFileName(int slot) {
  const std::string number = slot == 0 ? std::string() : std::to_string(slot);
  return ConcatTexts({Gb("游戏数据保存"), number, ".txt"});
}

NativePath SlotName(int slot) {
  return NativePathFromText(SlotFileName(slot));
}
