#pragma once
// The fatal run-time error: a box captioned "错误" with the error icon, then the end of
// the process with exit code -1 (255 as a POSIX exit status).
#include <cstddef>
#include <cstdint>
#include <optional>

#include "services/text.h"

[[noreturn]] void FatalRuntimeError(std::optional<int32_t> code, std::optional<Text> message);

// The text of the box: "运行时出错!", the code and the message, each with its label.
Text FatalErrorText(std::optional<int32_t> code, const std::optional<Text>& message);

// The caption of the fatal error's box; front ends show it with the error icon.
Text FatalErrorCaption();

// Runs the program's shutdown once: events are suspended for good, the exit routine runs.
void RunShutdown();

// Out of memory: "分配 N 字节内存失败!" with the requested byte count.
[[noreturn]] void FatalAllocationFailure(std::size_t bytes);
