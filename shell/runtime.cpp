#include "shell/runtime.h"

#include "services/fatal_error.h"
#include "shell/dispatcher.h"

namespace {
Runtime* g_runtime = nullptr;
}  // namespace

Runtime& TheRuntime() {
  if (g_runtime == nullptr)
    FatalRuntimeError(std::nullopt, Gb("未载入欲访问窗口组件所在的窗口"));
  return *g_runtime;
}

bool HasRuntime() {
  return g_runtime != nullptr;
}

void InstallRuntime(Runtime* runtime) {
  g_runtime = runtime;
  InstallControlHost(runtime);
}

void Runtime::InstallWatcher(ChangeWatcher* new_watcher) {
  watcher = new_watcher;
  watched_change_pending = false;
  watched.clear();
  if (watcher == nullptr || model == nullptr)
    return;
  for (const Control& c : model->controls()) watched.push_back(watcher->Watches(c.id));
}

void Runtime::Settle() {
  if (!watched_change_pending || watcher == nullptr || model == nullptr)
    return;
  watched_change_pending = false;
  watcher->Settled(*model);
}

void Runtime::Changed(const Control& control, Aspect aspect) {
  Noticed(control);
  if (front_end != nullptr)
    front_end->Changed(control.id, aspect);
}

void Runtime::ContentWritten(const Control& box) {
  RaiseEvent(kMainWindow, box.id, event::kContentChanged);
}

void Runtime::IntervalWritten(const Control& timer) {
  timers.Stop(timer.id);
  if (timer.timer_running && front_end != nullptr)
    timers.Start(timer, timer.interval);
}

int32_t Runtime::MessageBox(const Text& text, const Text& caption, uint32_t flags) {
  if (front_end == nullptr)
    return 1;
  // What the click did before its message shows is shown outside too; while the box
  // waits for the host, the timers' ticks underneath count as events of their own.
  Settle();
  const int32_t depth = event_depth;
  event_depth = 0;
  if (message_box_watch)
    message_box_watch(true);
  const int32_t answer = front_end->MessageBox(text, caption, flags);
  if (message_box_watch)
    message_box_watch(false);
  event_depth = depth;
  return answer;
}

bool Runtime::LaunchProgram(const Text& command_line, int32_t show_window, bool wait) {
  return front_end != nullptr && front_end->LaunchProgram(command_line, show_window, wait);
}
