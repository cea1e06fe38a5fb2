#pragma once
// Checks that a byte string is a well-formed GB18030 or UTF-8 text: what every text the
// board holds, shows or records must be, whatever the host typed or pasted.
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace well_formed {

inline bool InRange(unsigned char byte, unsigned char low, unsigned char high) {
  return byte >= low && byte <= high;
}

// Length of the GB18030 character at `pos`, or 0 when none starts there. Four-byte forms
// count only inside the two assigned ranges (the rest of the Basic Multilingual Plane up
// to 0x8431A439, the supplementary planes from 0x90308130 to 0xE3329A35).
inline std::size_t Gb18030CharAt(std::string_view text, std::size_t pos) {
  const auto at = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = at(pos);
  if (lead < 0x80)
    return 1;
  if (!InRange(lead, 0x81, 0xFE) || pos + 1 >= text.size())
    return 0;
  const unsigned char second = at(pos + 1);
  if (InRange(second, 0x40, 0x7E) || InRange(second, 0x80, 0xFE))
    return 2;
  if (!InRange(second, 0x30, 0x39) || pos + 3 >= text.size() || !InRange(at(pos + 2), 0x81, 0xFE) ||
      !InRange(at(pos + 3), 0x30, 0x39)) {
    return 0;
  }
  const uint32_t linear = ((lead - 0x81u) * 10u + (second - 0x30u)) * 1260u +
                          (at(pos + 2) - 0x81u) * 10u + (at(pos + 3) - 0x30u);
  constexpr uint32_t kBmpLast = ((0x84u - 0x81u) * 10u + 1u) * 1260u + (0xA4u - 0x81u) * 10u + 9u;
  constexpr uint32_t kSupplementaryFirst = (0x90u - 0x81u) * 10u * 1260u;
  constexpr uint32_t kSupplementaryLast =
      ((0xE3u - 0x81u) * 10u + 2u) * 1260u + (0x9Au - 0x81u) * 10u + 5u;
  if (linear <= kBmpLast || (linear >= kSupplementaryFirst && linear <= kSupplementaryLast))
    return 4;
  return 0;
}

// The offset of the first byte that does not start a GB18030 character, or npos.
inline std::size_t FirstBadGb18030(std::string_view text) {
  std::size_t pos = 0;
  while (pos < text.size()) {
    const std::size_t length = Gb18030CharAt(text, pos);
    if (length == 0)
      return pos;
    pos += length;
  }
  return std::string_view::npos;
}

inline bool IsGb18030(std::string_view text) {
  return FirstBadGb18030(text) == std::string_view::npos;
}

// UTF-8 as Unicode defines it: no overlong forms, no surrogates, nothing past U+10FFFF.
inline std::size_t Utf8CharAt(std::string_view text, std::size_t pos) {
  const auto at = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = at(pos);
  if (lead < 0x80)
    return 1;
  std::size_t length = 0;
  unsigned char low = 0x80;
  unsigned char high = 0xBF;
  if (InRange(lead, 0xC2, 0xDF)) {
    length = 2;
  } else if (InRange(lead, 0xE0, 0xEF)) {
    length = 3;
    low = lead == 0xE0 ? 0xA0 : 0x80;
    high = lead == 0xED ? 0x9F : 0xBF;
  } else if (InRange(lead, 0xF0, 0xF4)) {
    length = 4;
    low = lead == 0xF0 ? 0x90 : 0x80;
    high = lead == 0xF4 ? 0x8F : 0xBF;
  } else {
    return 0;
  }
  if (pos + length > text.size() || !InRange(at(pos + 1), low, high))
    return 0;
  for (std::size_t i = 2; i < length; ++i) {
    if (!InRange(at(pos + i), 0x80, 0xBF))
      return 0;
  }
  return length;
}

inline bool IsUtf8(std::string_view text) {
  std::size_t pos = 0;
  while (pos < text.size()) {
    const std::size_t length = Utf8CharAt(text, pos);
    if (length == 0)
      return false;
    pos += length;
  }
  return true;
}

}  // namespace well_formed
