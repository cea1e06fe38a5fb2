#pragma once
// The lines of a settings file as a host writes it in any editor (the options file, a
// hotkey file): UTF-8, perhaps with a byte-order mark, CR LF or LF, blanks around a line,
// empty lines and lines starting with '#' left out. Read once here for every such file.
#include <functional>
#include <string_view>

// Spaces and tabs at both ends cut off.
std::string_view Trimmed(std::string_view text);

// Calls `take` with each line that holds a setting, trimmed, and its number from 1.
void ForEachSettingLine(std::string_view content,
                        const std::function<void(std::string_view line, int number)>& take);
