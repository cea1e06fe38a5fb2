// Rounds and resets: a team that loses a round kneels, its tally goes into its team
// line, and the next round starts from zero scores.
#include "scoreboard/board.h"
#include "scoreboard/game.h"
#include "scoreboard/team.h"
#include "services/file_services.h"
#include "shell/handlers.h"

using namespace board;

namespace {

void WriteLossText(const Team& team) {
  SetContent(team.line, ConcatTexts({Gb(team.line_prefix), Gb("跪"), Content(team.losses)}));
}

void Lose(const Team& loser, const Team& other) {
  SetContent(kLollipop.score, "0");
  SetContent(kYellowDuck.score, "0");
  SetContent(kDifference, "0");
  SetNumber(loser.losses, Number(loser.losses) + 1);
  SetNumber(loser.loss_comparison, Number(loser.losses) + 1);
  SetContent(kRoundBeans, "0");
  WriteLossText(loser);
  // The other line shows its tally again only when that team has lost at least two
  // rounds more than the loser now has.
  if (ClearlyGreater(Number(other.losses), Number(loser.loss_comparison)))
    WriteLossText(other);
}

}  // namespace

void 按钮50_Clicked() {
  Lose(kLollipop, kYellowDuck);
}

void 按钮51_Clicked() {
  Lose(kYellowDuck, kLollipop);
}

// "清除": a new game with the same total beans.
void 按钮3_Clicked() {
  SetContent(kLollipop.score, "0");
  SetContent(kYellowDuck.score, "0");
  SetContent(kDifference, "0");
  SetContent(kRoundBeans, "0");
  SetContent(kLollipop.line, Gb(kLollipop.line_prefix));
  SetContent(kYellowDuck.line, Gb(kYellowDuck.line_prefix));
  SetContent(kLollipop.losses, "0");
  SetContent(kYellowDuck.losses, "0");
}

// "清除总贡": everything, the total beans included; the fee falls back to the base fee.
void 按钮48_Clicked() {
  SetContent(kHostFee, "100");
  SetContent(kGameBeans, "0");
  SetContent(kLollipop.score, "0");
  SetContent(kYellowDuck.score, "0");
  SetContent(kLollipop.losses, "0");
  SetContent(kYellowDuck.losses, "0");
  SetContent(kDifference, "0");
  SetContent(kRoundBeans, "0");
  SetContent(kLollipop.line, Gb(kLollipop.line_prefix));
  SetContent(kYellowDuck.line, Gb(kYellowDuck.line_prefix));
}
