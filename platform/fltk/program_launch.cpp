#include "platform/fltk/program_launch.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cctype>

namespace {

std::string Lower(std::string_view text) {
  std::string lower(text);
  for (char& ch : lower) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
  return lower;
}

bool IsExecutableFile(const std::string& path) {
  struct stat info {};
  return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && access(path.c_str(), X_OK) == 0;
}

}  // namespace

bool IsWindowsCalculator(std::string_view command_line) {
  std::string lower = Lower(command_line);
  while (!lower.empty() && (lower.back() == ' ' || lower.back() == '"')) lower.pop_back();
  while (!lower.empty() && (lower.front() == ' ' || lower.front() == '"'))
    lower.erase(lower.begin());
  return lower == "calc.exe" || lower == "calc" ||
         (lower.size() > 9 && lower.ends_with("\\calc.exe"));
}

std::vector<std::string> SplitCommandLine(std::string_view command_line) {
  std::vector<std::string> words;
  std::string word;
  bool in_word = false, quoted = false;
  for (char ch : command_line) {
    if (ch == '"') {
      quoted = !quoted;
      in_word = true;
    } else if ((ch == ' ' || ch == '\t') && !quoted) {
      if (in_word)
        words.push_back(word);
      word.clear();
      in_word = false;
    } else {
      word += ch;
      in_word = true;
    }
  }
  if (in_word)
    words.push_back(word);
  return words;
}

std::string FindOnPath(std::string_view program, std::string_view path_value) {
  if (program.empty())
    return {};
  if (program.find('/') != std::string_view::npos) {
    const std::string path(program);
    return IsExecutableFile(path) ? path : std::string();
  }
  size_t start = 0;
  while (start <= path_value.size()) {
    size_t end = path_value.find(':', start);
    if (end == std::string_view::npos)
      end = path_value.size();
    // An empty PATH entry is the current directory. The entry is picked as a view
    // rather than assigned into a string: g++ 12 reports a false -Wrestrict on
    // assigning a literal to a string that may be empty (GCC bug 105329).
    const std::string_view entry = end > start ? path_value.substr(start, end - start) : ".";
    const std::string candidate = std::string(entry) + "/" + std::string(program);
    if (IsExecutableFile(candidate))
      return candidate;
    start = end + 1;
  }
  return {};
}

std::vector<std::string> ProgramArguments(std::string_view command_line,
                                          std::string_view path_value) {
  if (IsWindowsCalculator(command_line)) {
    for (const char* calculator : kCalculators) {
      std::string found = FindOnPath(calculator, path_value);
      if (!found.empty())
        return {found};
    }
    return {};
  }
  std::vector<std::string> words = SplitCommandLine(command_line);
  if (words.empty())
    return {};
  std::string found = FindOnPath(words[0], path_value);
  if (found.empty())
    return {};
  words[0] = found;
  return words;
}
