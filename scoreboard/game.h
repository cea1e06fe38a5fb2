#pragma once
// The controls of the game as a whole, by what the host sees in them (the teams' own are
// in team.h). The catalogue names stay the controls' identifiers; these are the roles
// the rules speak of.
#include "shell/control_ids.h"

// On the board.
inline constexpr ControlId kDifference = 编辑框11;  // "相差：", the leader's lead
inline constexpr ControlId kGameBeans = 编辑框12;   // "刷豆总计数：", beans of the whole game
inline constexpr ControlId kRoundBeans = 编辑框28;  // "当前刷豆数：", beans of this round
inline constexpr ControlId kHostFee = 编辑框13;     // "需主持费", hidden until start-up

// Beyond the window's edge: the fee's settings and the colour of a score that does not lead.
inline constexpr ControlId kFeeThreshold = 编辑框14;  // the total from which the fee follows it
inline constexpr ControlId kFeeRate = 编辑框24;       // in ten-thousandths of the total
inline constexpr ControlId kBaseFee = 编辑框25;       // the game time's fee, "100" or "200"
inline constexpr ControlId kTrailingColour = 颜色选择器4;

// The hidden date and time that the clock refreshes and a save records.
inline constexpr ControlId kClock = 时钟1;
inline constexpr ControlId kDateTime = 标签22;

// The one-off progress after start-up, which ends by signing the board with the version.
inline constexpr ControlId kProgressTimer = 时钟2;
inline constexpr ControlId kProgressBar = 进度条1;
inline constexpr ControlId kSignature = 透明标签4;
inline constexpr ControlId kVersion = 编辑框26;
// The bar is full at 50 but the count runs on to here; the tick after it signs.
inline constexpr int32_t kProgressLastCount = 100;
