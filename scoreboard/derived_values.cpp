// The values the board derives: the difference with the leader highlighted, and the
// host fee that follows the total. They run nested inside the write that changed a
// score or the total.
#include "scoreboard/board.h"
#include "shell/handlers.h"

using namespace board;

namespace {

void ColourLollipopScore(double a, double b) {
  const ControlId colour = ClearlyGreater(a, b) ? 颜色选择器3 : 颜色选择器4;
  WriteColour(编辑框9, prop::kTextColour, ReadColour(colour, prop::kCurrentColour));
}

void ColourYellowDuckScore(double a, double b) {
  const ControlId colour = ClearlyLess(a, b) ? 颜色选择器5 : 颜色选择器4;
  WriteColour(编辑框10, prop::kTextColour, ReadColour(colour, prop::kCurrentColour));
}

// The game-time choice lives only in the base fee box; rewriting the total reruns the
// host fee with it (and drops any fraction the total held).
void ChooseGameTime(std::string_view base_fee) {
  SetContent(编辑框25, base_fee);
  SetContent(编辑框12, ToText(Integer(编辑框12)));
}

}  // namespace

void 编辑框9_ContentChanged() {
  const double a = Number(编辑框9);
  const double b = Number(编辑框10);
  SetNumber(编辑框11, ClearlyGreater(a, b) ? a - b : b - a);
  ColourLollipopScore(Number(编辑框9), Number(编辑框10));
  ColourYellowDuckScore(Number(编辑框9), Number(编辑框10));
}

void 编辑框10_ContentChanged() {
  const double a = Number(编辑框9);
  const double b = Number(编辑框10);
  SetNumber(编辑框11, ClearlyGreater(b, a) ? b - a : a - b);
  ColourYellowDuckScore(Number(编辑框9), Number(编辑框10));
  ColourLollipopScore(Number(编辑框9), Number(编辑框10));
}

void 编辑框12_ContentChanged() {
  if (ClearlyLess(Number(编辑框12), Number(编辑框14))) {
    SetContent(编辑框13, Content(编辑框25));  // the base fee, copied as text
    return;
  }
  const double total = Integer(编辑框12);
  const double rate = Integer(编辑框24);
  const double divisor = ToInteger(10000.0);
  const double base_fee = Integer(编辑框25);
  SetNumber(编辑框13, total * rate / divisor + base_fee);
}

void 单选框2_Clicked() {
  ChooseGameTime("100");
}

void 单选框3_Clicked() {
  ChooseGameTime("200");
}

void 编辑框28_ContentChanged() {}

void 编辑框24_ContentChanged() {}
