#pragma once
// Every control the host can click, by its catalogue name and by a role in Chinese that
// says which team and what it credits ("棒棒糖队 礼物188"), so that the host can name it
// from outside the window: in a hotkey file, or in a request to the board.
#include <span>
#include <string>
#include <string_view>

#include "services/ids.h"

struct ClickableControl {
  NamedControl control;
  std::string role;  // UTF-8, unique among roles and names
  std::string does;  // what a click does, for the host's documentation
};

// In the order the README lists them: the credits of each team, then the rest.
std::span<const ClickableControl> ClickableControls();

// The control a host names by its catalogue name or its role (UTF-8). Blanks do not
// count, so "棒棒糖队礼物188" and "棒棒糖队  礼物188" name the same button. Null when no
// clickable control has that name.
const ClickableControl* FindClickable(std::string_view name_or_role);
