#pragma once
// The replay driver's script: one command a line; blank lines and "#" lines are skipped.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct ScriptLine {
  int number = 0;                  // 1-based line number in the script
  std::string command;             // first word
  std::vector<std::string> words;  // the words after the command
  std::string rest_after_name;     // everything after "COMMAND NAME " (for type / write)
};

// Splits one line; nullopt for a blank or comment line. Words are separated by blanks;
// a word in double quotes may hold blanks.
std::optional<ScriptLine> ParseScriptLine(std::string_view line, int number);

// "\n" in a typed or written text is a line break, stored as CR LF; "\\" is a backslash.
std::string UnescapeLineBreaks(std::string_view text);
