#pragma once
// Process-wide state of the running program: the window's controls, the front end
// that shows them, and the dispatcher's state. One user-interface thread uses it. It is
// also the host the control services reach the window, the dispatcher and the timers by.
#include <memory>

#include "services/control_host.h"
#include "services/control_model.h"
#include "shell/front_end.h"
#include "shell/timer_service.h"

struct Runtime final : ControlHost {
  std::unique_ptr<ControlModel> model;  // null until the window is loaded / after it is gone
  FrontEnd* front_end = nullptr;
  int32_t events_suspended = 0;
  WindowId source_window = 0;
  ControlId source_control = 0;
  bool message_loop_started = false;
  bool shut_down = false;
  TimerService timers;

  ControlModel* LoadedModel() override { return model.get(); }
  void Changed(const Control& control, Aspect aspect) override;
  void ContentWritten(const Control& box) override;
  void IntervalWritten(const Control& timer) override;
  int32_t MessageBox(const Text& text, const Text& caption, uint32_t flags) override;
  bool LaunchProgram(const Text& command_line, int32_t show_window, bool wait) override;
};

// The running program's state; there is exactly one while an Application lives.
Runtime& TheRuntime();
bool HasRuntime();
// Also installs it as the control services' host; nullptr uninstalls.
void InstallRuntime(Runtime* runtime);
