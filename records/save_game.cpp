// "保存游戏数据": the board at this moment goes into the lowest free record slot. A
// record is whole or absent: it is composed in a file of its own beside the slots,
// flushed, and only then moved to a slot name that must not exist yet. Every save ends
// in one of three ways the host can see: a whole record in a slot, the folder-full
// message, or the failure message; a save that silently does not happen would be a
// failure reported as success.
#include <optional>
#include <string>

#include "records/record_slots.h"
#include "scoreboard/board.h"
#include "scoreboard/game.h"
#include "scoreboard/team.h"
#include "services/file_services.h"
#include "services/ini_document.h"
#include "services/message_services.h"
#include "services/record_folder.h"
#include "shell/handlers.h"

namespace {

constexpr int kNoSlot = -1;

int FirstFreeSlot(int from) {
  for (int slot = from; slot <= kLastSlot; ++slot) {
    if (!NameTakenBeside(SlotName(slot)))
      return slot;
  }
  return kNoSlot;
}

// The values come from the board in key order; nothing is trimmed or reformatted.
Text RecordValue(size_t key) {
  switch (key) {
    case 0:
      return ReadText(kDateTime, prop::kCaption);
    case 1:
      return board::Content(kLollipop.line);
    case 2:
      return board::Content(kYellowDuck.line);
    case 3:
      return board::Content(kLollipop.score);
    case 4:
      return board::Content(kYellowDuck.score);
    case 5:
      return board::Content(kGameBeans);
    default:
      return board::Content(kHostFee);
  }
}

// The whole record as the seven INI writes would leave a new file. Composed in memory
// and written once through the file's own descriptor, so the file is never reopened by
// a name that someone else could have changed meanwhile.
std::string ComposeRecord() {
  const Text section = Gb(kRecordSection);
  std::string content;
  for (size_t key = 0; key < kRecordKeys.size(); ++key) {
    std::optional<std::string> edited =
        EditIniContent(content, section, Gb(kRecordKeys[key].name), RecordValue(key));
    if (edited)
      content = std::move(*edited);
  }
  return content;
}

void ReportFull() {
  ShowMessageBox(Gb("保存数据已满，文件夹内不得有超过50个游戏数据"), message_flags::kTopMost);
}

// Top-most like the full-folder box: the board stays above every other window, so a box
// that is not would open behind it, with the board already disabled by the box.
void ReportFailure(int slot) {
  ShowMessageBox(ConcatTexts({Gb("保存游戏数据失败："), SlotFileName(slot)}),
                 message_flags::kTopMost);
}

}  // namespace

void 超级按钮1_Clicked() {
  if (!RunDirectoryPath()) {
    // No record folder (an installed program without a data folder, or a program that
    // cannot tell where it is): nothing is written anywhere, and the host is told.
    ReportFailure(0);
    return;
  }
  if (NameTakenBeside(SlotName(kLastSlot))) {
    ReportFull();
    return;
  }
  int slot = FirstFreeSlot(0);
  if (slot == kNoSlot) {
    ReportFull();  // another copy filled the folder up to slot 50 since the check
    return;
  }
  MakeRecordFolder();  // an installed program's data folder may not exist yet
  RemoveStaleDrafts();
  DraftFile draft;
  if (!draft.ok() || !draft.WriteAndFlush(ComposeRecord())) {
    ReportFailure(slot);
    return;
  }
  // Another copy of the program may take the slot meanwhile: never replace, move on.
  while (true) {
    switch (draft.PlaceAs(SlotName(slot))) {
      case DraftFile::Placed::kPlaced:
        return;
      case DraftFile::Placed::kFailed:
        ReportFailure(slot);
        return;
      case DraftFile::Placed::kNameTaken:
        slot = FirstFreeSlot(slot + 1);
        if (slot == kNoSlot) {
          ReportFull();  // the last free slot went to another copy
          return;
        }
        break;
    }
  }
}
