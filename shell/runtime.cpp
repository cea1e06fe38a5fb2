#include "shell/runtime.h"

#include "services/fatal_error.h"

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
