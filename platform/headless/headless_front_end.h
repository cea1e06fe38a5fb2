#pragma once
// A front end without a screen: it keeps a virtual clock for the timers, answers
// message boxes with OK and reports everything the program shows as UTF-8 lines.
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "services/convert.h"
#include "shell/front_end.h"

class Application;

class HeadlessFrontEnd : public FrontEnd {
 public:
  using Output = std::function<void(const std::string& utf8_line)>;

  // The virtual clock starts at `start` (local time) and only moves in Advance().
  explicit HeadlessFrontEnd(DateTime start, Output output = nullptr);
  ~HeadlessFrontEnd() override;

  void Attach(Application& application) { application_ = &application; }

  // Lets virtual time pass: the program wakes at each time its timers asked for, in time
  // order, ties in catalogue order; at the end every tick due by then has run.
  void Advance(int64_t milliseconds);
  int64_t now_ms() const { return now_ms_; }
  // Moves the clock on to `ms` without waking anyone (a resumed game goes on from the
  // time of its last action); the timers that fell due meanwhile wake at the next Advance.
  void ContinueAt(int64_t ms);
  // Off: Advance leaves the ticks that changed nothing on screen for later, as a window
  // that is only looked at does.
  bool catch_up_after_advance = true;

  // What LaunchProgram answers (a headless run starts nothing).
  bool launch_result = true;
  int32_t message_box_answer = 1;  // IDOK

  // Counters for tests.
  int message_boxes = 0;
  int launches = 0;
  std::vector<std::pair<ControlId, Aspect>> changes;
  bool record_changes = false;

  void CreateWindow(const ControlModel& model) override;
  void Changed(ControlId control, Aspect aspect) override;
  void StartTimer(ControlId timer, int32_t period_ms) override;
  void StopTimer(ControlId timer) override;
  int64_t NowMs() const override { return now_ms_; }
  int32_t MessageBox(const Text& text, const Text& caption, uint32_t flags) override;
  bool LaunchProgram(const Text& command_line, int32_t show_window, bool wait) override;
  void ShowFatalError(const Text& text) override;
  // No loop of its own: the driver or the test runs the queue between its steps.
  void WakeFromAnyThread() override {}
  void RunMessageLoop() override {}

 private:
  struct RunningTimer {
    int32_t period = 0;
    int64_t next_due = 0;
    size_t order = 0;  // catalogue order breaks ties
  };

  void Emit(const std::string& line);

  Application* application_ = nullptr;
  const ControlModel* model_ = nullptr;
  DateTime start_;
  int64_t now_ms_ = 0;
  std::map<ControlId, RunningTimer> timers_;
  Output output_;
};

// Texts as the driver prints them: UTF-8, each line break shown as "\n".
std::string PrintableText(const Text& text);
