// "保存游戏数据": the board at this moment goes into the lowest free record slot. A
// record is whole or absent: it is composed in a temporary file beside the slots,
// flushed, and only then moved to a slot name that must not exist yet.
#include <atomic>
#include <string>

#include "records/record_slots.h"
#include "scoreboard/board.h"
#include "services/file_services.h"
#include "services/message_services.h"
#include "services/record_folder.h"
#include "shell/handlers.h"

#ifdef _WIN32
#include <process.h>
#define SCOREBOARD_PROCESS_ID _getpid
#else
#include <unistd.h>
#define SCOREBOARD_PROCESS_ID getpid
#endif

namespace {

constexpr int kNoSlot = -1;

int FirstFreeSlot(int from) {
  for (int slot = from; slot <= kLastSlot; ++slot) {
    if (!FileExists(SlotPath(slot)))
      return slot;
  }
  return kNoSlot;
}

// The values come from the board in key order; nothing is trimmed or reformatted.
Text RecordValue(size_t key) {
  switch (key) {
    case 0:
      return ReadText(标签22, prop::kCaption);
    case 1:
      return board::Content(编辑框1);
    case 2:
      return board::Content(编辑框2);
    case 3:
      return board::Content(编辑框9);
    case 4:
      return board::Content(编辑框10);
    case 5:
      return board::Content(编辑框12);
    default:
      return board::Content(编辑框13);
  }
}

// A name no slot can have, unique to this process and this save.
Text TemporaryRecordPath() {
  static std::atomic<unsigned> counter{0};
  for (;;) {
    const std::string name = "~scoreboard-record-" + std::to_string(SCOREBOARD_PROCESS_ID()) + "-" +
                             std::to_string(counter++) + ".tmp";
    Text path = PathInRunDirectory(name);
    if (!FileExists(path))
      return path;
  }
}

bool ComposeRecord(const Text& path) {
  const Text section = Gb(kRecordSection);
  for (size_t key = 0; key < kRecordKeys.size(); ++key) {
    if (!WriteIniItem(path, section, Gb(kRecordKeys[key].name), RecordValue(key)))
      return false;
  }
  return FlushFileToDisk(path);
}

void ReportFailure(int slot) {
  ShowMessageBox(ConcatTexts({Gb("保存游戏数据失败："), SlotFileName(slot)}));
}

}  // namespace

SCOREBOARD_HANDLER(超级按钮1_Clicked) {
  (void)args;
  if (FileExists(SlotPath(kLastSlot))) {
    ShowMessageBox(Gb("保存数据已满，文件夹内不得有超过50个游戏数据"), 262144);
    return std::nullopt;
  }
  int slot = FirstFreeSlot(0);
  if (slot == kNoSlot)
    return std::nullopt;  // slot 50 appeared since the full check

  MakeRecordFolder();  // an installed program's data folder may not exist yet
  const Text temporary = TemporaryRecordPath();
  if (!ComposeRecord(temporary)) {
    RemoveFile(temporary);
    ReportFailure(slot);
    return std::nullopt;
  }
  // Another copy of the program may take the slot meanwhile: never replace, move on.
  while (slot != kNoSlot) {
    if (MoveFileNoReplace(temporary, SlotPath(slot))) {
      FlushFileToDisk(GetRunDirectory());  // the new name, too, should survive a power cut
      return std::nullopt;
    }
    if (!FileExists(SlotPath(slot)))
      break;  // the move failed for another reason
    slot = FirstFreeSlot(slot + 1);
  }
  RemoveFile(temporary);
  if (slot != kNoSlot)
    ReportFailure(slot);
  return std::nullopt;
}
