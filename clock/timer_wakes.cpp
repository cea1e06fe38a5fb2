// How far the clock and the start-up progress may sleep between visible changes.
#include "shell/timer_wakes.h"

#include <array>

#include "shell/control_ids.h"

namespace {

// The clock label shows the time to the second; the progress count ends at 100.
constexpr std::array kWakes{
    TimerWake{时钟1, WakeRule::WholeSecond},
    TimerWake{时钟2, WakeRule::CountingBar, 进度条1, 100},
};

}  // namespace

std::span<const TimerWake> TimerWakes() {
  return kWakes;
}
