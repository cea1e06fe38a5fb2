#include "journal/script.h"

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

namespace {

int HexDigit(char c) {
  if (c >= '0' && c <= '9')
    return c - '0';
  if (c >= 'a' && c <= 'f')
    return c - 'a' + 10;
  if (c >= 'A' && c <= 'F')
    return c - 'A' + 10;
  return -1;
}

bool IsControl(unsigned char c) {
  return c < 0x20 || c == 0x7F;
}

}  // namespace

std::string UnescapeLineBreaks(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\\' && i + 3 < text.size() && text[i + 1] == 'x' &&
        HexDigit(text[i + 2]) >= 0 && HexDigit(text[i + 3]) >= 0 &&
        IsControl(static_cast<unsigned char>(HexDigit(text[i + 2]) * 16 + HexDigit(text[i + 3])))) {
      out += static_cast<char>(HexDigit(text[i + 2]) * 16 + HexDigit(text[i + 3]));
      i += 3;
    } else if (text[i] == '\\' && i + 1 < text.size() && text[i + 1] == 'n') {
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

std::string EscapeLineBreaks(std::string_view text) {
  static constexpr char kHex[] = "0123456789abcdef";
  std::string out;
  out.reserve(text.size() + 8);
  for (size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
      out += "\\n";
      ++i;
    } else if (c == '\\') {
      out += "\\\\";
    } else if (IsControl(c)) {
      out += "\\x";
      out += kHex[c >> 4];
      out += kHex[c & 0xF];
    } else {
      out += static_cast<char>(c);
    }
  }
  return out;
}
