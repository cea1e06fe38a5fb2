// Reading a journal back: whole actions come back exactly as they were kept; whatever a
// crash cut short, garbage, or a journal of another board gives nothing it cannot vouch
// for, and says what it skipped.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "journal/journal_format.h"
#include "services/text.h"
#include "shell/control_ids.h"

namespace {

std::string Header(uint64_t catalogue = CatalogueFingerprint()) {
  return HeaderLine({catalogue, 5000, 46000.25});
}

HostAction Click(ControlId control) {
  return HostAction{HostAction::Kind::kClick, control, nullptr, {}, 0, 0};
}

// Three actions: a click 1.5 s after the start, a typed text with every escape 0.2 s
// later (after a message box answered 6), and a key.
const Text kOddText = Gb("甲\r\n乙\\n\t\x01 \"引号\" ");
std::string ThreeActions() {
  std::string journal = Header();
  journal += ActionLines(Click(按钮9), "按钮9", 5000, 6500, {}, {});
  journal += ActionLines(HostAction{HostAction::Kind::kEdited, 编辑框1, &kOddText, {}, 0, 0},
                         "编辑框1", 6500, 6700, {6}, {false});
  journal += ActionLines(HostAction{HostAction::Kind::kKeyDown, 编辑框5, nullptr, {}, 13, 2},
                         "编辑框5", 6700, 6700, {}, {});
  return journal;
}

TEST(JournalReaderTest, KeepsWholeActionsAndSkipsWhatItCannotVouchFor) {
  const std::string good = ThreeActions();
  const std::size_t last_action_start = good.rfind("keydown");
  struct Case {
    const char* what;
    std::string bytes;
    bool header;
    std::size_t actions;
    std::size_t whole_bytes;
    std::string skipped_says;  // empty: nothing skipped
  };
  const std::vector<Case> cases = {
      {"a whole journal", good, true, 3, good.size(), ""},
      {"only the header", Header(), true, 0, Header().size(), ""},
      {"empty", "", false, 0, 0, "no journal header"},
      {"the last line cut short", good.substr(0, good.size() - 3), true, 2, last_action_start,
       "cut short"},
      {"cut inside the header", Header().substr(0, 20), false, 0, 0, "cut short"},
      {"an answer without its action", good + "answer 1\n", true, 3, good.size(),
       "after the last whole action"},
      {"a wait without its action", good + "wait 100\n", true, 3, good.size(),
       "after the last whole action"},
      {"garbage after the actions", good + "\x07\xff\xfe garbage\n" + "click 按钮9\n", true, 3,
       good.size(), "not UTF-8"},
      {"an unknown command", good + "explode 按钮9\nclick 按钮9\n", true, 3, good.size(),
       "unknown command"},
      {"a control this board lacks", good + "click 按钮999\n", true, 3, good.size(),
       "no control 按钮999"},
      {"a wait that is no number", good + "wait soon\nclick 按钮9\n", true, 3, good.size(),
       "wait without a time"},
      {"a negative wait", good + "wait -5\nclick 按钮9\n", true, 3, good.size(),
       "wait without a time"},
      {"a key without modifiers", good + "keydown 编辑框5 13\n", true, 3, good.size(),
       "keydown needs"},
      {"a colour that is no colour", good + "pick 颜色选择器1 red\n", true, 3, good.size(),
       "#rrggbb"},
      {"another board's journal", Header(CatalogueFingerprint() ^ 1) + "click 按钮9\n", false, 0, 0,
       "another board"},
      {"no header", "click 按钮9\n", false, 0, 0, "no journal header"},
      {"a header of another version",
       "# scoreboard journal 2 catalogue=0 clock=0 date=0\nclick 按钮9\n", false, 0, 0,
       "no journal header"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const JournalContents read = ReadJournal(c.bytes);
    EXPECT_EQ(read.header.has_value(), c.header);
    EXPECT_EQ(read.actions.size(), c.actions);
    EXPECT_EQ(read.whole_bytes, c.whole_bytes);
    if (c.skipped_says.empty())
      EXPECT_EQ(read.skipped, "");
    else
      EXPECT_NE(read.skipped.find(c.skipped_says), std::string::npos) << read.skipped;
  }
}

TEST(JournalReaderTest, ActionsComeBackAsTheyWereKept) {
  const JournalContents read = ReadJournal(ThreeActions());
  ASSERT_TRUE(read.header);
  EXPECT_EQ(read.header->clock_ms, 5000);
  EXPECT_EQ(read.header->date_days, 46000.25);
  ASSERT_EQ(read.actions.size(), 3u);

  EXPECT_EQ(read.actions[0].kind, HostAction::Kind::kClick);
  EXPECT_EQ(read.actions[0].control, 按钮9.id);
  EXPECT_EQ(read.actions[0].time_ms, 6500);

  EXPECT_EQ(read.actions[1].kind, HostAction::Kind::kEdited);
  EXPECT_EQ(read.actions[1].control, 编辑框1.id);
  EXPECT_EQ(read.actions[1].text, kOddText);
  EXPECT_EQ(read.actions[1].time_ms, 6700);
  EXPECT_EQ(read.actions[1].answers, std::vector<int32_t>{6});
  EXPECT_EQ(read.actions[1].launches, std::vector<bool>{false});

  EXPECT_EQ(read.actions[2].kind, HostAction::Kind::kKeyDown);
  EXPECT_EQ(read.actions[2].value, 13);
  EXPECT_EQ(read.actions[2].modifiers, 2);
  EXPECT_EQ(read.actions[2].time_ms, 6700);
}

TEST(JournalReaderTest, EveryKindOfActionRoundTrips) {
  const std::string typed = Gb("1x0 ");
  const std::vector<std::pair<HostAction, const char*>> kept = {
      {HostAction{HostAction::Kind::kType, 编辑框4, nullptr, typed, 0, 0}, "编辑框4"},
      {HostAction{HostAction::Kind::kSelect, 组合框1, nullptr, {}, 3, 0}, "组合框1"},
      {HostAction{HostAction::Kind::kSlide, 滑块条1, nullptr, {}, -7, 0}, "滑块条1"},
      {HostAction{HostAction::Kind::kPick, 颜色选择器1, nullptr, {}, 0x00345678, 0}, "颜色选择器1"},
  };
  std::string journal = Header();
  int64_t clock = 5000;
  for (const auto& [action, name] : kept) {
    // A gap longer than one 32-bit wait is kept whole.
    journal += ActionLines(action, name, clock, clock + 3'000'000'000LL, {}, {});
    clock += 3'000'000'000LL;
  }
  const JournalContents read = ReadJournal(journal);
  EXPECT_EQ(read.skipped, "");
  ASSERT_EQ(read.actions.size(), kept.size());
  for (std::size_t i = 0; i < kept.size(); ++i) {
    SCOPED_TRACE(kept[i].second);
    EXPECT_EQ(read.actions[i].kind, kept[i].first.kind);
    EXPECT_EQ(read.actions[i].control, kept[i].first.control);
    EXPECT_EQ(read.actions[i].value, kept[i].first.value);
    EXPECT_EQ(read.actions[i].time_ms, 5000 + 3'000'000'000LL * static_cast<int64_t>(i + 1));
  }
  EXPECT_EQ(read.actions[0].text, typed);
}

TEST(JournalReaderTest, JournalNamesAreNeverRecordSlots) {
  for (int back = 0; back < kJournalRunsKept; ++back) {
    const std::string name = JournalFileName(back);
    EXPECT_TRUE(IsJournalFileName(name)) << name;
    EXPECT_EQ(name.find("游戏数据保存"), std::string::npos) << name;
  }
  EXPECT_FALSE(IsJournalFileName(JournalFileName(kJournalRunsKept)));
  EXPECT_FALSE(IsJournalFileName("游戏数据保存.txt"));
}

}  // namespace
