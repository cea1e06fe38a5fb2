#pragma once
// What the window tests read back from the programs they start: a file the program wrote
// (a record, its test dump), or what a command printed (xdotool, the replay driver's dump).
#include <filesystem>
#include <string>

// The file's bytes; empty when it cannot be read.
std::string ReadAll(const std::filesystem::path& path);
// What `command`, run by the shell, printed on its standard output.
std::string Capture(const std::string& command);
