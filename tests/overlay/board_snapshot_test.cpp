// The board as the overlay sees it: the JSON text, the values read from the board, the
// leader, and one snapshot per event from outside.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "overlay/board_feed.h"
#include "overlay/board_json.h"
#include "overlay/published_board.h"
#include "services/utf8.h"
#include "support/board_fixture.h"

namespace {

TEST(BoardJson, EscapesEveryCharacterJsonCannotHoldAsItIs) {
  struct Case {
    std::string text;
    std::string json;
  };
  const std::vector<Case> cases = {
      {"376", "\"376\""},
      {"say \"hi\"", "\"say \\\"hi\\\"\""},
      {"a\\b", "\"a\\\\b\""},
      {"line\nbreak\r\ttab", "\"line\\nbreak\\r\\ttab\""},
      {std::string("\x00\x01\x08\x0c\x1f\x7f", 6),
       "\"\\u0000\\u0001\\u0008\\u000c\\u001f\\u007f\""},
      {"\xE2\x80\xA8\xE2\x80\xA9", "\"\\u2028\\u2029\""},
      {"棒棒糖队🍭", "\"棒棒糖队🍭\""},
      // Bytes that are not UTF-8 become one U+FFFD per run, never pass through.
      {"a\xC3"
       "b\xFF\xFE"
       "c",
       "\"a\xEF\xBF\xBD"
       "b\xEF\xBF\xBD"
       "c\""},
      {"\xED\xA0\x80", "\"\xEF\xBF\xBD\""},  // a surrogate
      {"\xF0\x9F\x8D", "\"\xEF\xBF\xBD\""},  // an emoji cut short
      {"", "\"\""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(JsonString(c.text), c.json) << c.text;
    EXPECT_TRUE(IsValidUtf8(JsonString(c.text))) << c.text;
  }
}

TEST(BoardJson, NestsEachTeamAndKeepsTheKeysInOrder) {
  BoardValues values;
  for (std::size_t i = 0; i < kBoardFieldCount; ++i) values[i] = std::to_string(i);
  EXPECT_EQ(BoardJson(values),
            "{\"lollipop\":{\"name\":\"0\",\"score\":\"1\",\"line\":\"2\",\"losses\":\"3\"},"
            "\"duck\":{\"name\":\"4\",\"score\":\"5\",\"line\":\"6\",\"losses\":\"7\"},"
            "\"difference\":\"8\",\"leader\":\"9\",\"game_beans\":\"10\",\"round_beans\":\"11\","
            "\"host_fee\":\"12\"}\n");
  std::vector<std::string> names;
  for (const BoardField& field : kBoardFields) names.push_back(FieldFileName(field));
  EXPECT_EQ(names, (std::vector<std::string>{"lollipop-name.txt", "lollipop-score.txt",
                                             "lollipop-line.txt", "lollipop-losses.txt",
                                             "duck-name.txt", "duck-score.txt", "duck-line.txt",
                                             "duck-losses.txt", "difference.txt", "leader.txt",
                                             "game_beans.txt", "round_beans.txt", "host_fee.txt"}));
}

BoardValues ValuesNumbered(int n) {
  BoardValues values;
  values.fill(std::to_string(n));
  return values;
}

TEST(PublishedBoard, AReaderKeepsItsSnapshotWhileNewerOnesArePublished) {
  PublishedBoard board;
  EXPECT_EQ(board.Latest(), nullptr);
  board.Publish(ValuesNumbered(1));
  const auto held = board.Latest();
  for (int n = 2; n <= 20; ++n) board.Publish(ValuesNumbered(n));
  EXPECT_EQ(held->version, 1u);
  EXPECT_EQ(held->values, ValuesNumbered(1));
  EXPECT_EQ(board.Latest()->version, 20u);
  EXPECT_EQ(board.Latest()->values, ValuesNumbered(20));
}

TEST(PublishedBoard, AWaitingReaderIsWokenForEachNewerVersionAndByTheClose) {
  PublishedBoard board;
  board.Publish(ValuesNumbered(1));
  std::vector<uint64_t> seen;
  std::atomic<uint64_t> newest_seen{0};
  std::thread reader([&] {
    uint64_t version = 0;
    for (;;) {
      const auto snapshot = board.WaitNewerThan(version);
      if (snapshot->version == version)
        return;  // closed and nothing newer
      version = snapshot->version;
      EXPECT_EQ(snapshot->values, ValuesNumbered(static_cast<int>(version)));
      seen.push_back(version);
      newest_seen = version;
    }
  });
  // Waits up to 10 s for `done`; answers whether it came.
  auto within_deadline = [](const std::function<bool()>& done) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!done() && std::chrono::steady_clock::now() < deadline)
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    return done();
  };
  for (int round = 0; round < 3; ++round) {
    // Once the reader waits, a publish must wake it (a burst may be coalesced into one).
    ASSERT_TRUE(within_deadline([&] { return board.waiting_readers() == 1; }))
        << "the reader never waited";
    const int last = 2 + round * 100 + 99;
    for (int n = 2 + round * 100; n <= last; ++n) board.Publish(ValuesNumbered(n));
    EXPECT_TRUE(within_deadline([&] { return newest_seen == static_cast<uint64_t>(last); }))
        << "the reader was not woken; it saw " << newest_seen;
  }
  board.Close();
  reader.join();
  EXPECT_TRUE(std::is_sorted(seen.begin(), seen.end()));
}

class BoardSnapshotTest : public BoardTest {
 protected:
  std::string Value(std::string_view group, std::string_view key) {
    const BoardValues values = TakeBoardValues(app_->model());
    for (std::size_t i = 0; i < kBoardFieldCount; ++i) {
      if (kBoardFields[i].group == group && kBoardFields[i].key == key)
        return values[i];
    }
    ADD_FAILURE() << "no field " << group << "." << key;
    return {};
  }
  void Credit(ControlId quantity, const std::string& count, ControlId gift) {
    Type(quantity, count);
    Click(gift);
  }
};

TEST_F(BoardSnapshotTest, TheLeaderIsTheTeamWhoseScoreShowsItsLeadingColour) {
  struct Step {
    const char* what;
    std::function<void()> act;
    std::string leader;
  };
  const std::vector<Step> steps = {
      {"nobody has scored", [] {}, ""},
      {"the lollipop team credits 2 x 188", [&] { Credit(编辑框3, "2", 按钮9); }, "lollipop"},
      {"the duck team passes it", [&] { Credit(编辑框4, "3", 按钮15); }, "duck"},
      {"the lollipop team draws level", [&] { Credit(编辑框3, "1", 按钮9); }, ""},
      {"the lollipop team leads in the trailing colour",
       [&] {
         {
           const auto event = app_->OutsideEvent();
           WriteColour(颜色选择器3, prop::kCurrentColour,
                       ReadColour(颜色选择器4, prop::kCurrentColour));
         }
         Credit(编辑框3, "1", 按钮9);
       },
       ""},
  };
  for (const Step& step : steps) {
    step.act();
    EXPECT_EQ(Value("", "leader"), step.leader) << step.what;
  }
  EXPECT_EQ(Value("lollipop", "score"), Shown(编辑框9));
  EXPECT_EQ(Value("duck", "score"), Shown(编辑框10));
}

TEST_F(BoardSnapshotTest, TextsBecomeValidUtf8WithPlainLineBreaks) {
  const auto event = app_->OutsideEvent();
  struct Case {
    std::string written;  // GB18030 bytes
    std::string shown;
  };
  const std::vector<Case> cases = {
      {TextFromUtf8("🍭棒棒糖队"), "🍭棒棒糖队"},
      {TextFromUtf8("甲\r\n乙\r丙\n丁"), "甲\n乙\n丙\n丁"},
      {std::string("\x81\x20\xFF"), ""},  // bytes no converter maps: only checked for validity
  };
  for (const Case& c : cases) {
    WriteText(分组框1, prop::kCaption, c.written);
    const std::string value = Value("lollipop", "name");
    EXPECT_TRUE(IsValidUtf8(value)) << value;
    EXPECT_TRUE(IsValidUtf8(BoardJson(TakeBoardValues(app_->model()))));
    if (!c.shown.empty()) {
      EXPECT_EQ(value, c.shown);
    }
  }
}

TEST_F(BoardSnapshotTest, OneSnapshotPerEventAfterItsNestedWritesAndNoneWithoutAChange) {
  PublishedBoard board;
  BoardFeed feed(board);
  feed.PublishNow(app_->model());
  app_->Watch(&feed);
  ASSERT_EQ(board.Latest()->version, 1u);

  // A credit writes the score, the difference, the colours, the beans and the fee, each
  // setting off more writes: the board is published once, as it stands at the end.
  Credit(编辑框3, "2", 按钮9);
  auto latest = board.Latest();
  EXPECT_EQ(latest->version, 2u);  // typing the quantity changed nothing the overlay shows
  EXPECT_EQ(latest->values, TakeBoardValues(app_->model()));
  EXPECT_EQ(latest->values[1], "376");

  // Time passing (the clock, the start-up progress) changes nothing the overlay shows.
  front_end_->Advance(5000);
  EXPECT_EQ(board.Latest()->version, 2u);

  Credit(编辑框4, "1", 按钮15);
  EXPECT_EQ(board.Latest()->version, 3u);
  app_->Watch(nullptr);
  Credit(编辑框4, "1", 按钮15);
  EXPECT_EQ(board.Latest()->version, 3u);
}

}  // namespace
