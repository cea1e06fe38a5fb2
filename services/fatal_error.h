#pragma once
// The fatal run-time error: a box captioned "错误" with the error icon, then the end of
// the process with exit code -1 (255 as a POSIX exit status). How the box is shown and
// what runs before the end is the program's: it installs a reporter at start-up.
#include <cstdint>
#include <optional>

#include "services/text.h"

[[noreturn]] void FatalRuntimeError(std::optional<int32_t> code, std::optional<Text> message);

// The text of the box: "运行时出错!", the code and the message, each with its label.
Text FatalErrorText(std::optional<int32_t> code, const std::optional<Text>& message);

// The caption of the fatal error's box; front ends show it with the error icon.
Text FatalErrorCaption();

// Shows the error's text and winds the program down; the process ends when it returns.
// Without a reporter the text goes to standard error.
using FatalErrorReporter = void (*)(const Text& text);
void InstallFatalErrorReporter(FatalErrorReporter reporter);  // nullptr uninstalls
