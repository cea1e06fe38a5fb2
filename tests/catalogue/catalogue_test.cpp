// The catalogue is a hand transcription of the window; these tests hold it against facts
// stated elsewhere (the stacking list, the start-up step, the binding list, the starting
// contents the scoreboard relies on, the roles the rules give controls) so that a slipped
// digit or flag shows up here. Each control's name and id come from one declaration, so
// the tests walk the catalogue rather than list it again.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "scoreboard/game.h"
#include "scoreboard/team.h"
#include "shell/catalogue.h"
#include "shell/control_ids.h"
#include "shell/credit_buttons.h"
#include "support/board_fixture.h"

namespace {

const ControlSpec* FindById(ControlId id) {
  for (const ControlSpec& entry : MainCatalogue()) {
    if (entry.control.id == id)
      return &entry;
  }
  return nullptr;
}

std::string NameOf(ControlId id) {
  const ControlSpec* entry = FindById(id);
  return entry != nullptr ? entry->control.name : "<missing " + std::to_string(id) + ">";
}

std::set<ControlId> IdsWhere(bool (*keep)(const ControlSpec&)) {
  std::set<ControlId> ids;
  for (const ControlSpec& entry : MainCatalogue()) {
    if (keep(entry))
      ids.insert(entry.control.id);
  }
  return ids;
}

std::vector<std::string> Names(const std::set<ControlId>& ids) {
  std::vector<std::string> names;
  for (ControlId id : ids) names.push_back(NameOf(id));
  return names;
}

TEST(Catalogue, HoldsEachKindAsOftenAsTheWindowShowsIt) {
  const std::pair<Kind, int> expected[] = {
      {Kind::Button, 55},    {Kind::EditBox, 28},  {Kind::Label, 18},      {Kind::GroupBox, 8},
      {Kind::TransLabel, 7}, {Kind::SuperBtn, 5},  {Kind::ColorPicker, 5}, {Kind::ComboBox, 2},
      {Kind::ListBox, 2},    {Kind::RadioBox, 2},  {Kind::SliderBar, 2},   {Kind::Timer, 2},
      {Kind::ProcessBar, 1}, {Kind::CommonDlg, 1}, {Kind::Window, 0},
  };
  EXPECT_EQ(MainCatalogue().size(), 138u);
  for (const auto& [kind, count] : expected) {
    const auto found = std::count_if(MainCatalogue().begin(), MainCatalogue().end(),
                                     [k = kind](const ControlSpec& c) { return c.kind == k; });
    EXPECT_EQ(found, count) << KindName(kind);
  }
}

// Stacking among siblings follows catalogue order, so the order itself is a fact to keep.
TEST(Catalogue, OrderFollowsTheStackingList) {
  const ControlId stacking[] = {
      0x160140bau, 0x160140bdu, 0x16014097u, 0x16014098u, 0x16014099u, 0x1601409au, 0x1601409bu,
      0x1601409cu, 0x1601409du, 0x1601409eu, 0x1601409fu, 0x160140a0u, 0x160140a1u, 0x160140a2u,
      0x160140a3u, 0x160140a4u, 0x160140a5u, 0x160140a6u, 0x160140a7u, 0x160140a8u, 0x160140a9u,
      0x160140abu, 0x160140acu, 0x1601404cu, 0x1601404au, 0x16014049u, 0x16013f6eu, 0x16013f5eu,
      0x16013f5du, 0x16013f5cu, 0x16013f59u, 0x16013f1cu, 0x16013f13u, 0x16013ec5u, 0x16013ec4u,
      0x16013ec1u, 0x16013ec0u, 0x16013dbau, 0x16013db6u, 0x16013daau, 0x16013d8du, 0x16013d8cu,
      0x16013d89u, 0x16013d88u, 0x1601021bu, 0x160101bdu, 0x160101bcu, 0x160101b7u, 0x160101b4u,
      0x160101b5u, 0x160101afu, 0x160101a9u, 0x160101a8u, 0x160101a7u, 0x160101a6u, 0x160101a5u,
      0x16010196u, 0x16010195u, 0x16010194u, 0x16010122u, 0x1601011du, 0x1601011bu, 0x160100e0u,
      0x160100dcu, 0x160100dbu, 0x160100c8u, 0x160100c7u, 0x160100bau, 0x160100b9u, 0x160100b8u,
      0x160100b5u, 0x160100b4u, 0x160100b2u, 0x160100b3u, 0x160100b1u, 0x160100b0u, 0x160100aau,
      0x160100a9u, 0x160100a8u, 0x160100a7u, 0x160100a6u, 0x160100a5u, 0x16010097u, 0x16010098u,
      0x16010099u, 0x1601009au, 0x1601009bu, 0x1601009cu, 0x1601009du, 0x1601009eu, 0x1601009fu,
      0x160100a0u, 0x16010096u, 0x16010095u, 0x1601008au, 0x16010089u, 0x16010088u, 0x16010087u,
      0x16010086u, 0x16010085u, 0x16010084u, 0x16010083u, 0x16010082u, 0x16010081u, 0x16010080u,
      0x16010077u, 0x16010078u, 0x16010079u, 0x1601007au, 0x1601007bu, 0x1601007cu, 0x1601007du,
      0x1601007eu, 0x1601007fu, 0x16010076u, 0x16010075u, 0x1601006bu, 0x1601006au, 0x16010069u,
      0x16010068u, 0x16010067u, 0x16010066u, 0x16010065u, 0x1601005eu, 0x1601005cu, 0x1601005bu,
      0x16010059u, 0x16010047u, 0x16010048u, 0x16010049u, 0x16010043u, 0x16010042u, 0x1601003cu,
      0x1601002au, 0x16010029u, 0x1601001bu, 0x16010009u, 0x1601404bu,
  };
  ASSERT_EQ(std::size(stacking), MainCatalogue().size());
  for (size_t i = 0; i < std::size(stacking); ++i) {
    EXPECT_EQ(MainCatalogue()[i].control.id, stacking[i])
        << "entry " << i << " is " << MainCatalogue()[i].control.name;
  }
}

// The kind's word each name starts with; the rest is a number without leading zeros.
std::string_view NameWord(Kind kind) {
  switch (kind) {
    case Kind::Button:
      return "按钮";
    case Kind::EditBox:
      return "编辑框";
    case Kind::Label:
      return "标签";
    case Kind::GroupBox:
      return "分组框";
    case Kind::TransLabel:
      return "透明标签";
    case Kind::SuperBtn:
      return "超级按钮";
    case Kind::ColorPicker:
      return "颜色选择器";
    case Kind::ComboBox:
      return "组合框";
    case Kind::ListBox:
      return "列表框";
    case Kind::RadioBox:
      return "单选框";
    case Kind::SliderBar:
      return "滑块条";
    case Kind::Timer:
      return "时钟";
    case Kind::ProcessBar:
      return "进度条";
    case Kind::CommonDlg:
      return "通用对话框";
    case Kind::Window:
      break;
  }
  return "";
}

TEST(Catalogue, NamesAndIdsAreUniqueAndWellFormed) {
  std::set<std::string_view> names;
  std::set<ControlId> ids;
  for (const ControlSpec& entry : MainCatalogue()) {
    const std::string_view name = entry.control.name;
    EXPECT_TRUE(names.insert(name).second) << "duplicate name " << name;
    EXPECT_TRUE(ids.insert(entry.control.id).second) << "duplicate id of " << name;
    EXPECT_EQ(entry.control.id & 0xFFFF0000u, 0x16010000u) << name;
    EXPECT_GE(entry.control.id, 0x16010009u) << name;
    EXPECT_LE(entry.control.id, 0x160140bdu) << name;

    const std::string_view word = NameWord(entry.kind);
    ASSERT_FALSE(word.empty()) << name;
    ASSERT_TRUE(name.starts_with(word)) << name << " is a " << KindName(entry.kind);
    const std::string_view number = name.substr(word.size());
    EXPECT_FALSE(number.empty()) << name;
    EXPECT_NE(number.front(), '0') << name;
    EXPECT_TRUE(std::all_of(number.begin(), number.end(), [](char c) {
      return c >= '0' && c <= '9';
    })) << name;
  }
}

TEST(Catalogue, OnlyTheThreeHoldingGroupBoxesHaveMembers) {
  const std::map<ControlId, std::set<ControlId>> members = {
      {分组框5, {按钮20, 编辑框5, 按钮26, 标签10, 编辑框7, 标签18, 按钮37}},
      {分组框6, {按钮33, 编辑框6, 按钮36}},
      {分组框8, {超级按钮5}},
  };
  std::map<ControlId, std::set<ControlId>> found;
  for (const ControlSpec& entry : MainCatalogue()) {
    if (entry.parent == 0)
      continue;
    found[entry.parent].insert(entry.control.id);
    const ControlSpec* group = FindById(entry.parent);
    ASSERT_NE(group, nullptr) << entry.control.name;
    EXPECT_EQ(group->kind, Kind::GroupBox) << entry.control.name;
    // Member coordinates are inside the group box, so the member fits in its size.
    EXPECT_LE(entry.rect.left + entry.rect.width, group->rect.width) << entry.control.name;
    EXPECT_LE(entry.rect.top + entry.rect.height, group->rect.height) << entry.control.name;
  }
  EXPECT_EQ(found, members);
}

// Created disabled and left so: the multiplier switches and the inactive block. Every
// other control created disabled is one the host works with, enabled at start-up.
const std::set<ControlId> kStayDisabled = {
    编辑框7, 编辑框8,  按钮40, 按钮41,    按钮42,    按钮43,    按钮44,    按钮45,    列表框1,
    列表框2, 按钮46,   按钮47, 分组框8,   超级按钮5, 透明标签3, 编辑框19,  超级按钮2, 超级按钮3,
    按钮55,  编辑框29, 按钮54, 透明标签7, 编辑框27,  透明标签8, 超级按钮4, 按钮39,    按钮49,
};

TEST(Catalogue, FlagsFollowTheStartUpStepAndTheKindRules) {
  const std::set<ControlId> created_disabled =
      IdsWhere([](const ControlSpec& c) { return (c.flags & kDisabled) != 0; });
  for (ControlId id : kStayDisabled) EXPECT_TRUE(created_disabled.contains(id)) << NameOf(id);
  std::set<ControlId> worked_with;
  std::set_difference(created_disabled.begin(), created_disabled.end(), kStayDisabled.begin(),
                      kStayDisabled.end(), std::inserter(worked_with, worked_with.end()));
  EXPECT_EQ(worked_with.size(), 62u);
  EXPECT_EQ(
      Names(IdsWhere([](const ControlSpec& c) { return (c.flags & kEnabledAtStartUp) != 0; })),
      Names(worked_with));
  // Every button of the credit table is one of them.
  for (const CreditButton& credit : kCreditButtons)
    EXPECT_TRUE(worked_with.contains(credit.button.id)) << credit.button.name;

  const std::set<ControlId> hidden = {编辑框13, 列表框1, 列表框2};
  EXPECT_EQ(Names(IdsWhere([](const ControlSpec& c) { return (c.flags & kVisible) == 0; })),
            Names(hidden));

  for (const ControlSpec& entry : MainCatalogue()) {
    const bool takes_focus = entry.kind != Kind::Label && entry.kind != Kind::TransLabel &&
                             entry.kind != Kind::GroupBox && entry.kind != Kind::ProcessBar &&
                             !IsNonVisual(entry.kind);
    EXPECT_EQ((entry.flags & kTabStop) != 0, takes_focus) << entry.control.name;
    EXPECT_EQ(entry.flags & ~(kVisible | kDisabled | kTabStop | kEnabledAtStartUp), 0u)
        << entry.control.name;
  }
}

TEST(Catalogue, EveryBoundEventReachesAHandler) {
  constexpr int32_t kClick = 0, kChange = 0, kTick = 0, kKey = -9, kListOrLabel = 0;
  const std::set<std::pair<ControlId, int32_t>> expected = {
      {按钮7, kClick},         {按钮8, kClick},        {按钮9, kClick},     {按钮10, kClick},
      {按钮11, kClick},        {按钮12, kClick},       {按钮13, kClick},    {按钮4, kClick},
      {按钮5, kClick},         {按钮6, kClick},        {按钮14, kClick},    {按钮15, kClick},
      {按钮16, kClick},        {按钮17, kClick},       {按钮20, kClick},    {按钮21, kClick},
      {按钮22, kClick},        {按钮23, kClick},       {按钮24, kClick},    {按钮25, kClick},
      {按钮28, kClick},        {按钮29, kClick},       {按钮30, kClick},    {按钮31, kClick},
      {按钮32, kClick},        {按钮36, kClick},       {按钮26, kClick},    {按钮33, kClick},
      {按钮35, kClick},        {按钮27, kClick},       {编辑框5, kKey},     {编辑框6, kKey},
      {按钮52, kClick},        {按钮53, kClick},       {按钮50, kClick},    {按钮51, kClick},
      {按钮3, kClick},         {按钮48, kClick},       {按钮1, kClick},     {按钮2, kClick},
      {按钮18, kClick},        {按钮19, kClick},       {按钮37, kClick},    {按钮38, kClick},
      {按钮40, kClick},        {按钮41, kClick},       {编辑框9, kChange},  {编辑框10, kChange},
      {编辑框12, kChange},     {单选框2, kClick},      {单选框3, kClick},   {编辑框1, kChange},
      {编辑框2, kChange},      {时钟1, kTick},         {时钟2, kTick},      {超级按钮1, kClick},
      {按钮34, kClick},        {编辑框28, kChange},    {编辑框24, kChange}, {编辑框19, kChange},
      {列表框2, kListOrLabel}, {标签22, kListOrLabel}, {按钮54, kClick},    {超级按钮2, kClick},
  };
  ASSERT_EQ(expected.size(), 64u);

  std::set<std::pair<ControlId, int32_t>> found;
  std::set<ControlId> given_arguments;
  for (const ControlSpec& entry : MainCatalogue()) {
    for (const Binding& binding : entry.bindings) {
      EXPECT_NE(binding.action == nullptr, binding.handler == nullptr)
          << entry.control.name << " must bind exactly one of an action and a handler";
      if (binding.handler != nullptr)
        given_arguments.insert(entry.control.id);
      EXPECT_TRUE(found.insert({entry.control.id, binding.event}).second)
          << entry.control.name << " binds event " << binding.event << " twice";
    }
  }
  EXPECT_EQ(found, expected);
  // Only the key-down handlers read the event's arguments and answer a value.
  EXPECT_EQ(Names(given_arguments), Names({编辑框5, 编辑框6}));

  const WindowSpec& window = MainWindowSpec();
  ASSERT_EQ(window.bindings.size(), 1u);
  EXPECT_EQ(window.bindings[0].event, 0);
  EXPECT_NE(window.bindings[0].action, nullptr);
  EXPECT_EQ(window.bindings[0].handler, nullptr);
}

// The rules name shared controls by role: each role must be a control of the kind the
// rule treats it as, and a team's texts must be what its controls start with, since
// the resets and the name buttons write them back.
TEST(Catalogue, RoleNamesNameControlsOfTheirKind) {
  struct Role {
    const char* what;
    ControlId id;
    Kind kind;
  };
  std::vector<Role> roles = {
      {"difference", kDifference, Kind::EditBox},
      {"game beans", kGameBeans, Kind::EditBox},
      {"round beans", kRoundBeans, Kind::EditBox},
      {"host fee", kHostFee, Kind::EditBox},
      {"fee threshold", kFeeThreshold, Kind::EditBox},
      {"fee rate", kFeeRate, Kind::EditBox},
      {"base fee", kBaseFee, Kind::EditBox},
      {"trailing colour", kTrailingColour, Kind::ColorPicker},
      {"clock", kClock, Kind::Timer},
      {"date and time", kDateTime, Kind::Label},
      {"progress timer", kProgressTimer, Kind::Timer},
      {"progress bar", kProgressBar, Kind::ProcessBar},
      {"signature", kSignature, Kind::TransLabel},
      {"version", kVersion, Kind::EditBox},
  };
  std::set<ControlId> lollipop;
  for (const Team* team : {&kLollipop, &kYellowDuck}) {
    const std::vector<Role> own = {
        {"score", team->score, Kind::EditBox},
        {"quantity", team->quantity, Kind::EditBox},
        {"custom amount", team->custom, Kind::EditBox},
        {"multiplier", team->multiplier, Kind::EditBox},
        {"last gift", team->last_gift, Kind::EditBox},
        {"multiplier on", team->switch_on, Kind::Button},
        {"multiplier off", team->switch_off, Kind::Button},
        {"lead colour", team->lead_colour, Kind::ColorPicker},
        {"line", team->line, Kind::EditBox},
        {"losses", team->losses, Kind::EditBox},
        {"loss comparison", team->loss_comparison, Kind::EditBox},
        {"line size", team->line_size, Kind::SliderBar},
        {"line colour", team->line_colour, Kind::ColorPicker},
        {"name", team->name, Kind::GroupBox},
        {"formations", team->formations, Kind::ComboBox},
    };
    for (const Role& role : own) {
      if (team == &kLollipop)
        lollipop.insert(role.id);
      else
        EXPECT_FALSE(lollipop.contains(role.id)) << "both teams' " << role.what;
    }
    roles.insert(roles.end(), own.begin(), own.end());

    ASSERT_NE(FindById(team->line), nullptr);
    EXPECT_STREQ(FindById(team->line)->own.text, team->line_prefix);
    ASSERT_NE(FindById(team->name), nullptr);
    EXPECT_STREQ(FindById(team->name)->own.text, team->default_name);
  }
  for (const Role& role : roles) {
    const ControlSpec* entry = FindById(role.id);
    ASSERT_NE(entry, nullptr) << role.what;
    EXPECT_EQ(entry->kind, role.kind) << role.what << " is " << entry->control.name;
  }
}

// Starting contents and input modes that the scoreboard, rounds and fee rules rely on.
TEST(Catalogue, StateBoxesStartWithTheValuesTheRulesExpect) {
  struct Box {
    ControlId id;
    std::string_view content;
    InputMode input;
  };
  const Box boxes[] = {
      {编辑框9, "0", InputMode::ReadOnly},          {编辑框10, "0", InputMode::ReadOnly},
      {编辑框11, "0", InputMode::ReadOnly},         {编辑框12, "0", InputMode::ReadOnly},
      {编辑框28, "0", InputMode::ReadOnly},         {编辑框13, "", InputMode::ReadOnly},
      {编辑框14, "21000", InputMode::ReadOnly},     {编辑框24, "48", InputMode::ReadOnly},
      {编辑框25, "100", InputMode::FreeText},       {编辑框15, "100", InputMode::ReadOnly},
      {编辑框3, "", InputMode::WholeNumbers},       {编辑框4, "", InputMode::WholeNumbers},
      {编辑框5, "", InputMode::WholeNumbers},       {编辑框6, "", InputMode::WholeNumbers},
      {编辑框7, "1", InputMode::WholeNumbers},      {编辑框8, "1", InputMode::WholeNumbers},
      {编辑框17, "0", InputMode::ReadOnly},         {编辑框18, "0", InputMode::ReadOnly},
      {编辑框1, "Orvane队：", InputMode::FreeText}, {编辑框2, "队：", InputMode::FreeText},
      {编辑框22, "0", InputMode::ReadOnly},         {编辑框23, "0", InputMode::ReadOnly},
      {编辑框30, "0", InputMode::FreeText},         {编辑框16, "0", InputMode::ReadOnly},
      {编辑框26, "V2.4", InputMode::FreeText},
  };
  for (const Box& box : boxes) {
    const ControlSpec* entry = FindById(box.id);
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->kind, Kind::EditBox) << entry->control.name;
    EXPECT_EQ(std::string_view(entry->own.text), box.content) << entry->control.name;
    EXPECT_EQ(entry->own.input, box.input) << entry->control.name;
    // Only the team line boxes hold several lines.
    EXPECT_EQ(entry->own.multiline, box.id == 编辑框1 || box.id == 编辑框2) << entry->control.name;
  }
  // The highlight colours of the difference rule.
  EXPECT_EQ(FindById(颜色选择器3)->own.back_colour, Rgb(255, 0, 0));
  EXPECT_EQ(FindById(颜色选择器4)->own.back_colour, Rgb(0, 0, 255));
  EXPECT_EQ(FindById(颜色选择器5)->own.back_colour, Rgb(255, 0, 0));
  EXPECT_EQ(FindById(颜色选择器1)->own.back_colour, kDefaultColour);
  EXPECT_EQ(FindById(颜色选择器2)->own.back_colour, kDefaultColour);
}

// Both teams' buttons for one gift wear the same picture; nothing else has one.
TEST(Catalogue, GiftButtonsShareOnePicturePerGift) {
  const std::pair<ControlId, ControlId> gifts[] = {
      {按钮7, 按钮17}, {按钮8, 按钮16}, {按钮9, 按钮15}, {按钮10, 按钮14},
      {按钮11, 按钮6}, {按钮12, 按钮5}, {按钮13, 按钮4},
  };
  std::set<std::string> pictures;
  std::set<ControlId> gift_buttons;
  for (const auto& [lollipop, duck] : gifts) {
    const ControlSpec* a = FindById(lollipop);
    const ControlSpec* b = FindById(duck);
    ASSERT_NE(a, nullptr);
    ASSERT_NE(b, nullptr);
    ASSERT_NE(a->own.picture, nullptr) << a->control.name;
    ASSERT_NE(b->own.picture, nullptr) << b->control.name;
    EXPECT_STREQ(a->own.picture, b->own.picture) << a->control.name << " / " << b->control.name;
    pictures.insert(a->own.picture);
    gift_buttons.insert(lollipop);
    gift_buttons.insert(duck);
  }
  EXPECT_EQ(pictures.size(), 7u);
  for (const ControlSpec& entry : MainCatalogue()) {
    const bool gift = gift_buttons.contains(entry.control.id);
    EXPECT_EQ(entry.own.picture != nullptr, gift) << entry.control.name;
    if (gift) {
      EXPECT_STREQ(entry.own.text, "按钮");
      EXPECT_EQ(entry.rect.width, 40) << entry.control.name;
      EXPECT_EQ(entry.rect.height, 48) << entry.control.name;
    }
  }
  EXPECT_STREQ(MainWindowSpec().background_picture, "background");
}

// The credit table gives each gift button its picture and each fixed amount its caption.
TEST(Catalogue, CreditButtonsWearWhatTheCreditTableSays) {
  for (const CreditButton& credit : kCreditButtons) {
    const ControlSpec* entry = FindById(credit.button.id);
    ASSERT_NE(entry, nullptr) << credit.button.name;
    EXPECT_EQ(entry->kind, Kind::Button) << credit.button.name;
    if (credit.kind == CreditKind::kGift) {
      ASSERT_NE(entry->own.picture, nullptr) << credit.button.name;
      EXPECT_STREQ(entry->own.picture, credit.picture) << credit.button.name;
    } else {
      EXPECT_EQ(entry->own.picture, nullptr) << credit.button.name;
      EXPECT_EQ(std::string(entry->own.text), std::to_string(credit.beans)) << credit.button.name;
    }
  }
}

// The window is 478 wide: the working controls fit in it, the state controls lie beyond.
TEST(Catalogue, StateControlsLieBeyondTheWindowEdge) {
  const WindowSpec& window = MainWindowSpec();
  EXPECT_EQ(window.outer.width, 478);
  EXPECT_EQ(window.outer.height, 610);
  EXPECT_STREQ(window.title, "LirvoLv7163Orvane専属游戏计数器_TobrikV2.4 无账号正式版");
  int beyond = 0;
  for (const ControlSpec& entry : MainCatalogue()) {
    if (entry.parent != 0)
      continue;
    if (entry.rect.left >= 504) {
      ++beyond;
    } else {
      EXPECT_LT(entry.rect.left + entry.rect.width, window.outer.width) << entry.control.name;
      EXPECT_LT(entry.rect.top + entry.rect.height, window.outer.height) << entry.control.name;
    }
  }
  // Three colour pickers, eleven edit boxes, the dialog, two timers and the clock label.
  EXPECT_EQ(beyond, 18);
}

TEST(Catalogue, ListsAndRangesStartWhereTheHostExpects) {
  const ControlSpec& formation = *FindById(组合框1);
  const ControlSpec& host_formation = *FindById(组合框2);
  ASSERT_GE(formation.own.selection, 0);
  ASSERT_LT(static_cast<size_t>(formation.own.selection), formation.own.items.size());
  EXPECT_STREQ(formation.own.items[static_cast<size_t>(formation.own.selection)], "雷锋队");
  EXPECT_EQ(formation.own.items.size(), 8u);
  ASSERT_GE(host_formation.own.selection, 0);
  ASSERT_LT(static_cast<size_t>(host_formation.own.selection), host_formation.own.items.size());
  EXPECT_STREQ(host_formation.own.items[static_cast<size_t>(host_formation.own.selection)],
               "没人救等死");
  EXPECT_TRUE(formation.own.drop_down_list && host_formation.own.drop_down_list);

  for (ControlId id : {列表框1, 列表框2}) {
    const ControlSpec& list = *FindById(id);
    ASSERT_EQ(list.own.items.size(), 1u);
    EXPECT_STREQ(list.own.items[0], "未检测到客户端");
    EXPECT_EQ(list.own.selection, -1);
  }
  for (ControlId id : {滑块条1, 滑块条2}) {
    const OwnProperties& slider = FindById(id)->own;
    EXPECT_EQ(slider.minimum, 11);
    EXPECT_EQ(slider.maximum, 30);
    EXPECT_EQ(slider.position, 11);
    EXPECT_EQ(slider.page_step, 5);
    EXPECT_EQ(slider.line_step, 1);
  }
  const OwnProperties& bar = FindById(进度条1)->own;
  EXPECT_EQ(bar.minimum, 0);
  EXPECT_EQ(bar.maximum, 50);
  EXPECT_EQ(bar.position, 0);
  EXPECT_EQ(FindById(时钟1)->own.interval, 1);
  EXPECT_EQ(FindById(时钟2)->own.interval, 1);

  // The one-hour game time is the chosen one; its base fee is 编辑框25's "100".
  EXPECT_TRUE(FindById(单选框2)->own.checked);
  EXPECT_FALSE(FindById(单选框3)->own.checked);
}

// The start-up step enables what the catalogue flags, and nothing else.
using StartedBoard = BoardTest;
TEST_F(StartedBoard, TheStartUpStepEnablesTheFlaggedControls) {
  for (const ControlSpec& entry : MainCatalogue()) {
    if (IsNonVisual(entry.kind))
      continue;
    const bool disabled = (entry.flags & kDisabled) != 0 && (entry.flags & kEnabledAtStartUp) == 0;
    const Control* control = app_->model().Find(entry.control.id);
    ASSERT_NE(control, nullptr) << entry.control.name;
    EXPECT_EQ(control->disabled, disabled) << entry.control.name;
  }
}

TEST(KindName, NamesEveryKindDistinctly) {
  std::set<std::string_view> seen;
  for (int k = static_cast<int>(Kind::Window); k <= static_cast<int>(Kind::TransLabel); ++k) {
    const std::string_view name = KindName(static_cast<Kind>(k));
    EXPECT_FALSE(name.empty());
    EXPECT_TRUE(seen.insert(name).second) << name;
  }
  EXPECT_EQ(KindName(Kind::Window), "window");
  EXPECT_EQ(KindName(Kind::SuperBtn), "SuperBtn");
  EXPECT_EQ(KindName(Kind::TransLabel), "TransLabel");
}

}  // namespace
