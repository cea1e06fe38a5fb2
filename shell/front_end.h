#pragma once
// The one narrow boundary between the platform-free core and a front end: the shell
// tells the front end what changed and asks it for the few things only a platform can
// do; the front end reports what the user did through the Application (shell/application.h).
#include <chrono>
#include <cstdint>

#include "services/control_host.h"
#include "services/ids.h"
#include "services/text.h"

class ControlModel;

class FrontEnd {
 public:
  virtual ~FrontEnd() = default;

  // Builds the window from the model (controls in reverse catalogue order, group
  // members re-parented, stacking fixed) and shows the visible controls.
  virtual void CreateWindow(const ControlModel& model) = 0;
  virtual void Changed(ControlId control, Aspect aspect) = 0;

  // Wakes the program (Application::TimerTick) after period_ms and every period_ms
  // from then on, until started afresh or stopped. The core decides each period: it
  // sleeps until a tick can change what is shown.
  virtual void StartTimer(ControlId timer, int32_t period_ms) = 0;
  virtual void StopTimer(ControlId timer) = 0;
  // The clock the timers follow, in milliseconds; whole seconds fall where the
  // platform's date-time changes its second.
  virtual int64_t NowMs() const {
    using namespace std::chrono;
    return duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
  }

  // Modal for the program's window; timers keep ticking underneath. Returns the
  // platform answer (1 OK, 2 Cancel, 3 Abort, 4 Retry, 5 Ignore, 6 Yes, 7 No).
  virtual int32_t MessageBox(const Text& text, const Text& caption, uint32_t flags) = 0;
  // show_window is the platform show value (0 hide ... 6 minimise).
  virtual bool LaunchProgram(const Text& command_line, int32_t show_window, bool wait) = 0;

  // The fatal run-time error box; the core ends the process afterwards.
  virtual void ShowFatalError(const Text& text) = 0;

  // Any thread: makes the user-interface thread call Application::RunQueued soon. A
  // front end without a loop of its own (headless) does nothing: its driver runs the
  // queue when it likes. Pure, so that a front end standing in front of another cannot
  // forget to pass it on (the server's clicks would wait for nothing).
  virtual void WakeFromAnyThread() = 0;

  // Runs until the window is closed (the front end then calls Application::WindowClosed).
  virtual void RunMessageLoop() = 0;
};
