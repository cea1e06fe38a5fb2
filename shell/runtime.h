#pragma once
// Process-wide state of the running program: the window's controls, the front end
// that shows them, the dispatcher's state and who follows the board. One user-interface
// thread uses it. It calls nothing above it: the dispatcher and the timers read it, and
// the program's host (shell/program_host.h) acts on it for the control services.
#include <functional>
#include <memory>
#include <vector>

#include "services/control_model.h"
#include "shell/change_watcher.h"
#include "shell/front_end.h"

struct Runtime {
  std::unique_ptr<ControlModel> model;  // null until the window is loaded / after it is gone
  FrontEnd* front_end = nullptr;
  int32_t events_suspended = 0;
  WindowId source_window = 0;
  ControlId source_control = 0;
  bool message_loop_started = false;
  bool shut_down = false;
  // Who follows the board from outside, if anyone; told once per top-level event.
  ChangeWatcher* watcher = nullptr;
  std::vector<bool> watched;  // by the control's place in the model, asked once
  int32_t event_depth = 0;
  bool watched_change_pending = false;
  // Told when a message box opens (true) and when it closed (false).
  std::function<void(bool opening)> message_box_watch;

  // Installs the watcher (nullptr: none) and asks it once which controls it watches.
  void InstallWatcher(ChangeWatcher* new_watcher);
  // A control changed; the front end is told separately (the user's own edit already
  // shows in its widget).
  void Noticed(const Control& control) {
    // Checked at every write of every click: once something watched changed, the rest
    // of the event cannot add to that.
    if (watcher == nullptr || watched_change_pending || model == nullptr)
      return;
    const auto place = static_cast<std::size_t>(&control - model->controls().data());
    if (place < watched.size() && watched[place])
      watched_change_pending = true;
  }
  // Tells the watcher of what changed since it last heard.
  void Settle();
};

// Marks one event that comes from outside the board (the user, a timer, the driver):
// when the outermost one ends, the watcher hears of what it changed, once.
class TopLevelEvent {
 public:
  explicit TopLevelEvent(Runtime& runtime) : runtime_(runtime) { ++runtime_.event_depth; }
  ~TopLevelEvent() {
    if (--runtime_.event_depth == 0)
      runtime_.Settle();
  }
  TopLevelEvent(const TopLevelEvent&) = delete;
  TopLevelEvent& operator=(const TopLevelEvent&) = delete;

 private:
  Runtime& runtime_;
};

// The running program's state; there is exactly one while an Application lives.
Runtime& TheRuntime();
bool HasRuntime();
// nullptr uninstalls.
void InstallRuntime(Runtime* runtime);
