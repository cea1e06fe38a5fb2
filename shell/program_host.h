#pragma once
// The one host the control services reach the running program by (services/control_host.h):
// a write's redraw goes to the front end and to whoever follows the board, a content
// write raises its event, an interval write restarts its timer, and the platform's
// dialogs go to the front end. It sits above the runtime's state, the dispatcher and the
// timers, so that none of them reaches back up to it.
#include "services/control_host.h"
#include "shell/runtime.h"
#include "shell/timer_service.h"

class ProgramHost final : public ControlHost {
 public:
  explicit ProgramHost(Runtime& runtime) : runtime_(runtime) {}

  ControlModel* LoadedModel() override { return runtime_.model.get(); }
  void Changed(const Control& control, Aspect aspect) override;
  void ContentWritten(const Control& box) override;
  void IntervalWritten(const Control& timer) override;
  int32_t MessageBox(const Text& text, const Text& caption, uint32_t flags) override;
  bool LaunchProgram(const Text& command_line, int32_t show_window, bool wait) override;

  TimerService& timers() { return timers_; }
  const TimerService& timers() const { return timers_; }

 private:
  Runtime& runtime_;
  TimerService timers_;
};
