// Each team line takes its slider's size and its picker's colour whenever its content
// changes; moving the slider or picking a colour alone shows nothing yet.
#include "scoreboard/board.h"
#include "shell/handlers.h"

namespace {

void ApplyStyle(ControlId line, ControlId slider, ControlId picker) {
  WriteInteger(line, prop::kFont, ReadInteger(slider, prop::kSliderPosition), prop::kFontSize);
  WriteColour(line, prop::kTextColour, ReadColour(picker, prop::kCurrentColour));
}

}  // namespace

void 编辑框1_ContentChanged() {
  ApplyStyle(编辑框1, 滑块条1, 颜色选择器1);
}

void 编辑框2_ContentChanged() {
  ApplyStyle(编辑框2, 滑块条2, 颜色选择器2);
}
