// The window's own keys as every front end applies them, on the started board: the
// tab walk, the radio arrows, who keeps Enter, the focus after a dialog, and the key
// codes the key-down handlers see.
#include "shell/keyboard.h"

#include <algorithm>
#include <string>
#include <vector>

#include "support/board_fixture.h"

namespace {

using KeyboardTest = BoardTest;

constexpr int32_t kTab = 0x09, kEnter = 0x0D, kEscape = 0x1B;

// Left edge in window coordinates (a group box member lies inside its box).
int32_t WindowLeft(const ControlModel& model, const Control& c) {
  const Control* group = c.parent != 0 ? model.Find(c.parent) : nullptr;
  return c.rect.left + (group != nullptr ? group->rect.left : 0);
}

std::string NameOf(const ControlModel& model, ControlId id) {
  const Control* c = model.Find(id);
  return c == nullptr ? "<none>" : c->name;
}

TEST_F(KeyboardTest, TabWalksTheStopsOnTheWindowInCatalogueOrderAndShiftTabWalksBack) {
  const ControlModel& model = app_->model();
  // Every tab stop that takes input and lies on the window, once, in catalogue order.
  std::vector<ControlId> expected;
  for (const Control& c : model.controls()) {
    const bool on_window = WindowLeft(model, c) < 478;
    if (c.tab_stop && model.TakesInput(c) && on_window)
      expected.push_back(c.id);
  }
  ASSERT_GT(expected.size(), 40u);
  std::vector<ControlId> walked;
  ControlId at = 0;
  for (size_t i = 0; i < expected.size(); ++i) {
    const WindowKey key = PreTranslateKey(model, at, kTab, 0);
    ASSERT_EQ(key.action, WindowKey::Action::MoveFocus);
    walked.push_back(at = key.target);
  }
  EXPECT_EQ(walked, expected);
  // Round the end, and back again with Shift.
  EXPECT_EQ(PreTranslateKey(model, at, kTab, 0).target, expected.front());
  EXPECT_EQ(PreTranslateKey(model, expected.front(), kTab, modifier::kShift).target,
            expected.back());
  EXPECT_EQ(PreTranslateKey(model, 0, kTab, modifier::kShift).target, expected.back());
  for (size_t i = expected.size() - 1; i > 0; --i)
    EXPECT_EQ(NextTabStop(model, expected[i], true), expected[i - 1]) << NameOf(model, expected[i]);

  // The first stops: the radio boxes, then the save button; greyed and off-window ones
  // (按钮49, 编辑框25, 编辑框30) are passed by.
  EXPECT_EQ(NameOf(model, expected[0]), "单选框3");
  EXPECT_EQ(NameOf(model, expected[1]), "单选框2");
  EXPECT_EQ(NameOf(model, expected[2]), "超级按钮1");
  for (const char* name : {"按钮49", "编辑框25", "编辑框30", "编辑框14", "编辑框7", "按钮40"}) {
    const Control* c = app_->model().FindByName(name);
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(std::count(walked.begin(), walked.end(), c->id), 0) << name;
  }
}

TEST_F(KeyboardTest, AControlEnabledLaterJoinsTheWalk) {
  const ControlModel& model = app_->model();
  EXPECT_NE(NextTabStop(model, 标签10 /* no stop */, false), 编辑框7);
  Click(按钮37);  // "开启": the lollipop multiplier box takes input from now on
  bool found = false;
  ControlId at = 0;
  for (size_t i = 0; i < model.controls().size() && !found; ++i) {
    at = NextTabStop(model, at, false);
    found = at == 编辑框7;
  }
  EXPECT_TRUE(found);
}

TEST_F(KeyboardTest, WhatTheWindowDoesWithEachKey) {
  struct Case {
    const char* what;
    ControlId focused;
    int32_t key;
    int32_t modifiers;
    WindowKey::Action action;
    ControlId target;
  };
  const Case cases[] = {
      {"Right on 1小时 chooses 2小时", 单选框2, vk_key::kRight, 0, WindowKey::Action::Choose,
       单选框3},
      {"Down on 1小时", 单选框2, vk_key::kDown, 0, WindowKey::Action::Choose, 单选框3},
      {"Left on 2小时", 单选框3, vk_key::kLeft, 0, WindowKey::Action::Choose, 单选框2},
      {"Up on 2小时", 单选框3, vk_key::kUp, 0, WindowKey::Action::Choose, 单选框2},
      {"Alt+Right is the control's", 单选框2, vk_key::kRight, modifier::kAlt,
       WindowKey::Action::ToControl, 单选框2},
      {"an arrow in an edit box is the box's", 编辑框5, vk_key::kLeft, 0,
       WindowKey::Action::ToControl, 编辑框5},
      {"an arrow on a slider is the slider's", 滑块条1, vk_key::kRight, 0,
       WindowKey::Action::ToControl, 滑块条1},
      {"Enter never moves the focus", 编辑框3, kEnter, 0, WindowKey::Action::ToControl, 编辑框3},
      {"Enter in the custom amount box", 编辑框5, kEnter, 0, WindowKey::Action::ToControl, 编辑框5},
      {"Enter on a button", 按钮9, kEnter, 0, WindowKey::Action::ToControl, 按钮9},
      {"Escape does not close the window", 编辑框3, kEscape, 0, WindowKey::Action::ToControl,
       编辑框3},
      {"Ctrl+Tab is the control's", 编辑框1, kTab, modifier::kCtrl, WindowKey::Action::ToControl,
       编辑框1},
      {"Tab leaves a multi-line box", 编辑框1, kTab, 0, WindowKey::Action::MoveFocus,
       NextTabStop(app_->model(), 编辑框1, false)},
      {"a digit", 编辑框3, '7', 0, WindowKey::Action::ToControl, 编辑框3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const WindowKey key = PreTranslateKey(app_->model(), c.focused, c.key, c.modifiers);
    EXPECT_EQ(key.action, c.action);
    EXPECT_EQ(key.target, c.target);
  }
}

TEST_F(KeyboardTest, ARadioArrowIsUsedUpWhenTheOtherBoxIsGreyed) {
  WriteLogical(单选框3, prop::kDisabled, true);
  const WindowKey key = PreTranslateKey(app_->model(), 单选框2, vk_key::kRight, 0);
  EXPECT_EQ(key.action, WindowKey::Action::UsedUp);
}

TEST_F(KeyboardTest, ChoosingARadioWithTheArrowsMakesTheFeeFollow) {
  WriteText(编辑框12, prop::kContent, Gb("0"));
  EXPECT_EQ(Shown(编辑框13), "100");
  const WindowKey key = PreTranslateKey(app_->model(), 单选框2, vk_key::kRight, 0);
  ASSERT_EQ(key.action, WindowKey::Action::Choose);
  Click(key.target);
  EXPECT_EQ(Shown(编辑框13), "200");
  EXPECT_TRUE(app_->model().Find(单选框3)->checked);
  EXPECT_FALSE(app_->model().Find(单选框2)->checked);
}

TEST_F(KeyboardTest, OnlyAFreeTextMultiLineBoxKeepsEnterAndButtonsHaveNoUseForArrows) {
  struct Case {
    ControlId control;
    int32_t key;
    bool used;
  };
  const Case cases[] = {
      {编辑框1, kEnter, true},
      {编辑框2, kEnter, true},
      {编辑框3, kEnter, false},
      {编辑框5, kEnter, false},
      {编辑框9, kEnter, false},
      {按钮9, kEnter, false},
      {超级按钮1, kEnter, false},
      {组合框1, kEnter, false},
      {按钮9, vk_key::kRight, false},
      {颜色选择器1, vk_key::kDown, false},
      {编辑框3, vk_key::kRight, true},
      {滑块条1, vk_key::kLeft, true},
      {组合框1, vk_key::kDown, true},
      {按钮9, ' ', true},
      {编辑框3, '5', true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(NameOf(app_->model(), c.control) + " key " + std::to_string(c.key));
    EXPECT_EQ(ControlUsesKey(*app_->model().Find(c.control), c.key), c.used);
  }
}

TEST_F(KeyboardTest, TheFocusComesBackAfterADialogWhileItsControlTakesInput) {
  const ControlModel& model = app_->model();
  const ControlId first = NextTabStop(model, 0, false);
  EXPECT_EQ(FocusAfterDialog(model, 颜色选择器1), 颜色选择器1);
  EXPECT_EQ(FocusAfterDialog(model, 超级按钮1), 超级按钮1);
  EXPECT_EQ(FocusAfterDialog(model, 0), first);
  EXPECT_EQ(FocusAfterDialog(model, 编辑框7), first);  // greyed meanwhile
  EXPECT_EQ(FocusAfterDialog(model, 0x16019999u), first);
}

TEST_F(KeyboardTest, KeypadKeysReachKeyDownAsTheMainKeys) {
  const int32_t cases[][2] = {{0x60, '0'}, {0x65, '5'}, {0x69, '9'}, {0x6D, 189},  {0x6E, 190},
                              {0x6F, 191}, {0x0D, 13},  {'7', '7'},  {0x6A, 0x6A}, {0x6B, 0x6B}};
  for (const auto& c : cases) EXPECT_EQ(ReportedKeyCode(c[0]), c[1]) << c[0];
}

}  // namespace
