// The credit buttons of both teams, bound by the catalogue.
#include "scoreboard/board.h"
#include "scoreboard/credits.h"
#include "shell/handlers.h"

#define GIFT(button, team, value) \
  void button() {                 \
    CreditGift(team, value);      \
  }
#define FIXED(button, team, amount) \
  void button() {                   \
    CreditFixed(team, amount);      \
  }
#define ACTION(button, call) \
  void button() {            \
    call;                    \
  }

// Picture gifts: the same seven gifts for both teams.
GIFT(按钮7_Clicked, kLollipop, 5)
GIFT(按钮8_Clicked, kLollipop, 120)
GIFT(按钮9_Clicked, kLollipop, 188)
GIFT(按钮10_Clicked, kLollipop, 155)
GIFT(按钮11_Clicked, kLollipop, 199)
GIFT(按钮12_Clicked, kLollipop, 288)
GIFT(按钮13_Clicked, kLollipop, 520)
GIFT(按钮17_Clicked, kYellowDuck, 5)
GIFT(按钮16_Clicked, kYellowDuck, 120)
GIFT(按钮15_Clicked, kYellowDuck, 188)
GIFT(按钮14_Clicked, kYellowDuck, 155)
GIFT(按钮6_Clicked, kYellowDuck, 199)
GIFT(按钮5_Clicked, kYellowDuck, 288)
GIFT(按钮4_Clicked, kYellowDuck, 520)

// Fixed amounts: the caption is the amount.
FIXED(按钮20_Clicked, kLollipop, 10)
FIXED(按钮21_Clicked, kLollipop, 33)
FIXED(按钮22_Clicked, kLollipop, 66)
FIXED(按钮23_Clicked, kLollipop, 199)
FIXED(按钮24_Clicked, kLollipop, 521)
FIXED(按钮25_Clicked, kLollipop, 1314)
FIXED(按钮36_Clicked, kYellowDuck, 10)
FIXED(按钮32_Clicked, kYellowDuck, 33)
FIXED(按钮31_Clicked, kYellowDuck, 66)
FIXED(按钮30_Clicked, kYellowDuck, 199)
FIXED(按钮29_Clicked, kYellowDuck, 521)
FIXED(按钮28_Clicked, kYellowDuck, 1314)

ACTION(按钮26_Clicked, CreditCustom(kLollipop))
ACTION(按钮33_Clicked, CreditCustom(kYellowDuck))
ACTION(按钮35_Clicked, DebitCustom(kLollipop))
ACTION(按钮27_Clicked, DebitCustom(kYellowDuck))
ACTION(按钮52_Clicked, UndoLastGift(kLollipop))
ACTION(按钮53_Clicked, UndoLastGift(kYellowDuck))
ACTION(按钮37_Clicked, SwitchMultiplierOn(kLollipop))
ACTION(按钮38_Clicked, SwitchMultiplierOn(kYellowDuck))
ACTION(按钮40_Clicked, SwitchMultiplierOff(kLollipop))
ACTION(按钮41_Clicked, SwitchMultiplierOff(kYellowDuck))

namespace {

// Enter in a custom amount box acts as its "+" button, and the box never sees it.
HandlerResult EnterCredits(const Team& team, const EventArgs& args) {
  constexpr int32_t kEnter = 13;
  if (args.count < 1 || args.values[0] != kEnter)
    return std::nullopt;
  CreditCustom(team);
  return int32_t{0};
}

}  // namespace

HandlerResult 编辑框5_KeyDown(const EventArgs& args) {
  return EnterCredits(kLollipop, args);
}
HandlerResult 编辑框6_KeyDown(const EventArgs& args) {
  return EnterCredits(kYellowDuck, args);
}
