#include "shell/fatal_error.h"

#include <cstdio>
#include <cstdlib>
#include <string>

#include "shell/runtime.h"

Text FatalErrorText(std::optional<int32_t> code, const std::optional<Text>& message) {
  Text text = Gb("运行时出错!") + "\r\n\r\n";
  if (code)
    text += Gb("错误代码：") + std::to_string(*code) + "\r\n\r\n";
  if (message)
    text += Gb("错误信息：") + *message + "\r\n";
  return text;
}

Text FatalErrorCaption() { return Gb("错误"); }

void RunShutdown() {
  if (!HasRuntime())
    return;
  Runtime& runtime = TheRuntime();
  if (runtime.shut_down)
    return;
  runtime.shut_down = true;
  ++runtime.events_suspended;  // never decreased again
  // The program's exit routine is empty.
}

void FatalRuntimeError(std::optional<int32_t> code, std::optional<Text> message) {
  const Text text = FatalErrorText(code, message);
  FrontEnd* front_end = nullptr;
  if (HasRuntime()) {
    Runtime& runtime = TheRuntime();
    ++runtime.events_suspended;
    front_end = runtime.front_end;
  }
  if (front_end != nullptr) {
    front_end->ShowFatalError(text);
  } else {
    const std::string shown = Utf8FromText(text);
    std::fprintf(stderr, "%s\n", shown.c_str());
  }
  RunShutdown();
  std::fflush(nullptr);
  std::_Exit(-1);
}
