#pragma once
// The boxes of one team's credit controls.
#include "shell/control_ids.h"

struct Team {
  ControlId score;       // S
  ControlId quantity;    // Q
  ControlId custom;      // A
  ControlId multiplier;  // M
  ControlId last_gift;   // L: the score credit of the team's latest picture gift
  ControlId switch_on;   // "开启"
  ControlId switch_off;  // "关闭"
};

inline constexpr Team kLollipop{编辑框9, 编辑框3, 编辑框5, 编辑框7, 编辑框17, 按钮37, 按钮40};
inline constexpr Team kYellowDuck{编辑框10, 编辑框4, 编辑框6, 编辑框8, 编辑框18, 按钮38, 按钮41};
