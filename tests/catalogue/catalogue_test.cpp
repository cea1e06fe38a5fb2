// The catalogue is a hand transcription of the window; these tests hold it against facts
// recorded elsewhere (the replay driver's dump of the built window, the handler
// declarations, the starting contents the scoreboard relies on, the roles the rules give
// controls) so that a slipped digit or flag shows up here. They read those records rather
// than copy them, so a new control changes only what the README's "Adding a control" names.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

#include "scoreboard/game.h"
#include "scoreboard/team.h"
#include "services/event.h"
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

// One line of the replay driver's dump of the window after start-up (UTF-8): name, kind,
// id, rectangle, parent, visibility, disabled state and caption.
struct RecordedControl {
  std::string name;
  std::string kind;
  ControlId id = 0;
  Rect rect{};
  std::string parent;  // "-" for the window
  bool disabled = false;
};

std::vector<RecordedControl> ReadRecordedWindow() {
  std::ifstream in(std::string(TEST_SOURCE_DIR) + "/replay/catalogue.expected");
  EXPECT_TRUE(in) << "cannot read tests/replay/catalogue.expected";
  std::vector<RecordedControl> rows;
  std::string line;
  while (std::getline(in, line)) {
    char name[64], kind[32], parent[64];
    unsigned id = 0;
    int left = 0, top = 0, width = 0, height = 0, visible = 0, disabled = 0;
    const int read =
        std::sscanf(line.c_str(), "%63s %31s %x %d,%d,%dx%d parent=%63s visible=%d disabled=%d",
                    name, kind, &id, &left, &top, &width, &height, parent, &visible, &disabled);
    EXPECT_EQ(read, 10) << "unreadable line: " << line;
    if (read != 10)
      continue;
    rows.push_back({name, kind, id, {left, top, width, height}, parent, disabled != 0});
  }
  return rows;
}

std::string ParentName(const ControlSpec& entry) {
  return entry.parent == 0 ? std::string("-") : NameOf(entry.parent);
}

// The dump records the window as built, one line per control in stacking order (which
// among siblings follows catalogue order), so each row must match its line: name, kind,
// id, place and parent, and the disabled state the created flags and the start-up step
// leave (created disabled and not enabled at start-up).
TEST(Catalogue, RowsMatchTheRecordedWindowInStackingOrder) {
  const std::vector<RecordedControl> recorded = ReadRecordedWindow();
  ASSERT_FALSE(recorded.empty()) << "the recorded window holds no control";
  const auto catalogue = MainCatalogue();
  const size_t common = std::min(recorded.size(), catalogue.size());
  for (size_t i = 0; i < common; ++i) {
    const ControlSpec& entry = catalogue[i];
    const RecordedControl& line = recorded[i];
    const std::string name = entry.control.name;
    ASSERT_EQ(name, line.name) << "row " << i << " is out of the recorded order";
    EXPECT_EQ(KindName(entry.kind), line.kind) << name;
    EXPECT_EQ(entry.control.id, line.id) << name;
    EXPECT_EQ(entry.rect.left, line.rect.left) << name;
    EXPECT_EQ(entry.rect.top, line.rect.top) << name;
    EXPECT_EQ(entry.rect.width, line.rect.width) << name;
    EXPECT_EQ(entry.rect.height, line.rect.height) << name;
    EXPECT_EQ(ParentName(entry), line.parent) << name;
    const bool stays_disabled =
        (entry.flags & kDisabled) != 0 && (entry.flags & kEnabledAtStartUp) == 0;
    EXPECT_EQ(stays_disabled, line.disabled) << name;
  }
  EXPECT_EQ(catalogue.size(), recorded.size()) << "rows and recorded controls differ in number";
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

// Which controls stay disabled after start-up is held against the recorded window above;
// here the flags must keep to their rules.
TEST(Catalogue, FlagsFollowTheStartUpStepAndTheKindRules) {
  // Only a control created disabled can be enabled at start-up, and every button of the
  // credit table is one the host works with.
  for (const ControlSpec& entry : MainCatalogue()) {
    if ((entry.flags & kEnabledAtStartUp) != 0) {
      EXPECT_NE(entry.flags & kDisabled, 0u) << entry.control.name;
    }
  }
  for (const CreditButton& credit : kCreditButtons) {
    const ControlSpec* entry = FindById(credit.button.id);
    ASSERT_NE(entry, nullptr) << credit.button.name;
    EXPECT_NE(entry->flags & kEnabledAtStartUp, 0u) << credit.button.name;
  }

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

// A declared handler: its control's name, its event, and whether it is given the event's
// arguments (declared answering a HandlerResult) rather than an action.
struct DeclaredHandler {
  std::string control;
  int32_t event = 0;
  bool given_arguments = false;
  bool operator<(const DeclaredHandler& other) const {
    return std::tie(control, event, given_arguments) <
           std::tie(other.control, other.event, other.given_arguments);
  }
  bool operator==(const DeclaredHandler&) const = default;
};

// Handlers are named CONTROL_EVENT, the event as its constant in services/event.h is
// named without the k.
const std::map<std::string, int32_t, std::less<>> kEventByHandlerSuffix = {
    {"Created", event::kCreated},
    {"Clicked", event::kClicked},
    {"ContentChanged", event::kContentChanged},
    {"Tick", event::kTick},
    {"ListEvent0", event::kListEvent0},
    {"LabelEvent0", event::kLabelEvent0},
    {"PositionChanged", event::kPositionChanged},
    {"ColourChanged", event::kColourChanged},
    {"SelectionChanged", event::kSelectionChanged},
    {"GotFocus", event::kGotFocus},
    {"LostFocus", event::kLostFocus},
    {"KeyDown", event::kKeyDown},
};

constexpr std::string_view kWindowName = "MainWindow";

// Every handler shell/handlers.h declares, read from its text.
std::set<DeclaredHandler> ReadDeclaredHandlers() {
  std::ifstream in(std::string(TEST_SOURCE_DIR) + "/../shell/handlers.h");
  EXPECT_TRUE(in) << "cannot read shell/handlers.h";
  std::set<DeclaredHandler> declared;
  std::string line;
  while (std::getline(in, line)) {
    const bool action = line.starts_with("void ");
    const bool handler = line.starts_with("HandlerResult ");
    if (!action && !handler)
      continue;
    const size_t name_start = line.find(' ') + 1;
    const size_t name_end = line.find('(', name_start);
    const std::string name = line.substr(name_start, name_end - name_start);
    const size_t split = name.rfind('_');
    EXPECT_TRUE(name_end != std::string::npos && split != std::string::npos)
        << "unreadable declaration: " << line;
    if (name_end == std::string::npos || split == std::string::npos)
      continue;
    const auto event = kEventByHandlerSuffix.find(name.substr(split + 1));
    EXPECT_NE(event, kEventByHandlerSuffix.end()) << "no event is named like " << name;
    if (event == kEventByHandlerSuffix.end())
      continue;
    EXPECT_TRUE(declared.insert({name.substr(0, split), event->second, handler}).second)
        << name << " is declared twice";
  }
  return declared;
}

// The catalogue binds each declared handler once, to its control and event, and nothing
// undeclared; only the handlers declared taking the event's arguments are given them.
TEST(Catalogue, EveryBoundEventReachesAHandler) {
  const std::set<DeclaredHandler> declared = ReadDeclaredHandlers();
  ASSERT_FALSE(declared.empty()) << "shell/handlers.h declares no handler";

  std::set<DeclaredHandler> bound;
  auto bind = [&bound](const std::string& control, const Binding& binding) {
    EXPECT_NE(binding.action == nullptr, binding.handler == nullptr)
        << control << " must bind exactly one of an action and a handler";
    EXPECT_TRUE(bound.insert({control, binding.event, binding.handler != nullptr}).second)
        << control << " binds event " << binding.event << " twice";
  };
  for (const ControlSpec& entry : MainCatalogue()) {
    for (const Binding& binding : entry.bindings) bind(entry.control.name, binding);
  }
  const WindowSpec& window = MainWindowSpec();
  for (const Binding& binding : window.bindings) bind(std::string(kWindowName), binding);

  auto describe = [](const std::set<DeclaredHandler>& handlers) {
    std::string text;
    for (const DeclaredHandler& h : handlers)
      text += h.control + " event " + std::to_string(h.event) +
              (h.given_arguments ? " (arguments)" : "") + "\n";
    return text;
  };
  std::set<DeclaredHandler> unbound, undeclared;
  std::set_difference(declared.begin(), declared.end(), bound.begin(), bound.end(),
                      std::inserter(unbound, unbound.end()));
  std::set_difference(bound.begin(), bound.end(), declared.begin(), declared.end(),
                      std::inserter(undeclared, undeclared.end()));
  EXPECT_TRUE(unbound.empty()) << "declared, never bound:\n" << describe(unbound);
  EXPECT_TRUE(undeclared.empty()) << "bound, never declared:\n" << describe(undeclared);

  // The window binds its created event, as an action.
  ASSERT_EQ(window.bindings.size(), 1u);
  EXPECT_EQ(window.bindings[0].event, event::kCreated);
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
