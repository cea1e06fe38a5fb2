#pragma once
// What a timer's tick handler can change on screen, so that the program wakes only
// when a host could see a difference. The ticks in between are not lost: they run, in
// order, at the next wake or before the next thing the user does, so the board never
// differs from one that woke at every tick.
#include <cstdint>
#include <span>

#include "services/ids.h"

enum class WakeRule : uint8_t {
  EveryTick,    // anything may change at any tick
  WholeSecond,  // the result depends only on the time in whole seconds
  CountingBar,  // each tick counts a progress bar one on, until a stop count
};

struct TimerWake {
  ControlId timer = 0;
  WakeRule rule = WakeRule::EveryTick;
  ControlId bar = 0;       // CountingBar: the bar that is counted
  int32_t stop_count = 0;  // CountingBar: at this position the next tick does more
};

// Kept beside the tick handlers they describe (the catalogue installs them with itself,
// shell/catalogue.h); a timer not listed wakes at every tick.
std::span<const TimerWake> TimerWakes();
