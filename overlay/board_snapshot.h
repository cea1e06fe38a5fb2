#pragma once
// The board as the host sees it, taken on the user-interface thread and then read from
// any thread: each value of kBoardFields as UTF-8.
#include <array>
#include <cstdint>
#include <string>

#include "overlay/board_fields.h"
#include "services/text.h"

class ControlModel;
struct Control;

using BoardValues = std::array<std::string, kBoardFieldCount>;

struct BoardSnapshot {
  uint64_t version = 0;  // 1 for the first published, one more for each change
  BoardValues values;
};

// The values the model shows now. Texts become valid UTF-8 (bytes the converter cannot
// map show as "?" or U+FFFD) and every line break a single "\n".
BoardValues TakeBoardValues(const ControlModel& model);

// The same, kept up to date from the program's own texts: a field is converted again
// only when its text changed, which keeps a click's own cost small.
class BoardValuesTaker {
 public:
  // Answers whether any value changed since the last call (always true on the first).
  bool Update(const ControlModel& model);
  const BoardValues& values() const { return values_; }

 private:
  // The controls read, found once per model: a model's controls never move.
  void FindControls(const ControlModel& model);

  const ControlModel* model_ = nullptr;
  std::array<const Control*, kBoardFieldCount> controls_{};
  std::array<const Control*, 5> colours_{};   // two scores, their lead pickers, the trailing one
  std::array<Text, kBoardFieldCount> texts_;  // the program's own, as last converted
  BoardValues values_;
  bool taken_ = false;
};

// A program text as the overlay shows it.
std::string ShownUtf8(const Text& text);

// "lollipop" or "duck" when exactly that team's score shows its leading colour (and that
// colour differs from the colour of a score that does not lead), "" otherwise.
std::string LeaderShown(const ControlModel& model);
