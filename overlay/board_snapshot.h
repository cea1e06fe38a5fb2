#pragma once
// The board as the host sees it, taken on the user-interface thread and then read from
// any thread: each value of kBoardFields as UTF-8.
#include <array>
#include <cstdint>
#include <string>

#include "overlay/board_fields.h"

class ControlModel;

using BoardValues = std::array<std::string, kBoardFieldCount>;

struct BoardSnapshot {
  uint64_t version = 0;  // 1 for the first published, one more for each change
  BoardValues values;
};

// The values the model shows now. Texts become valid UTF-8 (bytes the converter cannot
// map show as "?" or U+FFFD) and every line break a single "\n".
BoardValues TakeBoardValues(const ControlModel& model);

// "lollipop" or "duck" when exactly that team's score shows its leading colour (and that
// colour differs from the colour of a score that does not lead), "" otherwise.
std::string LeaderShown(const ControlModel& model);
