#pragma once
// The script language of the replay driver and of the journal: one command a line;
// blank lines and "#" lines are skipped. The journal writes the host's actions in it, so
// that a game can be read, audited and played again by the driver.
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

// "\n" in a typed or written text is a line break, stored as CR LF; "\\" is a backslash;
// "\xHH" (two hex digits, a control character) is that character alone.
std::string UnescapeLineBreaks(std::string_view text);
// The other way (UTF-8 in, UTF-8 out): a text as one script line says it, so that reading
// it back gives the same bytes. CR LF becomes "\n", a backslash "\\", any other control
// character "\xHH".
std::string EscapeLineBreaks(std::string_view text);
