// The property model's promises that the handlers build on: a content write raises its
// event once and synchronously, events stay quiet while the window is built, timers
// follow their interval, and out-of-range values are clamped rather than refused.
#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "services/fatal_error.h"
#include "services/message_services.h"
#include "shell/dispatcher.h"
#include "shell/runtime.h"
#include "support/board_fixture.h"

namespace {

using PropertyModelTest = BoardTest;

int CountChanges(const HeadlessFrontEnd& fe, ControlId control, Aspect aspect) {
  return static_cast<int>(std::count(fe.changes.begin(), fe.changes.end(),
                                     std::pair<ControlId, Aspect>{control, aspect}));
}

TEST_F(PropertyModelTest, ConstructionRaisesNothingAndStartUpWritesNoContent) {
  // Had any content-changed handler run during construction or start-up, the
  // difference box would have been rewritten and the fee box filled.
  EXPECT_EQ(Shown(编辑框13), "");
  EXPECT_EQ(Colour(编辑框9), "#0000ff");
  EXPECT_EQ(ReadInteger(编辑框13, prop::kVisible), 1);
  EXPECT_EQ(ReadInteger(编辑框7, prop::kDisabled), 1);
  EXPECT_EQ(ReadInteger(编辑框9, prop::kDisabled), 0);
  EXPECT_EQ(ReadInteger(列表框1, prop::kVisible), 0);
  EXPECT_EQ(ReadInteger(时钟2, prop::kInterval), 50);
}

// Passes everything on to the program's host and counts the content writes per box;
// the program's host is back when it goes.
class CountingHost final : public ControlHost {
 public:
  CountingHost() : program_(TheControlHost()) { InstallControlHost(this); }
  ~CountingHost() override { InstallControlHost(&program_); }
  CountingHost(const CountingHost&) = delete;
  CountingHost& operator=(const CountingHost&) = delete;

  ControlModel* LoadedModel() override { return program_.LoadedModel(); }
  void Changed(const Control& c, Aspect aspect) override { program_.Changed(c, aspect); }
  void ContentWritten(const Control& box) override {
    ++content_written[box.id];
    program_.ContentWritten(box);
  }
  void IntervalWritten(const Control& timer) override { program_.IntervalWritten(timer); }
  int32_t MessageBox(const Text& text, const Text& caption, uint32_t flags) override {
    return program_.MessageBox(text, caption, flags);
  }
  bool LaunchProgram(const Text& command_line, int32_t show, bool wait) override {
    return program_.LaunchProgram(command_line, show, wait);
  }

  ControlHost& program_;
  std::map<ControlId, int> content_written;
};

TEST_F(PropertyModelTest, EveryContentWriteRaisesItsEventExactlyOnce) {
  CountingHost counting;
  for (int round = 1; round <= 3; ++round) {
    {
      SuspendEvents quiet;  // the other score moves without the board noticing
      WriteText(编辑框10, prop::kContent, std::to_string(round));
    }
    WriteText(编辑框9, prop::kContent, "7");  // the same text again each round
    EXPECT_EQ(counting.content_written[编辑框9], round);
    // The difference rule ran inside the write, with the score it had not seen yet.
    EXPECT_EQ(Shown(编辑框11), std::to_string(7 - round));
  }
}

// The front end hears of a write only when it changed what the control holds: typing
// into a long team line reapplies its unchanged style, which must redraw nothing.
TEST_F(PropertyModelTest, OnlyAWriteThatChangesSomethingIsAnnounced) {
  struct Case {
    const char* what;
    ControlId control;
    int32_t index;
    int32_t member;
    PropertyValue value;  // differs from the start-up state
    Aspect aspect;
  };
  const Case cases[] = {
      {"content", 编辑框1, prop::kContent, prop::kWholeValue, Text("7"), Aspect::Caption},
      {"text colour", 编辑框1, prop::kTextColour, prop::kWholeValue, ::Colour{0x0000FF},
       Aspect::TextColour},
      {"font size", 编辑框1, prop::kFont, prop::kFontSize, int32_t{20}, Aspect::Font},
      {"caption", 分组框1, prop::kCaption, prop::kWholeValue, Gb("新队名"), Aspect::Caption},
      {"position", 进度条1, prop::kProgressPosition, prop::kWholeValue, int32_t{9},
       Aspect::Position},
      {"disabled", 按钮9, prop::kDisabled, prop::kWholeValue, int32_t{1}, Aspect::Disabled},
  };
  front_end_->record_changes = true;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    front_end_->changes.clear();
    WriteProperty(kMainWindow, c.control, c.index, c.member, c.value);
    EXPECT_EQ(CountChanges(*front_end_, c.control, c.aspect), 1);
    WriteProperty(kMainWindow, c.control, c.index, c.member, c.value);
    EXPECT_EQ(CountChanges(*front_end_, c.control, c.aspect), 1);
  }

  // The host types into a team line: its style rule runs at every key, and once the
  // slider's size and the picker's colour are shown it changes nothing more.
  ASSERT_TRUE(app_->Edited(编辑框1, Gb("棒棒糖队：甲")));
  front_end_->changes.clear();
  ASSERT_TRUE(app_->Edited(编辑框1, Gb("棒棒糖队：甲乙")));
  EXPECT_EQ(front_end_->changes, (std::vector<std::pair<ControlId, Aspect>>{}));
  // A new size on the slider shows at the next key, once.
  ASSERT_TRUE(app_->Slide(滑块条1, 25));
  ASSERT_TRUE(app_->Edited(编辑框1, Gb("棒棒糖队：甲乙丙")));
  ASSERT_TRUE(app_->Edited(编辑框1, Gb("棒棒糖队：甲乙丙丁")));
  EXPECT_EQ(CountChanges(*front_end_, 编辑框1, Aspect::Font), 1);
  EXPECT_EQ(ReadInteger(编辑框1, prop::kFont, prop::kFontSize), 25);
}

TEST_F(PropertyModelTest, NestedWritesCompleteBeforeTheOuterWriteReturns) {
  // The total's handler writes the fee inside the write of the total.
  WriteText(编辑框12, prop::kContent, "30000");
  EXPECT_EQ(Shown(编辑框13), "244");
}

TEST_F(PropertyModelTest, SuspendedEventsReachNoHandler) {
  {
    SuspendEvents quiet;
    WriteText(编辑框9, prop::kContent, "9");
  }
  EXPECT_EQ(Shown(编辑框9), "9");
  EXPECT_EQ(Shown(编辑框11), "0");
}

// An action answers nothing, as an unbound event does; a key-down handler answers its
// value only when it takes the key.
TEST_F(PropertyModelTest, DispatchAnswersWhatTheBoundHandlerAnswers) {
  Type(编辑框5, "25");
  EXPECT_EQ(RaiseEvent(kMainWindow, 按钮26, event::kClicked), std::nullopt);
  EXPECT_EQ(Shown(编辑框9), "25");  // the action ran
  EXPECT_EQ(RaiseEvent(kMainWindow, 编辑框5, event::kKeyDown, {65, 0}), std::nullopt);
  Type(编辑框5, "5");
  EXPECT_EQ(RaiseEvent(kMainWindow, 编辑框5, event::kKeyDown, {13, 0}), HandlerResult(0));
  EXPECT_EQ(Shown(编辑框9), "30");
  EXPECT_EQ(RaiseEvent(kMainWindow, 编辑框3, event::kKeyDown, {13, 0}), std::nullopt);
  EXPECT_EQ(RaiseWindowEvent(event::kWindowEvent3), std::nullopt);
}

TEST_F(PropertyModelTest, TimerIntervalRules) {
  // 时钟2 runs at 50 ms from start-up: writing 50 again keeps its phase.
  front_end_->Advance(30);
  WriteInteger(时钟2, prop::kInterval, 50);
  front_end_->Advance(20);
  EXPECT_EQ(ReadInteger(进度条1, prop::kProgressPosition), 1);

  // A new value restarts the period from now.
  front_end_->Advance(30);
  WriteInteger(时钟2, prop::kInterval, 40);
  front_end_->Advance(39);
  EXPECT_EQ(ReadInteger(进度条1, prop::kProgressPosition), 1);
  front_end_->Advance(1);
  EXPECT_EQ(ReadInteger(进度条1, prop::kProgressPosition), 2);

  // 0 stops; negative counts as 0; a later value starts a fresh period.
  WriteInteger(时钟2, prop::kInterval, -5);
  EXPECT_EQ(ReadInteger(时钟2, prop::kInterval), 0);
  front_end_->Advance(1000);
  EXPECT_EQ(ReadInteger(进度条1, prop::kProgressPosition), 2);
  WriteInteger(时钟2, prop::kInterval, 1);  // ticks at the 10 ms minimum
  front_end_->Advance(100);
  EXPECT_EQ(ReadInteger(进度条1, prop::kProgressPosition), 12);
}

TEST_F(PropertyModelTest, ClampsAndRangesOfStoredValues) {
  struct Case {
    int32_t written;
    int32_t read;
  };
  for (const Case c : {Case{51, 51}, Case{-3, 0}, Case{40000, 32767}, Case{100, 100}}) {
    WriteInteger(进度条1, prop::kProgressPosition, c.written);
    EXPECT_EQ(ReadInteger(进度条1, prop::kProgressPosition), c.read) << c.written;
  }
  for (const Case c : {Case{5, 11}, Case{20, 20}, Case{31, 30}}) {
    ASSERT_TRUE(app_->Slide(滑块条1, c.written));
    EXPECT_EQ(ReadInteger(滑块条1, prop::kSliderPosition), c.read) << c.written;
  }
}

TEST_F(PropertyModelTest, FontSizeFollowsTheHeightRule) {
  // 14 px of the form reads as 11 points at 96 dpi (the size rounds half away from zero).
  EXPECT_EQ(ReadInteger(编辑框1, prop::kFont, prop::kFontSize), 11);
  EXPECT_EQ(ReadInteger(编辑框3, prop::kFont, prop::kFontSize), 9);  // the GUI font
  const int32_t line_height = ReadInteger(编辑框1, prop::kHeight);
  WriteInteger(编辑框1, prop::kFont, 30, prop::kFontSize);
  EXPECT_EQ(ReadInteger(编辑框1, prop::kFont, prop::kFontSize), 30);
  EXPECT_EQ(ReadInteger(编辑框1, prop::kHeight), line_height);  // multi-line keeps its size

  const int32_t quantity_height = ReadInteger(编辑框3, prop::kHeight);  // 24 px
  WriteInteger(编辑框3, prop::kFont, 30, prop::kFontSize);
  EXPECT_GT(ReadInteger(编辑框3, prop::kHeight), quantity_height);  // a single line grows
  WriteInteger(编辑框3, prop::kFont, 8, prop::kFontSize);
  EXPECT_GT(ReadInteger(编辑框3, prop::kHeight), quantity_height);  // and never shrinks
  WriteInteger(编辑框3, prop::kFont, -4, prop::kFontSize);
  EXPECT_EQ(ReadInteger(编辑框3, prop::kFont, prop::kFontSize), 9);  // the default height
}

TEST_F(PropertyModelTest, ComboItemTextOutsideTheListIsEmpty) {
  struct Case {
    int32_t index;
    const char* text;
  };
  for (const Case c : {Case{-1, ""}, Case{0, "棒棒糖队"}, Case{2, "没人救等死"}, Case{3, ""}})
    EXPECT_EQ(Utf8FromText(ComboItemText(kMainWindow, 组合框2, c.index)), c.text) << c.index;
}

TEST_F(PropertyModelTest, DisabledAndHiddenControlsTakeNoInput) {
  EXPECT_FALSE(app_->Click(编辑框7));  // disabled until "开启"
  EXPECT_FALSE(app_->Click(按钮42));   // inactive for good
  WriteLogical(按钮9, prop::kDisabled, true);
  Type(编辑框3, "2");
  EXPECT_FALSE(app_->Click(按钮9));
  EXPECT_EQ(Shown(编辑框9), "0");
  EXPECT_EQ(Shown(编辑框3), "2");  // disabling keeps the stored content
  WriteLogical(按钮9, prop::kDisabled, false);
  EXPECT_TRUE(app_->Click(按钮9));
  EXPECT_EQ(Shown(编辑框9), "376");
}

TEST_F(PropertyModelTest, InputModesOfTyping) {
  struct Case {
    ControlId box;
    const char* typed;
    const char* kept;
    bool accepted;
  };
  const Case cases[] = {
      {编辑框3, "1a2-3.5", "12-35", true},      // whole numbers
      {编辑框5, "１２abc", "", true},           // full-width digits are not typed digits
      {编辑框1, "甲\r\n乙", "甲\r\n乙", true},  // free text keeps line breaks
      {编辑框9, "5", "0", false},               // read-only
  };
  for (const Case& c : cases) {
    EXPECT_EQ(app_->Type(c.box, TextFromUtf8(c.typed)), c.accepted) << c.typed;
    EXPECT_EQ(Shown(c.box), c.kept) << c.typed;
  }
}

TEST_F(PropertyModelTest, KeyDownResultsAndKeypadCodes) {
  EXPECT_EQ(ReportedKeyCode(0x60), 48);
  EXPECT_EQ(ReportedKeyCode(0x69), 57);
  EXPECT_EQ(ReportedKeyCode(0x6D), 189);
  EXPECT_EQ(ReportedKeyCode(0x6E), 190);
  EXPECT_EQ(ReportedKeyCode(0x6F), 191);
  EXPECT_EQ(ReportedKeyCode(13), 13);

  Type(编辑框5, "25");
  EXPECT_EQ(app_->KeyDown(编辑框5, 'A', 0), std::optional<bool>(true));  // not Enter
  EXPECT_EQ(Shown(编辑框9), "0");
  EXPECT_EQ(app_->KeyDown(编辑框5, 13, modifier::kShift), std::optional<bool>(false));
  EXPECT_EQ(Shown(编辑框9), "25");
  EXPECT_EQ(app_->KeyDown(编辑框3, 13, 0), std::optional<bool>(true));  // unbound
  EXPECT_EQ(app_->KeyDown(按钮42, 13, 0), std::nullopt);                // takes no input
}

TEST_F(PropertyModelTest, MessageBoxAndLaunchMapping) {
  struct Case {
    std::optional<int32_t> style;
    int32_t platform;
  };
  for (const Case c :
       {Case{std::nullopt, 1}, Case{0, 0}, Case{-9, 0}, Case{1, 0}, Case{3, 2}, Case{5, 4},
        Case{6, 6}, Case{7, 6}, Case{262144, 6}, Case{show_style::kMinimised, 6}})
    EXPECT_EQ(ShowWindowValue(c.style), c.platform);

  front_end_->message_box_answer = 6;  // IDYES
  EXPECT_EQ(ShowMessageBox(Logical{true}), 5);
  EXPECT_EQ(shown_.back(), "message: 信息：: 真");
  front_end_->message_box_answer = 99;
  EXPECT_EQ(ShowMessageBox(2.5, 0, Gb("标题")), 0);
  EXPECT_EQ(shown_.back(), "message: 标题: 2.5");
  EXPECT_FALSE(RunProgram(""));
}

using PropertyModelDeathTest = BoardTest;

// Exit code -1 as the parent sees it: Windows keeps all 32 bits, POSIX only the low byte.
#ifdef _WIN32
constexpr int kExitCodeMinusOne = -1;
#else
constexpr int kExitCodeMinusOne = 255;
#endif

TEST_F(PropertyModelDeathTest, FatalRunTimeErrorsShowTheirTextAndExitMinusOne) {
  EXPECT_EQ(Utf8FromText(FatalErrorText(7, Gb("坏了"))),
            "运行时出错!\r\n\r\n错误代码：7\r\n\r\n错误信息：坏了\r\n");
  EXPECT_EXIT(RaiseEvent(kMainWindow, 0x16019999u, 0), ::testing::ExitedWithCode(kExitCodeMinusOne),
              "");
  EXPECT_EXIT(RaiseEvent(0x52010002u, 编辑框9, 0), ::testing::ExitedWithCode(kExitCodeMinusOne),
              "");
  EXPECT_EXIT(RaiseEvent(kMainWindow, 通用对话框1, 0), ::testing::ExitedWithCode(kExitCodeMinusOne),
              "");
  EXPECT_EXIT(ReadProperty(kMainWindow, 编辑框9, 29), ::testing::ExitedWithCode(kExitCodeMinusOne),
              "");
}

}  // namespace

namespace {

#if !defined(__SANITIZE_ADDRESS__)
TEST(AllocationDeathTest, RunningOutOfMemoryIsTheFatalErrorWithTheByteCount) {
  // Nothing can hold 2^62 bytes; the request must end the process, not throw.
  EXPECT_EXIT(
      {
        void* volatile block = ::operator new (std::size_t{1} << 62);
        ::operator delete(block);
      },
      ::testing::ExitedWithCode(kExitCodeMinusOne), "分配 4611686018427387904 字节内存失败!");
}
#endif

}  // namespace
