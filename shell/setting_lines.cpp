#include "shell/setting_lines.h"

namespace {

constexpr std::string_view kBlanks = " \t";

}  // namespace

std::string_view Trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos)
    return {};
  const std::size_t last = text.find_last_not_of(kBlanks);
  return text.substr(first, last - first + 1);
}

void ForEachSettingLine(std::string_view content,
                        const std::function<void(std::string_view line, int number)>& take) {
  constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
  if (content.substr(0, kByteOrderMark.size()) == kByteOrderMark)
    content.remove_prefix(kByteOrderMark.size());
  int number = 0;
  while (!content.empty()) {
    const std::size_t end = content.find('\n');
    std::string_view line = content.substr(0, end);
    content.remove_prefix(end == std::string_view::npos ? content.size() : end + 1);
    ++number;
    if (!line.empty() && line.back() == '\r')
      line.remove_suffix(1);
    line = Trimmed(line);
    if (line.empty() || line.front() == '#')
      continue;
    take(line, number);
  }
}
