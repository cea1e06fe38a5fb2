#pragma once
// Every handler the catalogue binds, named after its control and event.
#include "services/event.h"

#define SCOREBOARD_HANDLER(name) HandlerResult name(const EventArgs& args)

// Scoreboard state and derived values.
SCOREBOARD_HANDLER(MainWindow_Created);
SCOREBOARD_HANDLER(编辑框9_ContentChanged);
SCOREBOARD_HANDLER(编辑框10_ContentChanged);
SCOREBOARD_HANDLER(编辑框12_ContentChanged);
SCOREBOARD_HANDLER(单选框2_Clicked);
SCOREBOARD_HANDLER(单选框3_Clicked);

// Picture gifts, lollipop team then yellow duck team.
SCOREBOARD_HANDLER(按钮7_Clicked);
SCOREBOARD_HANDLER(按钮8_Clicked);
SCOREBOARD_HANDLER(按钮9_Clicked);
SCOREBOARD_HANDLER(按钮10_Clicked);
SCOREBOARD_HANDLER(按钮11_Clicked);
SCOREBOARD_HANDLER(按钮12_Clicked);
SCOREBOARD_HANDLER(按钮13_Clicked);
SCOREBOARD_HANDLER(按钮17_Clicked);
SCOREBOARD_HANDLER(按钮16_Clicked);
SCOREBOARD_HANDLER(按钮15_Clicked);
SCOREBOARD_HANDLER(按钮14_Clicked);
SCOREBOARD_HANDLER(按钮6_Clicked);
SCOREBOARD_HANDLER(按钮5_Clicked);
SCOREBOARD_HANDLER(按钮4_Clicked);

// Fixed amounts.
SCOREBOARD_HANDLER(按钮20_Clicked);
SCOREBOARD_HANDLER(按钮21_Clicked);
SCOREBOARD_HANDLER(按钮22_Clicked);
SCOREBOARD_HANDLER(按钮23_Clicked);
SCOREBOARD_HANDLER(按钮24_Clicked);
SCOREBOARD_HANDLER(按钮25_Clicked);
SCOREBOARD_HANDLER(按钮36_Clicked);
SCOREBOARD_HANDLER(按钮32_Clicked);
SCOREBOARD_HANDLER(按钮31_Clicked);
SCOREBOARD_HANDLER(按钮30_Clicked);
SCOREBOARD_HANDLER(按钮29_Clicked);
SCOREBOARD_HANDLER(按钮28_Clicked);

// Custom amounts, undo and the one-versus multipliers.
SCOREBOARD_HANDLER(按钮26_Clicked);
SCOREBOARD_HANDLER(按钮33_Clicked);
SCOREBOARD_HANDLER(按钮35_Clicked);
SCOREBOARD_HANDLER(按钮27_Clicked);
SCOREBOARD_HANDLER(编辑框5_KeyDown);
SCOREBOARD_HANDLER(编辑框6_KeyDown);
SCOREBOARD_HANDLER(按钮52_Clicked);
SCOREBOARD_HANDLER(按钮53_Clicked);
SCOREBOARD_HANDLER(按钮37_Clicked);
SCOREBOARD_HANDLER(按钮38_Clicked);
SCOREBOARD_HANDLER(按钮40_Clicked);
SCOREBOARD_HANDLER(按钮41_Clicked);

// Rounds and resets.
SCOREBOARD_HANDLER(按钮50_Clicked);
SCOREBOARD_HANDLER(按钮51_Clicked);
SCOREBOARD_HANDLER(按钮3_Clicked);
SCOREBOARD_HANDLER(按钮48_Clicked);

// Team names.
SCOREBOARD_HANDLER(按钮1_Clicked);
SCOREBOARD_HANDLER(按钮2_Clicked);
SCOREBOARD_HANDLER(按钮18_Clicked);
SCOREBOARD_HANDLER(按钮19_Clicked);

// Records, clock, appearance and extras.
SCOREBOARD_HANDLER(超级按钮1_Clicked);
SCOREBOARD_HANDLER(时钟1_Tick);
SCOREBOARD_HANDLER(时钟2_Tick);
SCOREBOARD_HANDLER(编辑框1_ContentChanged);
SCOREBOARD_HANDLER(编辑框2_ContentChanged);
SCOREBOARD_HANDLER(按钮34_Clicked);

// Bound, and deliberately empty.
SCOREBOARD_HANDLER(编辑框28_ContentChanged);
SCOREBOARD_HANDLER(编辑框24_ContentChanged);
SCOREBOARD_HANDLER(编辑框19_ContentChanged);
SCOREBOARD_HANDLER(列表框2_ListEvent0);
SCOREBOARD_HANDLER(标签22_LabelEvent0);
SCOREBOARD_HANDLER(按钮54_Clicked);
SCOREBOARD_HANDLER(超级按钮2_Clicked);
