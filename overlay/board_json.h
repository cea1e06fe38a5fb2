#pragma once
// board.json: one object of the board's values, nested by group, always valid UTF-8.
#include <string>
#include <string_view>

#include "overlay/board_snapshot.h"

// `text` as a JSON string with its quotes: '"', '\' and every control character escaped
// (U+2028 and U+2029 too, so the text can stand in a script), bad UTF-8 as U+FFFD.
std::string JsonString(std::string_view text);
// The whole document, ending in a line break.
std::string BoardJson(const BoardValues& values);
