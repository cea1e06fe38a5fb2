// Team names: a formation from the list below each name, or the default name back.
#include "scoreboard/board.h"
#include "shell/handlers.h"

namespace {

void ApplyFormation(ControlId group, ControlId combo) {
  const int32_t selection = ReadInteger(combo, prop::kSelection);
  WriteText(group, prop::kCaption, ComboItemText(kMainWindow, combo, selection));
}

}  // namespace

void 按钮1_Clicked() {
  ApplyFormation(分组框1, 组合框1);
}

void 按钮2_Clicked() {
  ApplyFormation(分组框2, 组合框2);
}

void 按钮18_Clicked() {
  WriteText(分组框1, prop::kCaption, Gb("棒棒糖队"));
}

void 按钮19_Clicked() {
  WriteText(分组框2, prop::kCaption, Gb("小黄鸭队"));
}
