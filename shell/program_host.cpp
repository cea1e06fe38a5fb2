#include "shell/program_host.h"

#include "shell/dispatcher.h"

void ProgramHost::Changed(const Control& control, Aspect aspect) {
  runtime_.Noticed(control);
  if (runtime_.front_end != nullptr)
    runtime_.front_end->Changed(control.id, aspect);
}

void ProgramHost::ContentWritten(const Control& box) {
  RaiseEvent(kMainWindow, box.id, event::kContentChanged);
}

void ProgramHost::IntervalWritten(const Control& timer) {
  timers_.Stop(timer.id);
  if (timer.timer_running && runtime_.front_end != nullptr)
    timers_.Start(timer, timer.interval);
}

int32_t ProgramHost::MessageBox(const Text& text, const Text& caption, uint32_t flags) {
  if (runtime_.front_end == nullptr)
    return 1;
  // What the click did before its message shows is shown outside too; while the box
  // waits for the host, the timers' ticks underneath count as events of their own.
  runtime_.Settle();
  const int32_t depth = runtime_.event_depth;
  runtime_.event_depth = 0;
  if (runtime_.message_box_watch)
    runtime_.message_box_watch(true);
  const int32_t answer = runtime_.front_end->MessageBox(text, caption, flags);
  if (runtime_.message_box_watch)
    runtime_.message_box_watch(false);
  runtime_.event_depth = depth;
  return answer;
}

bool ProgramHost::LaunchProgram(const Text& command_line, int32_t show_window, bool wait) {
  return runtime_.front_end != nullptr &&
         runtime_.front_end->LaunchProgram(command_line, show_window, wait);
}
