#pragma once
// How the program ends: the shutdown that runs once, and the way a fatal error is shown
// before the process ends.
#include <cstddef>

#include "services/text.h"

// Runs the program's shutdown once: events are suspended for good, the exit routine runs.
void RunShutdown();

// The fatal error's reporter: events stop, the front end shows the box (standard error
// when there is none), the shutdown runs. The process ends afterwards.
void ShowFatalErrorAndShutDown(const Text& text);

// Out of memory: "分配 N 字节内存失败!" with the requested byte count.
[[noreturn]] void FatalAllocationFailure(std::size_t bytes);
