// The values the board derives: the difference with the leader highlighted, and the
// host fee that follows the total. They run nested inside the write that changed a
// score or the total.
#include "scoreboard/board.h"
#include "scoreboard/game.h"
#include "scoreboard/team.h"
#include "shell/handlers.h"

using namespace board;

namespace {

double Score(const Team& team) {
  return Number(team.score);
}

// A score takes its team's lead colour while it leads, the trailing colour otherwise.
void ColourScore(const Team& team, bool leads) {
  const ControlId colour = leads ? team.lead_colour : kTrailingColour;
  WriteColour(team.score, prop::kTextColour, ReadColour(colour, prop::kCurrentColour));
}

void ColourLollipopScore(double a, double b) {
  ColourScore(kLollipop, ClearlyGreater(a, b));
}

void ColourYellowDuckScore(double a, double b) {
  ColourScore(kYellowDuck, ClearlyLess(a, b));
}

// The game-time choice lives only in the base fee box; rewriting the total reruns the
// host fee with it (and drops any fraction the total held).
void ChooseGameTime(std::string_view base_fee) {
  SetContent(kBaseFee, base_fee);
  SetContent(kGameBeans, ToText(Integer(kGameBeans)));
}

}  // namespace

void 编辑框9_ContentChanged() {
  const double a = Score(kLollipop);
  const double b = Score(kYellowDuck);
  SetNumber(kDifference, ClearlyGreater(a, b) ? a - b : b - a);
  ColourLollipopScore(Score(kLollipop), Score(kYellowDuck));
  ColourYellowDuckScore(Score(kLollipop), Score(kYellowDuck));
}

void 编辑框10_ContentChanged() {
  const double a = Score(kLollipop);
  const double b = Score(kYellowDuck);
  SetNumber(kDifference, ClearlyGreater(b, a) ? b - a : a - b);
  ColourYellowDuckScore(Score(kLollipop), Score(kYellowDuck));
  ColourLollipopScore(Score(kLollipop), Score(kYellowDuck));
}

// Below the threshold the fee is the base fee, copied as text; from it on the fee
// follows the total.
void 编辑框12_ContentChanged() {
  if (ClearlyLess(Number(kGameBeans), Number(kFeeThreshold))) {
    SetContent(kHostFee, Content(kBaseFee));
    return;
  }
  const double total = Integer(kGameBeans);
  const double rate = Integer(kFeeRate);
  const double divisor = ToInteger(10000.0);
  const double base_fee = Integer(kBaseFee);
  SetNumber(kHostFee, total * rate / divisor + base_fee);
}

void 单选框2_Clicked() {
  ChooseGameTime("100");
}

void 单选框3_Clicked() {
  ChooseGameTime("200");
}

void 编辑框28_ContentChanged() {}

void 编辑框24_ContentChanged() {}
