// Each team line takes its slider's size and its picker's colour whenever its content
// changes; moving the slider or picking a colour alone shows nothing yet.
#include "scoreboard/board.h"
#include "scoreboard/team.h"
#include "shell/handlers.h"

namespace {

void ApplyStyle(const Team& team) {
  WriteInteger(team.line, prop::kFont, ReadInteger(team.line_size, prop::kSliderPosition),
               prop::kFontSize);
  WriteColour(team.line, prop::kTextColour, ReadColour(team.line_colour, prop::kCurrentColour));
}

}  // namespace

void 编辑框1_ContentChanged() {
  ApplyStyle(kLollipop);
}

void 编辑框2_ContentChanged() {
  ApplyStyle(kYellowDuck);
}
