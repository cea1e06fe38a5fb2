#include "shell/dispatcher.h"

#include "services/fatal_error.h"
#include "shell/runtime.h"

namespace {

HandlerResult CallBound(std::span<const Binding> bindings, int32_t event, const EventArgs& args,
                        WindowId window, ControlId control) {
  for (const Binding& binding : bindings) {
    if (binding.event != event || (binding.action == nullptr && binding.handler == nullptr))
      continue;
    Runtime& runtime = TheRuntime();
    runtime.source_window = window;
    runtime.source_control = control;
    if (binding.handler != nullptr)
      return binding.handler(args);
    binding.action();
    return std::nullopt;  // an action answers nothing
  }
  return std::nullopt;  // unbound: not handled
}

EventArgs MakeArgs(std::initializer_list<int32_t> arguments) {
  EventArgs args;
  for (int32_t value : arguments) {
    if (args.count == static_cast<int32_t>(args.values.size()))
      break;
    args.values[static_cast<size_t>(args.count++)] = value;
  }
  return args;
}

bool KindRaisesEvents(Kind kind) {
  return kind != Kind::CommonDlg;
}

}  // namespace

HandlerResult RaiseEvent(WindowId window, ControlId control, int32_t event,
                         std::initializer_list<int32_t> arguments) {
  Runtime& runtime = TheRuntime();
  if (runtime.events_suspended > 0)
    return std::nullopt;
  if (window != kMainWindow || runtime.model == nullptr)
    FatalRuntimeError(std::nullopt, Gb("未找到引发事件的窗口"));
  const Control* target = runtime.model->Find(control);
  if (target == nullptr)
    FatalRuntimeError(std::nullopt, Gb("未找到引发事件的窗口组件"));
  if (!KindRaisesEvents(target->kind))
    FatalRuntimeError(std::nullopt, Gb("引发事件的窗口组件无效"));
  return CallBound(target->entry->bindings, event, MakeArgs(arguments), window, control);
}

HandlerResult RaiseWindowEvent(int32_t event) {
  Runtime& runtime = TheRuntime();
  if (runtime.events_suspended > 0)
    return std::nullopt;
  if (runtime.model == nullptr)
    FatalRuntimeError(std::nullopt, Gb("未找到引发事件的窗口"));
  return CallBound(runtime.model->window().bindings, event, EventArgs{}, kMainWindow, 0);
}

SuspendEvents::SuspendEvents() {
  ++TheRuntime().events_suspended;
}
SuspendEvents::~SuspendEvents() {
  --TheRuntime().events_suspended;
}
