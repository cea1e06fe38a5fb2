#include "shell/timer_service.h"

#include <algorithm>
#include <limits>

#include "services/control_model.h"
#include "services/event.h"
#include "shell/catalogue.h"
#include "shell/dispatcher.h"
#include "shell/runtime.h"
#include "shell/timer_wakes.h"

namespace {

// After a long stall (a suspended machine) the oldest ticks are dropped as the
// platform's own timers coalesce them, rather than replaying hours of ticks.
constexpr int64_t kMostTicksMadeUp = 6000;
// No wake is put further off than this, so a rule that sees nothing coming still
// looks again now and then.
constexpr int64_t kLongestSleep = 3'600'000;

int64_t FloorDiv(int64_t a, int64_t b) {
  return a / b - ((a % b != 0) && ((a < 0) != (b < 0)) ? 1 : 0);
}

int64_t CeilDiv(int64_t a, int64_t b) {
  return -FloorDiv(-a, b);
}

const TimerWake* WakeOf(ControlId timer) {
  for (const TimerWake& wake : MainTimerWakes()) {
    if (wake.timer == timer)
      return &wake;
  }
  return nullptr;
}

// Ticks from the next one until a counted bar looks different: its drawn position (the
// stored one limited to its range) moves, or the count reaches the point where the
// handler does something else. 0 when nothing will ever change.
int64_t TicksUntilBarChanges(const Control& bar, int32_t stop_count) {
  const int64_t p = bar.position;
  const int64_t low = bar.minimum;
  const int64_t high = std::max(bar.minimum, bar.maximum);
  int64_t best = 0;
  if (p <= stop_count)
    best = stop_count - p + 1;
  // Tick j moves the position from p + j - 1 to p + j; the drawing moves when
  // low < p + j <= high.
  const int64_t first_drawn = std::max<int64_t>(1, low - p + 1);
  if (p + first_drawn <= high && (best == 0 || first_drawn < best))
    best = first_drawn;
  return best;
}

}  // namespace

int64_t TimerClockNow() {
  return TheRuntime().front_end->NowMs();
}

void TimerService::Start(const Control& timer, int32_t interval_ms) {
  Running& r = running_[timer.id];
  r = Running{};
  r.period = std::max(interval_ms, kMinimumTimerPeriod);
  r.start = TimerClockNow();
  r.wake = WakeOf(timer.id);
  if (const ControlModel* model = TheRuntime().model.get()) {
    const auto& controls = model->controls();
    for (size_t i = 0; i < controls.size(); ++i) {
      if (controls[i].id == timer.id)
        r.order = i;
    }
  }
  Arm(timer.id, r, r.start);
}

void TimerService::Stop(ControlId timer) {
  if (running_.erase(timer) != 0)
    TheRuntime().front_end->StopTimer(timer);
}

void TimerService::Woke(ControlId timer) {
  ++wakes_;
  if (auto found = running_.find(timer); found != running_.end())
    found->second.armed_for = -1;
}

void TimerService::StopAll() {
  while (!running_.empty()) Stop(running_.begin()->first);
}

int64_t TimerService::NextWake(const Running& r) const {
  int64_t k = r.done + 1;
  const WakeRule rule = every_tick_ || r.wake == nullptr ? WakeRule::EveryTick : r.wake->rule;
  if (rule == WakeRule::WholeSecond && r.done > 0) {
    // The first tick after the second of the last one has passed.
    const int64_t last = r.start + r.done * r.period;
    const int64_t next_second = (FloorDiv(last, 1000) + 1) * 1000;
    k = std::max(k, CeilDiv(next_second - r.start, r.period));
  } else if (rule == WakeRule::CountingBar) {
    const ControlModel* model = TheRuntime().model.get();
    const Control* bar = model != nullptr ? model->Find(r.wake->bar) : nullptr;
    if (bar != nullptr) {
      const int64_t ticks = TicksUntilBarChanges(*bar, r.wake->stop_count);
      k = r.done + (ticks > 0 ? ticks : kLongestSleep / r.period);
    }
  }
  return r.start + k * r.period;
}

void TimerService::Arm(ControlId id, Running& r, int64_t now) {
  const int64_t due = NextWake(r);
  if (due == r.armed_for)
    return;
  r.armed_for = due;
  const int64_t delay = std::clamp<int64_t>(due - now, 1, kLongestSleep);
  TheRuntime().front_end->StartTimer(id, static_cast<int32_t>(delay));
}

void TimerService::CatchUp() {
  Runtime& runtime = TheRuntime();
  const int64_t now = TimerClockNow();
  for (;;) {
    if (runtime.model == nullptr || runtime.shut_down)
      return;
    // The earliest tick due, ties in catalogue order.
    ControlId due_id = 0;
    int64_t due_at = std::numeric_limits<int64_t>::max();
    size_t due_order = 0;
    for (auto& [id, r] : running_) {
      const int64_t last_done = r.start + r.done * r.period;
      if (now < last_done)
        r.start -= last_done - now;  // the clock went back: keep the phase from here
      const int64_t next = r.start + (r.done + 1) * r.period;
      if (next <= now && (next < due_at || (next == due_at && r.order < due_order))) {
        due_id = id;
        due_at = next;
        due_order = r.order;
      }
    }
    if (due_id == 0)
      break;
    Running& r = running_[due_id];
    const int64_t due_by_now = FloorDiv(now - r.start, r.period);
    const bool by_time_alone =
        !every_tick_ && r.wake != nullptr && r.wake->rule == WakeRule::WholeSecond;
    if (by_time_alone)
      r.done = due_by_now;  // one run now shows what every tick since would have
    else
      r.done = std::max(r.done + 1, due_by_now - kMostTicksMadeUp + 1);
    r.armed_for = -1;
    RaiseEvent(kMainWindow, due_id, event::kTick);
  }
  for (auto& [id, r] : running_) Arm(id, r, now);
}
