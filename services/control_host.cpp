#include "services/control_host.h"

#include "services/fatal_error.h"

namespace {
ControlHost* g_host = nullptr;
}  // namespace

ControlHost& TheControlHost() {
  if (g_host == nullptr)
    FatalRuntimeError(std::nullopt, Gb("未载入欲访问窗口组件所在的窗口"));
  return *g_host;
}

void InstallControlHost(ControlHost* host) {
  g_host = host;
}
