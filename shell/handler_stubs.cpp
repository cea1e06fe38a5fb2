// Handler bodies arrive with the scoreboard behaviour; until then every binding answers nothing.
#include "shell/handlers.h"

SCOREBOARD_HANDLER(MainWindow_Created) {
  (void)args;
  return std::nullopt;
}
SCOREBOARD_HANDLER(编辑框9_ContentChanged) {
  (void)args;
  return std::nullopt;
}
SCOREBOARD_HANDLER(编辑框10_ContentChanged) {
  (void)args;
  return std::nullopt;
}
SCOREBOARD_HANDLER(编辑框12_ContentChanged) {
  (void)args;
  return std::nullopt;
}
SCOREBOARD_HANDLER(单选框2_Clicked) {
  (void)args;
  return std::nullopt;
}
SCOREBOARD_HANDLER(单选框3_Clicked) {
  (void)args;
  return std::nullopt;
}
SCOREBOARD_HANDLER(按钮7_Clicked) {
  (void)args;
  return std::nullopt;
}
SCOREBOARD_HANDLER(按钮8_Clicked) {
  (void)args;
  return std::nullopt;
}
SCOREBOARD_HANDLER(按钮9_Clicked) {
  (void)args;
  return std::nullopt;
}
SCOREBOARD_HANDLER(按钮10_Clicked) {
  (void)args;
  return std::nullopt;
}
SCOREBOARD_HANDLER(按钮11_Clicked) {
  (void)args;
  return std::nullopt;
}
SCOREBOARD_HANDLER(按钮12_Clicked) {
  (void)args;
  return std::nullopt;
}
SCOREBOARD_HANDLER(按钮13_Clicked) {
  (void)args;
  return std::nullopt;
}
SCOREBOARD_HANDLER(按钮17_Clicked) {
  (void)args;
  return std::nullopt;
}
SCOREBOARD_HANDLER(按钮16_Clicked) {
  (void)args;
  return std::nullopt;
}
SCOREBOARD_HANDLER(按钮15_Clicked) {
  (void)args;
  return std::nullopt;
}
SCOREBOARD_HANDLER(按钮14_Clicked) {
  (void)args;
  return std::nullopt;
}
SCOREBOARD_HANDLER(按钮6_Clicked) {
  (void)args;
  return std::nullopt;
}
SCOREBOARD_HANDLER(按钮5_Clicked) {
  (void)args;
  return std::nullopt;
}
SCOREBOARD_HANDLER(按钮4_Clicked) {
  (void)args;
  return std::nullopt;
}
SCOREBOARD_HANDLER(按钮20_Clicked) {
  (void)args;
  return std::nullopt;
}
SCOREBOARD_HANDLER(按钮21_Clicked) {
  (void)args;
  return std::nullopt;
}
SCOREBOARD_HANDLER(按钮22_Clicked) {
  (void)args;
  return std::nullopt;
}
SCOREBOARD_HANDLER(按钮23_Clicked) {
  (void)args;
  return std::nullopt;
}
SCOREBOARD_HANDLER(按钮24_Clicked) {
  (void)args;
  return std::nullopt;
}
SCOREBOARD_HANDLER(按钮25_Clicked) {
  (void)args;
  return std::nullopt;
}
SCOREBOARD_HANDLER(按钮36_Clicked) {
  (void)args;
  return std::nullopt;
}
SCOREBOARD_HANDLER(按钮32_Clicked) {
  (void)args;
  return std::nullopt;
}
SCOREBOARD_HANDLER(按钮31_Clicked) {
  (void)args;
  return std::nullopt;
}
SCOREBOARD_HANDLER(按钮30_Clicked) {
  (void)args;
  return std::nullopt;
}
SCOREBOARD_HANDLER(按钮29_Clicked) {
  (void)args;
  return std::nullopt;
}
SCOREBOARD_HANDLER(按钮28_Clicked) {
  (void)args;
  return std::nullopt;
}
SCOREBOARD_HANDLER(按钮26_Clicked) {
  (void)args;
  return std::nullopt;
}
SCOREBOARD_HANDLER(按钮33_Clicked) {
  (void)args;
  return std::nullopt;
}
SCOREBOARD_HANDLER(按钮35_Clicked) {
  (void)args;
  return std::nullopt;
}
SCOREBOARD_HANDLER(按钮27_Clicked) {
  (void)args;
  return std::nullopt;
}
SCOREBOARD_HANDLER(编辑框5_KeyDown) {
  (void)args;
  return std::nullopt;
}
SCOREBOARD_HANDLER(编辑框6_KeyDown) {
  (void)args;
  return std::nullopt;
}
SCOREBOARD_HANDLER(按钮52_Clicked) {
  (void)args;
  return std::nullopt;
}
SCOREBOARD_HANDLER(按钮53_Clicked) {
  (void)args;
  return std::nullopt;
}
SCOREBOARD_HANDLER(按钮37_Clicked) {
  (void)args;
  return std::nullopt;
}
SCOREBOARD_HANDLER(按钮38_Clicked) {
  (void)args;
  return std::nullopt;
}
SCOREBOARD_HANDLER(按钮40_Clicked) {
  (void)args;
  return std::nullopt;
}
SCOREBOARD_HANDLER(按钮41_Clicked) {
  (void)args;
  return std::nullopt;
}
SCOREBOARD_HANDLER(按钮50_Clicked) {
  (void)args;
  return std::nullopt;
}
SCOREBOARD_HANDLER(按钮51_Clicked) {
  (void)args;
  return std::nullopt;
}
SCOREBOARD_HANDLER(按钮3_Clicked) {
  (void)args;
  return std::nullopt;
}
SCOREBOARD_HANDLER(按钮48_Clicked) {
  (void)args;
  return std::nullopt;
}
SCOREBOARD_HANDLER(按钮1_Clicked) {
  (void)args;
  return std::nullopt;
}
SCOREBOARD_HANDLER(按钮2_Clicked) {
  (void)args;
  return std::nullopt;
}
SCOREBOARD_HANDLER(按钮18_Clicked) {
  (void)args;
  return std::nullopt;
}
SCOREBOARD_HANDLER(按钮19_Clicked) {
  (void)args;
  return std::nullopt;
}
SCOREBOARD_HANDLER(超级按钮1_Clicked) {
  (void)args;
  return std::nullopt;
}
SCOREBOARD_HANDLER(时钟1_Tick) {
  (void)args;
  return std::nullopt;
}
SCOREBOARD_HANDLER(时钟2_Tick) {
  (void)args;
  return std::nullopt;
}
SCOREBOARD_HANDLER(编辑框1_ContentChanged) {
  (void)args;
  return std::nullopt;
}
SCOREBOARD_HANDLER(编辑框2_ContentChanged) {
  (void)args;
  return std::nullopt;
}
SCOREBOARD_HANDLER(按钮34_Clicked) {
  (void)args;
  return std::nullopt;
}
SCOREBOARD_HANDLER(编辑框28_ContentChanged) {
  (void)args;
  return std::nullopt;
}
SCOREBOARD_HANDLER(编辑框24_ContentChanged) {
  (void)args;
  return std::nullopt;
}
SCOREBOARD_HANDLER(编辑框19_ContentChanged) {
  (void)args;
  return std::nullopt;
}
SCOREBOARD_HANDLER(列表框2_ListEvent0) {
  (void)args;
  return std::nullopt;
}
SCOREBOARD_HANDLER(标签22_LabelEvent0) {
  (void)args;
  return std::nullopt;
}
SCOREBOARD_HANDLER(按钮54_Clicked) {
  (void)args;
  return std::nullopt;
}
SCOREBOARD_HANDLER(超级按钮2_Clicked) {
  (void)args;
  return std::nullopt;
}
