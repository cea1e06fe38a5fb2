#include "services/gb18030_codec.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "services/gb18030_tables.h"

namespace gb18030 {
namespace {

// Four-byte codes from 0x90308130 on are the code points from U+10000 on, in order.
constexpr std::uint32_t kFirstBeyondBmp = 10 * 126 * 10 * (0x90 - 0x81);
constexpr char32_t kLastCodePoint = 0x10FFFF;

unsigned char At(std::string_view bytes, std::size_t pos) {
  return static_cast<unsigned char>(bytes[pos]);
}

bool IsFourByteDigit(unsigned char byte) {
  return byte >= 0x30 && byte <= 0x39;
}
bool IsFourByteLetter(unsigned char byte) {
  return byte >= 0x81 && byte <= 0xFE;
}

std::uint32_t FourByteNumber(unsigned char b1, unsigned char b2, unsigned char b3,
                             unsigned char b4) {
  return ((static_cast<std::uint32_t>(b1 - 0x81) * 10 + (b2 - 0x30)) * 126 + (b3 - 0x81)) * 10 +
         (b4 - 0x30);
}

void AppendFourByte(std::uint32_t number, std::string& out) {
  const char b4 = static_cast<char>(0x30 + number % 10);
  number /= 10;
  const char b3 = static_cast<char>(0x81 + number % 126);
  number /= 126;
  const char b2 = static_cast<char>(0x30 + number % 10);
  const char b1 = static_cast<char>(0x81 + number / 10);
  out += b1;
  out += b2;
  out += b3;
  out += b4;
}

// 0 when the code has no character.
char32_t TwoByteCodePoint(unsigned char lead, unsigned char trail) {
  const std::size_t column = trail < 0x7F ? trail - 0x40u : trail - 0x41u;
  const char16_t code_point = kTwoByte[(lead - 0x81u) * kTrailCount + column];
  if (code_point != 0)
    return code_point;
  const auto code = static_cast<std::uint16_t>(lead << 8 | trail);
  for (const TwoByteBeyond& beyond : kTwoByteBeyondBmp) {
    if (beyond.code == code)
      return beyond.code_point;
  }
  return 0;
}

char32_t FourByteCodePoint(std::uint32_t number) {
  if (number >= kFirstBeyondBmp) {
    const char32_t code_point = 0x10000 + (number - kFirstBeyondBmp);
    return code_point <= kLastCodePoint ? code_point : 0;
  }
  if (number >= kFourByteBmpEnd)
    return 0;
  const FourByteRun* run =
      std::upper_bound(std::begin(kFourByteRuns), std::end(kFourByteRuns), number,
                       [](std::uint32_t n, const FourByteRun& r) { return n < r.first; });
  if (run == std::begin(kFourByteRuns))
    return 0;
  --run;
  if (number - run->first >= run->count)
    return 0;
  return static_cast<char32_t>(run->code_point + (number - run->first));
}

void AppendUtf8(char32_t code_point, std::string& out) {
  if (code_point < 0x80) {
    out += static_cast<char>(code_point);
  } else if (code_point < 0x800) {
    out += static_cast<char>(0xC0 | code_point >> 6);
    out += static_cast<char>(0x80 | (code_point & 0x3F));
  } else if (code_point < 0x10000) {
    out += static_cast<char>(0xE0 | code_point >> 12);
    out += static_cast<char>(0x80 | (code_point >> 6 & 0x3F));
    out += static_cast<char>(0x80 | (code_point & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | code_point >> 18);
    out += static_cast<char>(0x80 | (code_point >> 12 & 0x3F));
    out += static_cast<char>(0x80 | (code_point >> 6 & 0x3F));
    out += static_cast<char>(0x80 | (code_point & 0x3F));
  }
}

// The code point of the well-formed UTF-8 sequence at `pos` and its length; 0 length when
// the sequence is broken, overlong, a surrogate or past U+10FFFF.
std::size_t Utf8At(std::string_view in, std::size_t pos, char32_t& code_point) {
  const unsigned char lead = At(in, pos);
  std::size_t length = 0;
  char32_t minimum = 0;
  if (lead < 0x80) {
    code_point = lead;
    return 1;
  }
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
    code_point = lead & 0x1Fu;
    minimum = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    code_point = lead & 0x0Fu;
    minimum = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    code_point = lead & 0x07u;
    minimum = 0x10000;
  } else {
    return 0;
  }
  if (in.size() - pos < length)
    return 0;
  for (std::size_t i = 1; i < length; ++i) {
    const unsigned char next = At(in, pos + i);
    if ((next & 0xC0) != 0x80)
      return 0;
    code_point = code_point << 6 | (next & 0x3Fu);
  }
  if (code_point < minimum || code_point > kLastCodePoint ||
      (code_point >= 0xD800 && code_point <= 0xDFFF)) {
    return 0;
  }
  return length;
}

// For each BMP code point, its code: a two-byte code as lead << 8 | trail, a four-byte
// code as its number plus 0x10000, or 0 when it has none. The first code wins, as in the
// Linux converter.
const std::vector<std::uint32_t>& BmpCodes() {
  static const std::vector<std::uint32_t> codes = [] {
    std::vector<std::uint32_t> table(0x10000, 0);
    for (std::size_t index = 0; index < kTwoByteCount; ++index) {
      const char16_t code_point = kTwoByte[index];
      if (code_point != 0 && table[code_point] == 0) {
        const std::size_t column = index % kTrailCount;
        const auto lead = static_cast<std::uint32_t>(0x81 + index / kTrailCount);
        const auto trail =
            static_cast<std::uint32_t>(column < 0x3F ? 0x40 + column : 0x41 + column);
        table[code_point] = lead << 8 | trail;
      }
    }
    for (const FourByteRun& run : kFourByteRuns) {
      for (std::uint32_t i = 0; i < run.count; ++i) {
        std::uint32_t& code = table[static_cast<std::size_t>(run.code_point + i)];
        if (code == 0)
          code = 0x10000 + run.first + i;
      }
    }
    return table;
  }();
  return codes;
}

}  // namespace

bool ToUtf8(std::string_view gb, std::string& out) {
  const std::size_t start = out.size();
  std::size_t pos = 0;
  while (pos < gb.size()) {
    const unsigned char lead = At(gb, pos);
    if (lead < 0x80) {
      out += static_cast<char>(lead);
      ++pos;
      continue;
    }
    char32_t code_point = 0;
    if (lead >= 0x81 && lead <= 0xFE && pos + 1 < gb.size()) {
      const unsigned char second = At(gb, pos + 1);
      if ((second >= 0x40 && second <= 0x7E) || (second >= 0x80 && second <= 0xFE)) {
        code_point = TwoByteCodePoint(lead, second);
        pos += 2;
      } else if (IsFourByteDigit(second) && pos + 3 < gb.size() &&
                 IsFourByteLetter(At(gb, pos + 2)) && IsFourByteDigit(At(gb, pos + 3))) {
        code_point =
            FourByteCodePoint(FourByteNumber(lead, second, At(gb, pos + 2), At(gb, pos + 3)));
        pos += 4;
      }
    }
    if (code_point == 0) {
      out.resize(start);
      return false;
    }
    AppendUtf8(code_point, out);
  }
  return true;
}

bool FromUtf8(std::string_view utf8, std::string& out) {
  const std::size_t start = out.size();
  const std::vector<std::uint32_t>& bmp = BmpCodes();
  std::size_t pos = 0;
  while (pos < utf8.size()) {
    char32_t code_point = 0;
    const std::size_t length = Utf8At(utf8, pos, code_point);
    if (length == 0) {
      out.resize(start);
      return false;
    }
    pos += length;
    if (code_point < 0x80) {
      out += static_cast<char>(code_point);
      continue;
    }
    std::uint32_t code = 0;
    if (code_point < 0x10000) {
      code = bmp[code_point];
    } else {
      code = 0x10000 + kFirstBeyondBmp + (code_point - 0x10000);
      for (const TwoByteBeyond& beyond : kTwoByteBeyondBmp) {
        if (beyond.code_point == code_point)
          code = beyond.code;
      }
    }
    if (code == 0) {
      out.resize(start);
      return false;
    }
    if (code < 0x10000) {
      out += static_cast<char>(code >> 8);
      out += static_cast<char>(code & 0xFF);
    } else {
      AppendFourByte(code - 0x10000, out);
    }
  }
  return true;
}

}  // namespace gb18030
