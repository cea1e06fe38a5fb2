#pragma once
// Stands between the core and the real front end. Live, it passes everything through and
// notes what the platform answered (message boxes, program launches) for the journal.
// While a journal is played again it keeps the journal's clock and answers as the
// platform did at the time, so nothing is shown or started twice.
#include <cstdint>
#include <deque>
#include <utility>
#include <vector>

#include "shell/front_end.h"

class JournalFrontEnd final : public FrontEnd {
 public:
  explicit JournalFrontEnd(FrontEnd& platform) : platform_(platform) {}

  // Playing again: the clock stands at `clock_ms` until moved on.
  void BeginReplay(int64_t clock_ms);
  void SetReplayClock(int64_t clock_ms) { replay_clock_ms_ = clock_ms; }
  // What the next boxes and launches answer; once used up, OK and started.
  void SetReplayAnswers(const std::vector<int32_t>& answers, const std::vector<bool>& launches);
  void EndReplay() { replaying_ = false; }
  bool replaying() const { return replaying_; }

  // What the platform answered since the last call (live only).
  std::vector<int32_t> TakeAnswers() { return std::exchange(answers_heard_, {}); }
  std::vector<bool> TakeLaunches() { return std::exchange(launches_heard_, {}); }
  bool heard_anything() const { return !answers_heard_.empty() || !launches_heard_.empty(); }

  void CreateWindow(const ControlModel& model) override { platform_.CreateWindow(model); }
  void Changed(ControlId control, Aspect aspect) override { platform_.Changed(control, aspect); }
  void StartTimer(ControlId timer, int32_t period_ms) override {
    platform_.StartTimer(timer, period_ms);
  }
  void StopTimer(ControlId timer) override { platform_.StopTimer(timer); }
  int64_t NowMs() const override { return replaying_ ? replay_clock_ms_ : platform_.NowMs(); }
  int32_t MessageBox(const Text& text, const Text& caption, uint32_t flags) override;
  bool LaunchProgram(const Text& command_line, int32_t show_window, bool wait) override;
  void ShowFatalError(const Text& text) override { platform_.ShowFatalError(text); }
  void WakeFromAnyThread() override { platform_.WakeFromAnyThread(); }
  void RunMessageLoop() override { platform_.RunMessageLoop(); }

 private:
  FrontEnd& platform_;
  bool replaying_ = false;
  int64_t replay_clock_ms_ = 0;
  std::deque<int32_t> replay_answers_;
  std::deque<bool> replay_launches_;
  std::vector<int32_t> answers_heard_;
  std::vector<bool> launches_heard_;
};
