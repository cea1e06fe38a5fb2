#pragma once
// What the board shows outside the window, by key: the board's JSON object and the name
// of each value's text file ("lollipop-score.txt") come from this table. Keys keep their
// meaning; new ones may be added.
#include <array>
#include <string>
#include <string_view>

#include "scoreboard/game.h"
#include "scoreboard/team.h"

struct BoardField {
  std::string_view group;  // the object it sits in; "" for the board's own values
  std::string_view key;
  ControlId control;  // the box or caption shown; 0 for the leader, which is derived
};

// A group's fields stand together, so the JSON opens each group once.
inline constexpr std::array kBoardFields{
    BoardField{"lollipop", "name", kLollipop.name},
    BoardField{"lollipop", "score", kLollipop.score},
    BoardField{"lollipop", "line", kLollipop.line},
    BoardField{"lollipop", "losses", kLollipop.losses},
    BoardField{"duck", "name", kYellowDuck.name},
    BoardField{"duck", "score", kYellowDuck.score},
    BoardField{"duck", "line", kYellowDuck.line},
    BoardField{"duck", "losses", kYellowDuck.losses},
    BoardField{"", "difference", kDifference},
    BoardField{"", "leader", 0},
    BoardField{"", "game_beans", kGameBeans},
    BoardField{"", "round_beans", kRoundBeans},
    BoardField{"", "host_fee", kHostFee},
};
inline constexpr std::size_t kBoardFieldCount = kBoardFields.size();

// The text file of a field: its key path joined with "-".
std::string FieldFileName(const BoardField& field);
