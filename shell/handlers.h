#pragma once
// Every handler the catalogue binds, named after its control and event. Only the key-down
// handlers take the event's arguments (the key) and answer a value (false drops the key);
// every other handler is an action that takes nothing and answers nothing.
#include "services/event.h"

// Scoreboard state and derived values.
void MainWindow_Created();
void 编辑框9_ContentChanged();
void 编辑框10_ContentChanged();
void 编辑框12_ContentChanged();
void 单选框2_Clicked();
void 单选框3_Clicked();

// Picture gifts, lollipop team then yellow duck team.
void 按钮7_Clicked();
void 按钮8_Clicked();
void 按钮9_Clicked();
void 按钮10_Clicked();
void 按钮11_Clicked();
void 按钮12_Clicked();
void 按钮13_Clicked();
void 按钮17_Clicked();
void 按钮16_Clicked();
void 按钮15_Clicked();
void 按钮14_Clicked();
void 按钮6_Clicked();
void 按钮5_Clicked();
void 按钮4_Clicked();

// Fixed amounts.
void 按钮20_Clicked();
void 按钮21_Clicked();
void 按钮22_Clicked();
void 按钮23_Clicked();
void 按钮24_Clicked();
void 按钮25_Clicked();
void 按钮36_Clicked();
void 按钮32_Clicked();
void 按钮31_Clicked();
void 按钮30_Clicked();
void 按钮29_Clicked();
void 按钮28_Clicked();

// Custom amounts, undo and the one-versus multipliers.
void 按钮26_Clicked();
void 按钮33_Clicked();
void 按钮35_Clicked();
void 按钮27_Clicked();
HandlerResult 编辑框5_KeyDown(const EventArgs& args);
HandlerResult 编辑框6_KeyDown(const EventArgs& args);
void 按钮52_Clicked();
void 按钮53_Clicked();
void 按钮37_Clicked();
void 按钮38_Clicked();
void 按钮40_Clicked();
void 按钮41_Clicked();

// Rounds and resets.
void 按钮50_Clicked();
void 按钮51_Clicked();
void 按钮3_Clicked();
void 按钮48_Clicked();

// Team names.
void 按钮1_Clicked();
void 按钮2_Clicked();
void 按钮18_Clicked();
void 按钮19_Clicked();

// Records, clock, appearance and extras.
void 超级按钮1_Clicked();
void 时钟1_Tick();
void 时钟2_Tick();
void 编辑框1_ContentChanged();
void 编辑框2_ContentChanged();
void 按钮34_Clicked();

// Bound, and deliberately empty.
void 编辑框28_ContentChanged();
void 编辑框24_ContentChanged();
void 编辑框19_ContentChanged();
void 列表框2_ListEvent0();
void 标签22_LabelEvent0();
void 按钮54_Clicked();
void 超级按钮2_Clicked();
