// Team names: a formation from the list below each name, or the default name back.
#include "scoreboard/board.h"
#include "scoreboard/team.h"
#include "shell/handlers.h"

namespace {

void ApplyFormation(const Team& team) {
  const int32_t selection = ReadInteger(team.formations, prop::kSelection);
  WriteText(team.name, prop::kCaption, ComboItemText(kMainWindow, team.formations, selection));
}

void RestoreName(const Team& team) {
  WriteText(team.name, prop::kCaption, Gb(team.default_name));
}

}  // namespace

void 按钮1_Clicked() {
  ApplyFormation(kLollipop);
}

void 按钮2_Clicked() {
  ApplyFormation(kYellowDuck);
}

void 按钮18_Clicked() {
  RestoreName(kLollipop);
}

void 按钮19_Clicked() {
  RestoreName(kYellowDuck);
}
