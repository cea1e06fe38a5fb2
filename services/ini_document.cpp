#include "services/ini_document.h"

#include <cstddef>
#include <vector>

namespace {

constexpr std::string_view kLineEnd = "\r\n";

struct Line {
  std::string_view body;  // without its line end
  std::string_view end;   // "\r\n", "\n" or empty for a last line without one
};

// Lines break at LF only; a CR before it belongs to the line end, a CR elsewhere is
// just a byte of the line and is kept.
std::vector<Line> SplitLines(std::string_view content) {
  std::vector<Line> lines;
  std::size_t start = 0;
  while (start < content.size()) {
    const std::size_t newline = content.find('\n', start);
    if (newline == std::string_view::npos) {
      lines.push_back({content.substr(start), {}});
      break;
    }
    std::size_t body_end = newline;
    if (body_end > start && content[body_end - 1] == '\r') {
      --body_end;
    }
    lines.push_back({content.substr(start, body_end - start),
                     content.substr(body_end, newline + 1 - body_end)});
    start = newline + 1;
  }
  return lines;
}

std::string_view TrimBlanks(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos)
    return {};
  const std::size_t last = text.find_last_not_of(" \t");
  return text.substr(first, last + 1 - first);
}

char FoldAscii(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameName(std::string_view a, std::string_view b) {
  a = TrimBlanks(a);
  b = TrimBlanks(b);
  if (a.size() != b.size()) {
    return false;
  }
  std::size_t pos = 0;
  while (pos < a.size()) {
    const std::size_t length = GbCharLength(a, pos);
    if (length != GbCharLength(b, pos)) {
      return false;
    }
    if (length == 1) {
      if (FoldAscii(a[pos]) != FoldAscii(b[pos])) {
        return false;
      }
    } else if (a.substr(pos, length) != b.substr(pos, length)) {
      return false;
    }
    pos += length;
  }
  return true;
}

// The name of a section header line ("[name]" with blanks allowed around both), or
// std::nullopt for any other line.
std::optional<std::string_view> SectionName(std::string_view body) {
  body = TrimBlanks(body);
  if (body.empty() || body.front() != '[') {
    return std::nullopt;
  }
  for (std::size_t pos = 1; pos < body.size(); pos += GbCharLength(body, pos)) {
    if (body[pos] == ']') {
      return body.substr(1, pos - 1);
    }
  }
  return std::nullopt;
}

// The key of an item line ("key=value"); comments (";") and lines without "=" hold none.
// "=" is never a byte of a multi-byte GB18030 character, so a plain search is exact.
std::optional<std::string_view> KeyName(std::string_view body) {
  const std::string_view trimmed = TrimBlanks(body);
  if (trimmed.empty() || trimmed.front() == ';') {
    return std::nullopt;
  }
  const std::size_t equals = body.find('=');
  if (equals == std::string_view::npos) {
    return std::nullopt;
  }
  return body.substr(0, equals);
}

bool IsBlank(std::string_view body) {
  return TrimBlanks(body).empty();
}

// Each line's section: index of its header line, or -1 before the first header.
struct Layout {
  std::vector<Line> lines;
  std::vector<std::ptrdiff_t> section_of;
  std::vector<bool> is_header;
};

Layout Analyse(std::string_view content) {
  Layout layout;
  layout.lines = SplitLines(content);
  std::ptrdiff_t current = -1;
  for (std::size_t i = 0; i < layout.lines.size(); ++i) {
    const bool header = SectionName(layout.lines[i].body).has_value();
    if (header) {
      current = static_cast<std::ptrdiff_t>(i);
    }
    layout.is_header.push_back(header);
    layout.section_of.push_back(current);
  }
  return layout;
}

bool InSection(const Layout& layout, std::size_t line, std::string_view section) {
  const std::ptrdiff_t header = layout.section_of[line];
  if (header < 0) {
    return false;
  }
  return SameName(*SectionName(layout.lines[static_cast<std::size_t>(header)].body), section);
}

bool IsItemOf(const Layout& layout, std::size_t line, std::string_view section,
              std::string_view key) {
  if (layout.is_header[line] || !InSection(layout, line, section)) {
    return false;
  }
  const std::optional<std::string_view> name = KeyName(layout.lines[line].body);
  return name && SameName(*name, key);
}

std::string Join(const std::vector<Line>& lines, const std::vector<bool>& keep) {
  std::string out;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (!keep[i]) {
      continue;
    }
    out.append(lines[i].body);
    out.append(lines[i].end);
  }
  return out;
}

std::optional<std::string> RemoveLines(const Layout& layout, std::string_view section,
                                       std::optional<std::string_view> key) {
  std::vector<bool> keep(layout.lines.size(), true);
  bool removed = false;
  for (std::size_t i = 0; i < layout.lines.size(); ++i) {
    const bool goes = key ? IsItemOf(layout, i, section, *key) : InSection(layout, i, section);
    if (goes) {
      keep[i] = false;
      removed = true;
    }
  }
  if (!removed) {
    return std::nullopt;
  }
  return Join(layout.lines, keep);
}

std::string SetItem(std::string_view content, const Layout& layout, std::string_view section,
                    std::string_view key, std::string_view item_line) {
  const std::vector<Line>& lines = layout.lines;
  std::ptrdiff_t header = -1;
  for (std::size_t i = 0; i < lines.size() && header < 0; ++i) {
    if (layout.is_header[i] && InSection(layout, i, section)) {
      header = static_cast<std::ptrdiff_t>(i);
    }
  }
  if (header < 0) {
    std::string out(content);
    if (!out.empty() && out.back() != '\n') {
      out.append(kLineEnd);
    }
    out.append("[").append(section).append("]").append(kLineEnd);
    out.append(item_line).append(kLineEnd);
    return out;
  }

  // The item goes in place of the key's first line, or after the last non-empty line of
  // the section (blank lines before the next section stay where they are).
  std::size_t target = static_cast<std::size_t>(header);
  bool replace = false;
  for (std::size_t i = target + 1; i < lines.size() && layout.section_of[i] == header; ++i) {
    if (IsItemOf(layout, i, section, key)) {
      target = i;
      replace = true;
      break;
    }
    if (!IsBlank(lines[i].body)) {
      target = i;
    }
  }

  std::string out;
  out.reserve(content.size() + item_line.size() + 2 * kLineEnd.size());
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i == target && replace) {
      out.append(item_line).append(kLineEnd);
      continue;
    }
    out.append(lines[i].body);
    if (i == target) {
      out.append(lines[i].end.empty() ? kLineEnd : lines[i].end);
      out.append(item_line).append(kLineEnd);
    } else {
      out.append(lines[i].end);
    }
  }
  return out;
}

}  // namespace

std::size_t GbCharLength(std::string_view text, std::size_t pos) {
  const auto byte = [&](std::size_t at) { return static_cast<unsigned char>(text[at]); };
  if (byte(pos) < 0x81 || byte(pos) == 0xFF || pos + 1 >= text.size()) {
    return 1;
  }
  if (pos + 3 < text.size() && byte(pos + 1) >= 0x30 && byte(pos + 1) <= 0x39 &&
      byte(pos + 2) >= 0x81 && byte(pos + 2) <= 0xFE && byte(pos + 3) >= 0x30 &&
      byte(pos + 3) <= 0x39) {
    return 4;
  }
  return 2;
}

std::string EscapeIniLineBreaks(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t pos = 0; pos < text.size(); ++pos) {
    const char c = text[pos];
    if (c == '\r' || c == '\n') {
      out.append("\\n");
      if (c == '\r' && pos + 1 < text.size() && text[pos + 1] == '\n') {
        ++pos;
      }
    } else {
      out += c;
    }
  }
  return out;
}

std::optional<std::string> EditIniContent(std::string_view content, std::string_view section,
                                          std::optional<std::string_view> key,
                                          std::optional<std::string_view> value) {
  const std::string safe_section = EscapeIniLineBreaks(section);
  const Layout layout = Analyse(content);
  if (!key) {
    return RemoveLines(layout, safe_section, std::nullopt);
  }
  const std::string safe_key = EscapeIniLineBreaks(*key);
  if (!value) {
    return RemoveLines(layout, safe_section, std::string_view(safe_key));
  }
  const std::string item_line = safe_key + "=" + EscapeIniLineBreaks(*value);
  return SetItem(content, layout, safe_section, safe_key, item_line);
}
