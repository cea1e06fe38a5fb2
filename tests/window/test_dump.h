#pragma once
// The program's test dump: SIGUSR1 asks the window to write its board, NAME.KEY=VALUE a
// line, to the file SCOREBOARD_TEST_DUMP names. It is written aside and renamed into
// place, so once the file is there it is whole.
#include <sys/types.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

// Removes `file`, signals `app` and waits up to `limit` for the file; its lines as
// (key, value) pairs in the order written, empty when none came.
std::vector<std::pair<std::string, std::string>> AskTestDump(
    pid_t app, const std::filesystem::path& file,
    std::chrono::milliseconds limit = std::chrono::seconds(2));
