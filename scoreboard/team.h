#pragma once
// Each team's controls by the role they play, so that a rule reads "the team's score"
// where the catalogue says 编辑框9. The catalogue names stay the controls' identifiers.
#include "shell/control_ids.h"

struct Team {
  // Credits.
  ControlId score;       // S
  ControlId quantity;    // Q
  ControlId custom;      // A
  ControlId multiplier;  // M
  ControlId last_gift;   // L: the score credit of the team's latest picture gift
  ControlId switch_on;   // "开启"
  ControlId switch_off;  // "关闭"
  // The colour the score takes while it leads.
  ControlId lead_colour;
  // Rounds: the line where the host lists the members and the loss tally stands.
  ControlId line;
  const char* line_prefix;    // UTF-8: what the line holds before any loss
  ControlId losses;           // rounds lost
  ControlId loss_comparison;  // rounds lost plus one, written at each loss
  // The line's look: its slider's size and its picker's colour.
  ControlId line_size;
  ControlId line_colour;
  // The team's name over its score, and the formations it can take instead.
  ControlId name;
  ControlId formations;
  const char* default_name;  // UTF-8
};

inline constexpr Team kLollipop{
    .score = 编辑框9,
    .quantity = 编辑框3,
    .custom = 编辑框5,
    .multiplier = 编辑框7,
    .last_gift = 编辑框17,
    .switch_on = 按钮37,
    .switch_off = 按钮40,
    .lead_colour = 颜色选择器3,
    .line = 编辑框1,
    .line_prefix = "Orvane队：",
    .losses = 编辑框22,
    .loss_comparison = 编辑框30,
    .line_size = 滑块条1,
    .line_colour = 颜色选择器1,
    .name = 分组框1,
    .formations = 组合框1,
    .default_name = "棒棒糖队",
};

inline constexpr Team kYellowDuck{
    .score = 编辑框10,
    .quantity = 编辑框4,
    .custom = 编辑框6,
    .multiplier = 编辑框8,
    .last_gift = 编辑框18,
    .switch_on = 按钮38,
    .switch_off = 按钮41,
    .lead_colour = 颜色选择器5,
    .line = 编辑框2,
    .line_prefix = "队：",
    .losses = 编辑框23,
    .loss_comparison = 编辑框16,
    .line_size = 滑块条2,
    .line_colour = 颜色选择器2,
    .name = 分组框2,
    .formations = 组合框2,
    .default_name = "小黄鸭队",
};
