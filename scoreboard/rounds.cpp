// Rounds and resets: a team that loses a round kneels, its tally goes into its team
// line, and the next round starts from zero scores.
#include "scoreboard/board.h"
#include "services/file_services.h"
#include "shell/handlers.h"

using namespace board;

namespace {

struct LossSide {
  ControlId count;       // loss count
  ControlId comparison;  // loss count plus one, written at each loss
  ControlId line;        // team line box
  const char* prefix;    // UTF-8
};

const LossSide kLollipopSide{编辑框22, 编辑框30, 编辑框1, "Orvane队："};
const LossSide kYellowDuckSide{编辑框23, 编辑框16, 编辑框2, "队："};

void WriteLossText(const LossSide& side) {
  SetContent(side.line, ConcatTexts({Gb(side.prefix), Gb("跪"), Content(side.count)}));
}

void Lose(const LossSide& loser, const LossSide& other) {
  SetContent(编辑框9, "0");
  SetContent(编辑框10, "0");
  SetContent(编辑框11, "0");
  SetNumber(loser.count, Number(loser.count) + 1);
  SetNumber(loser.comparison, Number(loser.count) + 1);
  SetContent(编辑框28, "0");
  WriteLossText(loser);
  // The other line shows its tally again only when that team has lost at least two
  // rounds more than the loser now has.
  if (ClearlyGreater(Number(other.count), Number(loser.comparison)))
    WriteLossText(other);
}

}  // namespace

void 按钮50_Clicked() {
  Lose(kLollipopSide, kYellowDuckSide);
}

void 按钮51_Clicked() {
  Lose(kYellowDuckSide, kLollipopSide);
}

// "清除": a new game with the same total beans.
void 按钮3_Clicked() {
  SetContent(编辑框9, "0");
  SetContent(编辑框10, "0");
  SetContent(编辑框11, "0");
  SetContent(编辑框28, "0");
  SetContent(编辑框1, Gb(kLollipopSide.prefix));
  SetContent(编辑框2, Gb(kYellowDuckSide.prefix));
  SetContent(编辑框22, "0");
  SetContent(编辑框23, "0");
}

// "清除总贡": everything, the total beans included; the fee falls back to the base fee.
void 按钮48_Clicked() {
  SetContent(编辑框13, "100");
  SetContent(编辑框12, "0");
  SetContent(编辑框9, "0");
  SetContent(编辑框10, "0");
  SetContent(编辑框22, "0");
  SetContent(编辑框23, "0");
  SetContent(编辑框11, "0");
  SetContent(编辑框28, "0");
  SetContent(编辑框1, Gb(kLollipopSide.prefix));
  SetContent(编辑框2, Gb(kYellowDuckSide.prefix));
}
