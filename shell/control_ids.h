#pragma once
// The control ids of the main window, by the control's name, so that a handler names
// the box it reads ("编辑框9") rather than a number. Grouped by where the controls sit.
#include "services/ids.h"

// Team header, top left.
inline constexpr ControlId 分组框1 = 0x16010009u;
inline constexpr ControlId 编辑框9 = 0x160100dbu;  // lollipop team score
inline constexpr ControlId 透明标签1 = 0x16013f1cu;
inline constexpr ControlId 分组框2 = 0x1601001bu;
inline constexpr ControlId 编辑框10 = 0x160100dcu;  // yellow duck team score
inline constexpr ControlId 分组框3 = 0x16010029u;
inline constexpr ControlId 编辑框1 = 0x16010059u;  // lollipop team line box
inline constexpr ControlId 分组框4 = 0x1601002au;
inline constexpr ControlId 编辑框2 = 0x1601005bu;  // yellow duck team line box
inline constexpr ControlId 透明标签6 = 0x16013f5eu;
inline constexpr ControlId 透明标签4 = 0x16013f5cu;  // signature, filled after the progress
inline constexpr ControlId 透明标签5 = 0x16013f5du;
inline constexpr ControlId 进度条1 = 0x16013ec4u;
inline constexpr ControlId 标签6 = 0x1601005cu;
inline constexpr ControlId 编辑框11 = 0x160100e0u;  // difference of the scores
inline constexpr ControlId 按钮34 = 0x16010095u;    // calculator
inline constexpr ControlId 按钮3 = 0x1601005eu;     // clear
inline constexpr ControlId 按钮39 = 0x160140bdu;
inline constexpr ControlId 按钮49 = 0x160140bau;

// Lollipop team amount rows.
inline constexpr ControlId 分组框5 = 0x16010082u;
inline constexpr ControlId 按钮20 = 0x16010083u;
inline constexpr ControlId 按钮21 = 0x16010084u;
inline constexpr ControlId 按钮22 = 0x16010085u;
inline constexpr ControlId 按钮23 = 0x16010086u;
inline constexpr ControlId 按钮24 = 0x16010087u;
inline constexpr ControlId 按钮25 = 0x16010088u;
inline constexpr ControlId 编辑框5 = 0x16010089u;  // lollipop custom amount
inline constexpr ControlId 按钮26 = 0x1601008au;
inline constexpr ControlId 按钮35 = 0x16010096u;
inline constexpr ControlId 标签10 = 0x160100a5u;
inline constexpr ControlId 编辑框7 = 0x160100a6u;  // lollipop multiplier
inline constexpr ControlId 标签18 = 0x160101bcu;
inline constexpr ControlId 按钮37 = 0x160100a7u;
inline constexpr ControlId 按钮40 = 0x160100c7u;

// Yellow duck team amount rows.
inline constexpr ControlId 分组框6 = 0x1601009du;
inline constexpr ControlId 按钮36 = 0x160100a0u;
inline constexpr ControlId 按钮32 = 0x1601009cu;
inline constexpr ControlId 按钮31 = 0x1601009bu;
inline constexpr ControlId 按钮30 = 0x1601009au;
inline constexpr ControlId 按钮29 = 0x16010099u;
inline constexpr ControlId 按钮28 = 0x16010098u;
inline constexpr ControlId 编辑框6 = 0x1601009fu;  // yellow duck custom amount
inline constexpr ControlId 按钮33 = 0x1601009eu;
inline constexpr ControlId 按钮27 = 0x16010097u;
inline constexpr ControlId 标签11 = 0x160100a8u;
inline constexpr ControlId 编辑框8 = 0x160100a9u;  // yellow duck multiplier
inline constexpr ControlId 标签19 = 0x160101bdu;
inline constexpr ControlId 按钮38 = 0x160100aau;
inline constexpr ControlId 按钮41 = 0x160100c8u;

// Rounds, save and totals.
inline constexpr ControlId 按钮50 = 0x16013d88u;
inline constexpr ControlId 按钮51 = 0x16013d89u;
inline constexpr ControlId 超级按钮1 = 0x16013f13u;  // save the game data
inline constexpr ControlId 标签17 = 0x160101b5u;
inline constexpr ControlId 编辑框28 = 0x160101b4u;  // current beans of the round
inline constexpr ControlId 标签4 = 0x16010195u;
inline constexpr ControlId 按钮48 = 0x1601021bu;
inline constexpr ControlId 标签16 = 0x160100bau;
inline constexpr ControlId 编辑框12 = 0x16010194u;  // total beans of the game
inline constexpr ControlId 标签7 = 0x160101b7u;
inline constexpr ControlId 编辑框13 = 0x16010196u;  // host fee

// Gift pictures, right column.
inline constexpr ControlId 标签8 = 0x16010076u;
inline constexpr ControlId 编辑框3 = 0x16010075u;  // lollipop quantity
inline constexpr ControlId 按钮7 = 0x16010065u;
inline constexpr ControlId 按钮8 = 0x16010066u;
inline constexpr ControlId 按钮9 = 0x16010067u;
inline constexpr ControlId 按钮10 = 0x16010068u;
inline constexpr ControlId 按钮11 = 0x16010069u;
inline constexpr ControlId 按钮12 = 0x1601006au;
inline constexpr ControlId 按钮13 = 0x1601006bu;
inline constexpr ControlId 按钮52 = 0x16013d8cu;
inline constexpr ControlId 标签9 = 0x16010077u;
inline constexpr ControlId 编辑框4 = 0x16010078u;  // yellow duck quantity
inline constexpr ControlId 按钮17 = 0x1601007fu;
inline constexpr ControlId 按钮16 = 0x1601007eu;
inline constexpr ControlId 按钮15 = 0x1601007du;
inline constexpr ControlId 按钮14 = 0x1601007cu;
inline constexpr ControlId 按钮6 = 0x1601007bu;
inline constexpr ControlId 按钮5 = 0x1601007au;
inline constexpr ControlId 按钮4 = 0x16010079u;
inline constexpr ControlId 按钮53 = 0x16013d8du;

// Team names, appearance and game time.
inline constexpr ControlId 标签2 = 0x16010042u;
inline constexpr ControlId 按钮18 = 0x16010080u;
inline constexpr ControlId 按钮1 = 0x16010043u;
inline constexpr ControlId 组合框1 = 0x1601003cu;
inline constexpr ControlId 标签3 = 0x16010048u;
inline constexpr ControlId 按钮19 = 0x16010081u;
inline constexpr ControlId 按钮2 = 0x16010047u;
inline constexpr ControlId 组合框2 = 0x16010049u;
inline constexpr ControlId 标签12 = 0x160100b1u;
inline constexpr ControlId 颜色选择器1 = 0x160100b0u;
inline constexpr ControlId 标签14 = 0x160100b8u;
inline constexpr ControlId 滑块条1 = 0x160100b4u;
inline constexpr ControlId 标签13 = 0x160100b2u;
inline constexpr ControlId 颜色选择器2 = 0x160100b3u;
inline constexpr ControlId 标签15 = 0x160100b9u;
inline constexpr ControlId 滑块条2 = 0x160100b5u;
inline constexpr ControlId 分组框7 = 0x1601404bu;
inline constexpr ControlId 单选框2 = 0x16014049u;
inline constexpr ControlId 单选框3 = 0x1601404au;

// Inactive block at the bottom: created disabled and never enabled.
inline constexpr ControlId 按钮42 = 0x160140a9u;
inline constexpr ControlId 按钮43 = 0x160140a8u;
inline constexpr ControlId 列表框1 = 0x160140a5u;
inline constexpr ControlId 按钮44 = 0x160140a7u;
inline constexpr ControlId 按钮45 = 0x160140a6u;
inline constexpr ControlId 列表框2 = 0x160140a4u;
inline constexpr ControlId 按钮46 = 0x160140a3u;
inline constexpr ControlId 按钮47 = 0x160140a2u;
inline constexpr ControlId 分组框8 = 0x160140abu;
inline constexpr ControlId 超级按钮5 = 0x160140acu;
inline constexpr ControlId 编辑框29 = 0x16014097u;
inline constexpr ControlId 按钮54 = 0x1601409du;
inline constexpr ControlId 透明标签3 = 0x160140a0u;
inline constexpr ControlId 超级按钮2 = 0x1601409fu;
inline constexpr ControlId 超级按钮3 = 0x1601409eu;
inline constexpr ControlId 透明标签7 = 0x1601409cu;
inline constexpr ControlId 编辑框27 = 0x1601409bu;
inline constexpr ControlId 透明标签8 = 0x1601409au;
inline constexpr ControlId 编辑框19 = 0x160140a1u;
inline constexpr ControlId 按钮55 = 0x16014098u;
inline constexpr ControlId 超级按钮4 = 0x16014099u;

// State beyond the right edge of the window: constants and running counters.
inline constexpr ControlId 颜色选择器3 = 0x1601011bu;  // lollipop lead colour
inline constexpr ControlId 颜色选择器4 = 0x1601011du;  // colour of a score that does not lead
inline constexpr ControlId 颜色选择器5 = 0x16010122u;  // yellow duck lead colour
inline constexpr ControlId 编辑框14 = 0x160101a5u;     // host fee threshold
inline constexpr ControlId 编辑框15 = 0x160101a6u;
inline constexpr ControlId 编辑框16 = 0x160101a7u;  // yellow duck loss comparison
inline constexpr ControlId 编辑框17 = 0x160101a8u;  // lollipop last gift
inline constexpr ControlId 编辑框18 = 0x160101a9u;  // yellow duck last gift
inline constexpr ControlId 编辑框24 = 0x160101afu;  // host fee rate, ten-thousandths
inline constexpr ControlId 通用对话框1 = 0x16013daau;
inline constexpr ControlId 时钟1 = 0x16013dbau;     // date-time refresh
inline constexpr ControlId 标签22 = 0x16013db6u;    // current date and time
inline constexpr ControlId 编辑框22 = 0x16013ec0u;  // lollipop loss count
inline constexpr ControlId 编辑框23 = 0x16013ec1u;  // yellow duck loss count
inline constexpr ControlId 时钟2 = 0x16013ec5u;     // start-up progress
inline constexpr ControlId 编辑框30 = 0x16013f6eu;  // lollipop loss comparison
inline constexpr ControlId 编辑框26 = 0x16013f59u;
inline constexpr ControlId 编辑框25 = 0x1601404cu;  // base fee
