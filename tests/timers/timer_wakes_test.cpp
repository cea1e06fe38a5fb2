// The timers wake the program only when a host could see a change, yet the board,
// the screen and a save at any moment are what waking at every tick gives.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/headless/headless_front_end.h"
#include "services/property_model.h"
#include "shell/application.h"
#include "shell/control_ids.h"
#include "support/temporary_folder.h"

namespace {

constexpr int64_t kHour = 3'600'000;

// One board started as the program starts, waking lazily or at every tick.
class Board {
 public:
  explicit Board(bool every_tick, bool catch_up = true) {
    dir_ = NewTemporaryFolder("wakes");
    if (dir_.empty())
      std::abort();
    front_end_ = std::make_unique<HeadlessFrontEnd>(DateTimeFromCalendar(2016, 5, 3, 23, 59, 58));
    front_end_->catch_up_after_advance = catch_up;
    app_ = std::make_unique<Application>(*front_end_);
    front_end_->Attach(*app_);
    app_->WakeAtEveryTick(every_tick);
    app_->Start(dir_.native());
  }
  ~Board() {
    app_.reset();
    front_end_.reset();
    std::error_code ignored;
    std::filesystem::remove_all(dir_, ignored);
  }

  HeadlessFrontEnd& front_end() { return *front_end_; }
  Application& app() { return *app_; }
  const std::filesystem::path& dir() const { return dir_; }

 private:
  std::filesystem::path dir_;
  std::unique_ptr<HeadlessFrontEnd> front_end_;
  std::unique_ptr<Application> app_;
};

std::string Caption(ControlId control) {
  return Utf8FromText(ReadText(control, prop::kCaption));
}

// What the host sees of the timers' work: the bar as drawn (its range is 0..50), the
// signature, and the clock label that a save records.
std::string Screen() {
  const int32_t drawn = std::clamp(ReadInteger(进度条1, prop::kProgressPosition), 0, 50);
  return std::to_string(drawn) + "|" + Caption(透明标签4) + "|" + Caption(标签22);
}

// The whole stored state, the uncounted part of the bar included.
std::string Stored() {
  return std::to_string(ReadInteger(进度条1, prop::kProgressPosition)) + "|" +
         std::to_string(ReadInteger(时钟2, prop::kInterval)) + "|" + Caption(透明标签4) + "|" +
         Caption(标签22);
}

struct Change {
  int64_t at;
  std::string state;
  bool operator==(const Change&) const = default;
};

// Each moment at which the observed state differs from the moment before, sampled at
// a step that walks across every phase of the 10 ms and 50 ms ticks.
std::vector<Change> Observe(Board& board, std::string (*observe)(), int64_t step, int64_t span) {
  std::vector<Change> changes{{0, observe()}};
  for (int64_t t = step; t <= span; t += step) {
    board.front_end().Advance(step);
    std::string state = observe();
    if (state != changes.back().state)
      changes.push_back({t, std::move(state)});
  }
  return changes;
}

TEST(TimerWakesTest, AnHourLooksAndStoresAsWakingAtEveryTick) {
  struct Case {
    const char* what;
    bool catch_up;  // false: only what a wake itself brought is there
    std::string (*observe)();
  };
  for (const Case c : {Case{"screen between wakes", false, Screen},
                       Case{"stored state whenever the user acts", true, Stored}}) {
    SCOPED_TRACE(c.what);
    std::vector<Change> every, lazy;
    int64_t every_wakes = 0, lazy_wakes = 0;
    {
      Board board(true, c.catch_up);
      every = Observe(board, c.observe, 7, kHour);
      every_wakes = board.app().timer_wakes();
    }
    {
      Board board(false, c.catch_up);
      lazy = Observe(board, c.observe, 7, kHour);
      lazy_wakes = board.app().timer_wakes();
    }
    // The clock changes once a second and the day turns over two seconds in.
    ASSERT_GT(every.size(), 3600u);
    EXPECT_EQ(every.front().state.find("|2016"), std::string::npos) << "a tick before 10 ms";
    EXPECT_EQ(lazy, every);
    if (lazy != every) {
      for (size_t i = 0; i < std::min(lazy.size(), every.size()); ++i) {
        if (!(lazy[i] == every[i])) {
          ADD_FAILURE() << "first difference at " << every[i].at << " ms: " << every[i].state
                        << " against " << lazy[i].at << " ms: " << lazy[i].state;
          break;
        }
      }
    }
    // 100 ticks a second against one a second, plus the 50 steps the bar is seen to move.
    EXPECT_GT(every_wakes, 359'000);
    EXPECT_LT(lazy_wakes, 3600 + 60);
  }
}

// A save reads the clock label: at any moment it records what waking at every tick
// records, an empty time before the first tick at 10 ms included.
TEST(TimerWakesTest, ClockLabelAtAnyMomentIsTheEveryTickOne) {
  for (const int64_t at :
       {0, 9, 10, 11, 999, 1000, 1005, 1009, 1010, 1011, 2000, 2010, 5055, 61'234, 3'599'999}) {
    std::string every, lazy;
    {
      Board board(true, false);
      board.front_end().Advance(at);
      every = Caption(标签22);
    }
    {
      Board board(false, false);
      board.front_end().Advance(at);
      lazy = Caption(标签22);
    }
    EXPECT_EQ(lazy, every) << at << " ms";
    EXPECT_EQ(lazy.empty(), at < 10) << at << " ms";
  }
}

// Whatever the user does meets the board caught up, even between wakes.
TEST(TimerWakesTest, UserActionCatchesUpSkippedTicks) {
  Board board(false, false);
  // The bar looks full; 79 steps are due, the last wake (the clock's at 3 s) saw 60.
  board.front_end().Advance(3995);
  EXPECT_EQ(ReadInteger(进度条1, prop::kProgressPosition), 60);
  ASSERT_TRUE(board.app().Type(编辑框3, "2"));
  EXPECT_EQ(ReadInteger(进度条1, prop::kProgressPosition), 79);
}

}  // namespace
