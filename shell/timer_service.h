#pragma once
// The program's timers. Each ticks at its period as far as the handlers can tell, but
// the front end is woken only when a tick can change what a host sees (the rules are in
// shell/timer_wakes.h): the ticks in between run, in order, at the next wake or before
// the next thing the user does, so an idle board costs next to nothing.
#include <cstddef>
#include <cstdint>
#include <map>

#include "services/ids.h"

struct Control;
struct TimerWake;

class TimerService {
 public:
  // Ticks fall due at the start plus each whole period; periods below the platform
  // minimum are raised to it.
  void Start(const Control& timer, int32_t interval_ms);
  void Stop(ControlId timer);
  void StopAll();

  // Runs every tick due by now, in time order (ties in catalogue order), then arms the
  // front end for the next wake of each timer.
  void CatchUp();

  // Wakes at every tick, as the periods alone would: the yardstick the rules are held to.
  void WakeAtEveryTick(bool on) { every_tick_ = on; }
  // The front end woke the program for this timer: its next wake is asked for afresh.
  void Woke(ControlId timer);
  // How often the front end woke the program for a timer: what idle costs.
  int64_t wakes() const { return wakes_; }

 private:
  struct Running {
    int32_t period = 0;
    int64_t start = 0;  // milliseconds on the front end's clock
    int64_t done = 0;   // ticks run since the start
    size_t order = 0;   // catalogue position, for ties
    const TimerWake* wake = nullptr;
    int64_t armed_for = -1;  // when the front end was last asked to wake, -1 unknown
  };

  int64_t NextWake(const Running& timer) const;
  void Arm(ControlId id, Running& timer, int64_t now);

  std::map<ControlId, Running> running_;
  bool every_tick_ = false;
  int64_t wakes_ = 0;
};

// Milliseconds on the clock the timers follow.
int64_t TimerClockNow();
