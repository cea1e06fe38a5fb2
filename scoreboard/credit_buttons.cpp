// The credit buttons of both teams, bound by the catalogue.
#include "shell/credit_buttons.h"
#include "scoreboard/board.h"
#include "scoreboard/credits.h"
#include "shell/handlers.h"

#define ACTION(button, call) \
  void button() {            \
    call;                    \
  }

namespace {

const Team& TeamOf(Side side) {
  return side == Side::kLollipopTeam ? kLollipop : kYellowDuck;
}

// A credit button credits what its row in the table of credit buttons says.
template <ControlId kButton>
void Credit() {
  constexpr const CreditButton& row = CreditButtonOf(kButton);
  if constexpr (row.kind == CreditKind::kGift)
    CreditGift(TeamOf(row.side), row.beans);
  else
    CreditFixed(TeamOf(row.side), row.beans);
}

}  // namespace

#define CREDIT(button)      \
  void button##_Clicked() { \
    Credit<button>();       \
  }

CREDIT(按钮7)
CREDIT(按钮8)
CREDIT(按钮9)
CREDIT(按钮10)
CREDIT(按钮11)
CREDIT(按钮12)
CREDIT(按钮13)
CREDIT(按钮17)
CREDIT(按钮16)
CREDIT(按钮15)
CREDIT(按钮14)
CREDIT(按钮6)
CREDIT(按钮5)
CREDIT(按钮4)
CREDIT(按钮20)
CREDIT(按钮21)
CREDIT(按钮22)
CREDIT(按钮23)
CREDIT(按钮24)
CREDIT(按钮25)
CREDIT(按钮36)
CREDIT(按钮32)
CREDIT(按钮31)
CREDIT(按钮30)
CREDIT(按钮29)
CREDIT(按钮28)

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
