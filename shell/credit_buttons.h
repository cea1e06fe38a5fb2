#pragma once
// The buttons that credit a fixed number of beans, as data: which team each credits,
// whether the beans count once per gift in the quantity box or once per click, how many,
// and the picture a gift button wears. The handlers credit from here, the catalogue takes
// each gift's picture and each fixed amount's caption from here, and the table of
// clickable controls names the buttons from here, so a gift's value stands in one place.
#include <cstdint>

#include "shell/control_ids.h"

enum class Side : uint8_t { kLollipopTeam, kYellowDuckTeam };
// kGift: beans per gift, times the team's quantity box; kFixed: beans per click.
enum class CreditKind : uint8_t { kGift, kFixed };

struct CreditButton {
  NamedControl button;
  Side side;
  CreditKind kind;
  int32_t beans;
  const char* picture = nullptr;  // a gift's resource name; a fixed amount shows its beans
};

// clang-format off
inline constexpr CreditButton kCreditButtons[] = {
    // Picture gifts: the same seven gifts for both teams.
    {按钮7, Side::kLollipopTeam, CreditKind::kGift, 5, "gift1"},
    {按钮8, Side::kLollipopTeam, CreditKind::kGift, 120, "gift2"},
    {按钮9, Side::kLollipopTeam, CreditKind::kGift, 188, "gift3"},
    {按钮10, Side::kLollipopTeam, CreditKind::kGift, 155, "gift4"},
    {按钮11, Side::kLollipopTeam, CreditKind::kGift, 199, "gift5"},
    {按钮12, Side::kLollipopTeam, CreditKind::kGift, 288, "gift6"},
    {按钮13, Side::kLollipopTeam, CreditKind::kGift, 520, "gift7"},
    {按钮17, Side::kYellowDuckTeam, CreditKind::kGift, 5, "gift1"},
    {按钮16, Side::kYellowDuckTeam, CreditKind::kGift, 120, "gift2"},
    {按钮15, Side::kYellowDuckTeam, CreditKind::kGift, 188, "gift3"},
    {按钮14, Side::kYellowDuckTeam, CreditKind::kGift, 155, "gift4"},
    {按钮6, Side::kYellowDuckTeam, CreditKind::kGift, 199, "gift5"},
    {按钮5, Side::kYellowDuckTeam, CreditKind::kGift, 288, "gift6"},
    {按钮4, Side::kYellowDuckTeam, CreditKind::kGift, 520, "gift7"},
    // Fixed amounts: the caption is the amount.
    {按钮20, Side::kLollipopTeam, CreditKind::kFixed, 10},
    {按钮21, Side::kLollipopTeam, CreditKind::kFixed, 33},
    {按钮22, Side::kLollipopTeam, CreditKind::kFixed, 66},
    {按钮23, Side::kLollipopTeam, CreditKind::kFixed, 199},
    {按钮24, Side::kLollipopTeam, CreditKind::kFixed, 521},
    {按钮25, Side::kLollipopTeam, CreditKind::kFixed, 1314},
    {按钮36, Side::kYellowDuckTeam, CreditKind::kFixed, 10},
    {按钮32, Side::kYellowDuckTeam, CreditKind::kFixed, 33},
    {按钮31, Side::kYellowDuckTeam, CreditKind::kFixed, 66},
    {按钮30, Side::kYellowDuckTeam, CreditKind::kFixed, 199},
    {按钮29, Side::kYellowDuckTeam, CreditKind::kFixed, 521},
    {按钮28, Side::kYellowDuckTeam, CreditKind::kFixed, 1314},
};
// clang-format on

// The row of `button`; a button missing from the table does not compile where it is
// asked for in a constant expression.
constexpr const CreditButton& CreditButtonOf(ControlId button) {
  for (const CreditButton& row : kCreditButtons) {
    if (row.button.id == button)
      return row;
  }
  throw "not a credit button";
}
