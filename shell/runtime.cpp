#include "shell/runtime.h"

#include "shell/fatal_error.h"

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
}
