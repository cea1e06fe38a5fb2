#include "scoreboard/credits.h"

#include "scoreboard/board.h"
#include "scoreboard/game.h"

using namespace board;

namespace {

// The bean credit of the latest gift sits in the tag of the last-gift box, beside the
// score credit it belongs to: with a multiplier the two differ, and "加错" must take
// the beans back exactly as the gift added them.
double LastGiftBeans(const Team& team) {
  return ToNumber(ReadText(team.last_gift, prop::kTag));
}
void SetLastGift(const Team& team, double score_credit, double bean_credit) {
  SetNumber(team.last_gift, score_credit);
  WriteText(team.last_gift, prop::kTag, ToText(bean_credit));
}

}  // namespace

void CreditGift(const Team& team, double value) {
  SetNumber(team.score,
            Number(team.score) + (value * Number(team.quantity)) * Number(team.multiplier));
  SetNumber(kGameBeans, Number(kGameBeans) + value * Number(team.quantity));
  SetNumber(kRoundBeans, Number(kRoundBeans) + value * Number(team.quantity));
  SetLastGift(team, (Number(team.quantity) * Number(team.multiplier)) * value,
              value * Number(team.quantity));
  SetContent(team.quantity, "");
}

void CreditFixed(const Team& team, double amount) {
  SetNumber(team.score, Number(team.score) + amount * Number(team.multiplier));
  SetNumber(kGameBeans, Number(kGameBeans) + amount);
  SetNumber(kRoundBeans, Number(kRoundBeans) + amount);
}

void CreditCustom(const Team& team) {
  SetNumber(team.score, Number(team.score) + Number(team.custom) * Number(team.multiplier));
  SetNumber(kGameBeans, Number(kGameBeans) + Number(team.custom));
  SetNumber(kRoundBeans, Number(kRoundBeans) + Number(team.custom));
  SetContent(team.custom, "");
}

void DebitCustom(const Team& team) {
  SetNumber(team.score, Number(team.score) - Number(team.custom) * Number(team.multiplier));
  SetNumber(kGameBeans, Number(kGameBeans) - Number(team.custom));
  SetNumber(kRoundBeans, Number(kRoundBeans) - Number(team.custom));
}

void UndoLastGift(const Team& team) {
  SetNumber(team.score, Number(team.score) - Number(team.last_gift));
  SetNumber(kRoundBeans, Number(kRoundBeans) - LastGiftBeans(team));
  SetNumber(kGameBeans, Number(kGameBeans) - LastGiftBeans(team));
  SetContent(team.last_gift, "0");
  WriteText(team.last_gift, prop::kTag, "0");
}

void SwitchMultiplierOn(const Team& team) {
  Enable(team.multiplier);
  Enable(team.switch_off);
  Disable(team.switch_on);
}

void SwitchMultiplierOff(const Team& team) {
  Disable(team.multiplier);
  SetContent(team.multiplier, "1");
  Enable(team.switch_on);
  Disable(team.switch_off);
}
