#pragma once
// Process-wide state of the running program: the window's controls, the front end
// that shows them, and the dispatcher's state. One user-interface thread uses it.
#include <memory>

#include "platform/front_end.h"
#include "services/control_model.h"
#include "shell/timer_service.h"

struct Runtime {
  std::unique_ptr<ControlModel> model;  // null until the window is loaded / after it is gone
  FrontEnd* front_end = nullptr;
  int32_t events_suspended = 0;
  WindowId source_window = 0;
  ControlId source_control = 0;
  bool message_loop_started = false;
  bool shut_down = false;
  TimerService timers;
};

// The running program's state; there is exactly one while an Application lives.
Runtime& TheRuntime();
bool HasRuntime();
void InstallRuntime(Runtime* runtime);  // nullptr uninstalls
