#include "services/fatal_error.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {
FatalErrorReporter g_reporter = nullptr;
}  // namespace

Text FatalErrorText(std::optional<int32_t> code, const std::optional<Text>& message) {
  Text text = Gb("运行时出错!") + "\r\n\r\n";
  if (code)
    text += Gb("错误代码：") + std::to_string(*code) + "\r\n\r\n";
  if (message)
    text += Gb("错误信息：") + *message + "\r\n";
  return text;
}

Text FatalErrorCaption() {
  return Gb("错误");
}

void InstallFatalErrorReporter(FatalErrorReporter reporter) {
  g_reporter = reporter;
}

void FatalRuntimeError(std::optional<int32_t> code, std::optional<Text> message) {
  const Text text = FatalErrorText(code, message);
  if (g_reporter != nullptr) {
    g_reporter(text);
  } else {
    const std::string shown = Utf8FromText(text);
    std::fprintf(stderr, "%s\n", shown.c_str());
  }
  std::fflush(nullptr);
  std::_Exit(-1);
}
