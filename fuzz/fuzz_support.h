#pragma once
// Small helpers shared by the fuzz targets.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

// A property that must hold for every input: a violation aborts, which libFuzzer
// reports as a finding together with the input that caused it.
#define FUZZ_CHECK(condition)                                                            \
  do {                                                                                   \
    if (!(condition)) {                                                                  \
      std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition); \
      std::abort();                                                                      \
    }                                                                                    \
  } while (false)

// The texts the program passes around end at a NUL byte, as the conversions read them.
inline std::string_view UpToNul(std::string_view text) {
  const std::size_t nul = text.find('\0');
  return nul == std::string_view::npos ? text : text.substr(0, nul);
}

// What a text reads as before a number is parsed: the full-width ASCII row, the
// ideographic space, "～" and the two stars fold to ASCII; any other double-byte
// character is kept whole; a lead byte cut off at the end is dropped.
inline std::string FoldFullWidth(std::string_view text) {
  text = UpToNul(text);
  std::string out;
  for (std::size_t pos = 0; pos < text.size();) {
    const auto lead = static_cast<unsigned char>(text[pos]);
    if (lead < 0x80) {
      out += text[pos++];
      continue;
    }
    if (pos + 1 >= text.size())
      break;
    const auto trail = static_cast<unsigned char>(text[pos + 1]);
    if (lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE) {
      out += static_cast<char>(trail - 0x80);
    } else if (lead == 0xA1 && trail == 0xA1) {
      out += ' ';
    } else if (lead == 0xA1 && trail == 0xAB) {
      out += '~';
    } else if (lead == 0xA1 && (trail == 0xEE || trail == 0xEF)) {
      out += '*';
    } else {
      out.append(text.substr(pos, 2));
    }
    pos += 2;
  }
  return out;
}

inline bool IsParseSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}
inline bool IsAsciiDigit(char c) {
  return c >= '0' && c <= '9';
}
