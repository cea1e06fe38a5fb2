// A long stream on the virtual clock: every tick of every running timer and a credit
// every second, with the heap in use flat from the end of the first eighth of the stream
// to its end. The whole eight-hour stream takes well under a second of real time, so the
// test command runs all of it; a shorter stream for a quick check is, for example,
//   SCOREBOARD_ENDURANCE_MINUTES=10 build/tests/endurance_tests
#include <gtest/gtest.h>
#include <malloc.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "faults/fault_support.h"

#ifdef _WIN32
// After the program's headers: windows.h defines macros such as CreateWindow.
#include "services/windows_api.h"
// windows.h first: psapi.h needs its types.
#include <psapi.h>
#endif

#if defined(__SANITIZE_ADDRESS__)
#define SCOREBOARD_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define SCOREBOARD_ASAN 1
#endif
#endif
#ifdef SCOREBOARD_ASAN
// Declared here: g++ ships the sanitizer runtime without this interface header.
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#endif

namespace faults {
namespace {

// Bytes the program holds on the heap right now (the sanitizer's allocator keeps its own
// count when it replaces malloc).
std::size_t HeapInUse() {
#ifdef SCOREBOARD_ASAN
  return __sanitizer_get_current_allocated_bytes();
#elif defined(_WIN32)
  // The C runtime's heap, block by block: Windows keeps no running total.
  std::size_t in_use = 0;
  _HEAPINFO entry{};
  while (_heapwalk(&entry) == _HEAPOK) {
    if (entry._useflag == _USEDENTRY)
      in_use += entry._size;
  }
  return in_use;
#else
  return mallinfo2().uordblks;
#endif
}

std::size_t ResidentBytes() {
#ifdef _WIN32
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof counters;
  if (!K32GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters))
    return 0;
  return counters.WorkingSetSize;
#else
  std::ifstream statm("/proc/self/statm");
  std::size_t pages = 0;
  std::size_t resident = 0;
  statm >> pages >> resident;
  return resident * static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
#endif
}

int StreamMinutes() {
  if (const char* minutes = std::getenv("SCOREBOARD_ENDURANCE_MINUTES")) {
    const int value = std::atoi(minutes);
    if (value > 0)
      return value;
  }
  return 8 * 60;
}

struct Gift {
  ControlId button;
  ControlId quantity_box;
  ControlId score_box;
  int beans;
};
// Every picture gift of both teams, credited in turn.
constexpr Gift kGifts[] = {
    {按钮7, 编辑框3, 编辑框9, 5},     {按钮8, 编辑框3, 编辑框9, 120},
    {按钮9, 编辑框3, 编辑框9, 188},   {按钮10, 编辑框3, 编辑框9, 155},
    {按钮11, 编辑框3, 编辑框9, 199},  {按钮12, 编辑框3, 编辑框9, 288},
    {按钮13, 编辑框3, 编辑框9, 520},  {按钮17, 编辑框4, 编辑框10, 5},
    {按钮16, 编辑框4, 编辑框10, 120}, {按钮15, 编辑框4, 编辑框10, 188},
    {按钮14, 编辑框4, 编辑框10, 155}, {按钮6, 编辑框4, 编辑框10, 199},
    {按钮5, 编辑框4, 编辑框10, 288},  {按钮4, 编辑框4, 编辑框10, 520},
};

TEST(EnduranceTest, AStreamOfCreditsAndTicksKeepsTheHeapFlat) {
  const fs::path folder = MakeTemporaryFolder("endurance");
  ASSERT_FALSE(folder.empty());
  const int64_t seconds = int64_t{StreamMinutes()} * 60;
  const int64_t warm_up = seconds / 8;  // the first hour of an eight-hour stream
  std::size_t heap_after_warm_up = 0;
  std::size_t resident_after_warm_up = 0;
  double lollipop = 0;
  double yellow_duck = 0;
  {
    Board board(folder);
    for (int64_t second = 1; second <= seconds; ++second) {
      const Gift& gift = kGifts[static_cast<std::size_t>(second) % std::size(kGifts)];
      board.app.Type(gift.quantity_box, "2");
      ASSERT_TRUE(board.app.Click(gift.button));
      (gift.score_box == 编辑框9 ? lollipop : yellow_duck) += 2.0 * gift.beans;
      board.front_end.Advance(1000);
      if (second == warm_up) {
        heap_after_warm_up = HeapInUse();
        resident_after_warm_up = ResidentBytes();
      }
    }
    EXPECT_EQ(ToNumber(ReadText(编辑框9, prop::kContent)), lollipop);
    EXPECT_EQ(ToNumber(ReadText(编辑框10, prop::kContent)), yellow_duck);
    EXPECT_EQ(ToNumber(ReadText(编辑框12, prop::kContent)), lollipop + yellow_duck);
    // The clock label kept up with every second of the stream.
    EXPECT_EQ(ReadText(标签22, prop::kCaption),
              TimeToText(DateTime{DateTimeFromCalendar(2016, 5, 3, 14, 5, 9).days +
                                  static_cast<double>(seconds) / 86400.0}));

    const std::size_t heap_at_end = HeapInUse();
    const std::size_t resident_at_end = ResidentBytes();
    std::printf(
        "heap in use: %zu bytes after %lld s, %zu bytes after %lld s; resident %zu -> %zu\n",
        heap_after_warm_up, static_cast<long long>(warm_up), heap_at_end,
        static_cast<long long>(seconds), resident_after_warm_up, resident_at_end);
    // Longer score texts may take a few bytes more; a leak per credit or per tick would
    // take thousands of times this.
    EXPECT_LE(heap_at_end, heap_after_warm_up + 4096);
  }
  std::error_code ignored;
  fs::remove_all(folder, ignored);
}

}  // namespace
}  // namespace faults
