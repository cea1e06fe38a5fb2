// How far the clock and the start-up progress may sleep between visible changes.
#include "shell/timer_wakes.h"

#include <array>

#include "scoreboard/game.h"

namespace {

// The clock label shows the time to the second; the progress count ends at its last count.
constexpr std::array kWakes{
    TimerWake{kClock, WakeRule::WholeSecond},
    TimerWake{kProgressTimer, WakeRule::CountingBar, kProgressBar, kProgressLastCount},
};

}  // namespace

std::span<const TimerWake> TimerWakes() {
  return kWakes;
}
