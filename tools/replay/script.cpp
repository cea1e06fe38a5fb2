#include "tools/replay/script.h"

namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

// The words of a line, and where each one starts.
std::vector<std::pair<std::string, size_t>> SplitWords(std::string_view line) {
  std::vector<std::pair<std::string, size_t>> words;
  size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && IsBlank(line[i])) ++i;
    if (i >= line.size())
      break;
    const size_t start = i;
    std::string word;
    if (line[i] == '"') {
      ++i;
      while (i < line.size() && line[i] != '"') word += line[i++];
      if (i < line.size())
        ++i;  // the closing quote
    } else {
      while (i < line.size() && !IsBlank(line[i])) word += line[i++];
    }
    words.emplace_back(std::move(word), start);
  }
  return words;
}

}  // namespace

std::optional<ScriptLine> ParseScriptLine(std::string_view line, int number) {
  if (!line.empty() && line.back() == '\r')
    line.remove_suffix(1);
  size_t first = 0;
  while (first < line.size() && IsBlank(line[first])) ++first;
  if (first == line.size() || line[first] == '#')
    return std::nullopt;

  auto words = SplitWords(line);
  ScriptLine parsed;
  parsed.number = number;
  parsed.command = words.front().first;
  for (size_t i = 1; i < words.size(); ++i) parsed.words.push_back(words[i].first);
  if (words.size() >= 2) {
    // The text after the name: exactly one separating blank is dropped, the rest kept.
    size_t after = words[1].second + words[1].first.size();
    if (after < line.size() && line[words[1].second] == '"')
      after += 2;
    if (after < line.size())
      ++after;
    parsed.rest_after_name = std::string(line.substr(std::min(after, line.size())));
  }
  return parsed;
}

std::string UnescapeLineBreaks(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\\' && i + 1 < text.size() && text[i + 1] == 'n') {
      out += "\r\n";
      ++i;
    } else if (text[i] == '\\' && i + 1 < text.size() && text[i + 1] == '\\') {
      out += '\\';
      ++i;
    } else {
      out += text[i];
    }
  }
  return out;
}
