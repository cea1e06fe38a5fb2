#pragma once
// Starting other programs from the window: the calculator the board asks for by its
// Windows path becomes the desktop's own calculator.
#include <string>
#include <string_view>
#include <vector>

// The Linux calculators tried in this order; the first one on PATH is started.
inline constexpr const char* kCalculators[] = {"gnome-calculator", "kcalc",         "galculator",
                                               "mate-calc",        "qalculate-gtk", "xcalc"};

// True for the Windows calculator's command line, whatever the letter case.
bool IsWindowsCalculator(std::string_view command_line);
// The words of a command line, split on blanks; "..." keeps blanks inside a word.
std::vector<std::string> SplitCommandLine(std::string_view command_line);
// The full path of a program name found on the given PATH value; empty when none.
std::string FindOnPath(std::string_view program, std::string_view path_value);
// What to start for a command line: the calculator mapping or the words as given.
// Empty when there is nothing to start.
std::vector<std::string> ProgramArguments(std::string_view command_line,
                                          std::string_view path_value);
