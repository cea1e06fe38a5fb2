#include "shell/shutdown.h"

#include <cstdio>
#include <string>

#include "shell/runtime.h"

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

void ShowFatalErrorAndShutDown(const Text& text) {
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
}
