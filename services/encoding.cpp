// GB18030 <-> UTF-8 at the edge of the program, by the program's own table: the same
// bytes on every platform, and nothing to load at run time that could be missing.
// Bad bytes are found by a scan of the encodings' structure, so that each bad sequence
// costs exactly one "?" and everything after it still comes through.
#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "services/text.h"

namespace {

struct FourByteRun {
  std::uint16_t first_point;
  std::uint16_t first_index;
  std::uint16_t length;
};

#include "services/encoding_gb18030_table.inc"

constexpr std::size_t kTrailsPerLead = 190;
constexpr std::uint32_t kFirstSupplementaryIndex = 189000;  // 90 30 81 30
constexpr char32_t kNoCharacter = 0xFFFFFFFF;

// What the scan found at one position: `length` bytes, and whether they form a sequence
// of the right shape. A sequence of the right shape may still be one that the converter
// has no character for (a four-byte form past the last code point, say).
struct Sequence {
  std::size_t length = 1;
  bool well_formed = false;
};

bool InRange(unsigned char byte, unsigned char low, unsigned char high) {
  return byte >= low && byte <= high;
}

unsigned char ByteAt(std::string_view bytes, std::size_t pos) {
  return static_cast<unsigned char>(bytes[pos]);
}

// GB18030: ASCII; lead 0x81-0xFE with a trail 0x40-0x7E or 0x80-0xFE; or lead, digit,
// lead, digit. A broken form costs only its lead byte: the bytes after it may start a
// character of their own ("\x81" followed by "表" keeps the "表").
Sequence GbSequenceAt(std::string_view in, std::size_t pos) {
  const unsigned char lead = ByteAt(in, pos);
  if (lead < 0x80)
    return {1, true};
  if (!InRange(lead, 0x81, 0xFE) || pos + 1 >= in.size())
    return {1, false};
  const unsigned char second = ByteAt(in, pos + 1);
  if (InRange(second, 0x40, 0x7E) || InRange(second, 0x80, 0xFE))
    return {2, true};
  if (InRange(second, 0x30, 0x39) && pos + 3 < in.size() &&
      InRange(ByteAt(in, pos + 2), 0x81, 0xFE) && InRange(ByteAt(in, pos + 3), 0x30, 0x39)) {
    return {4, true};
  }
  return {1, false};
}

// UTF-8 as Unicode defines it well formed (no overlong forms, no surrogates, nothing past
// U+10FFFF). A broken form costs its maximal valid prefix, which can never hide the start
// of the next character.
Sequence Utf8SequenceAt(std::string_view in, std::size_t pos) {
  const unsigned char lead = ByteAt(in, pos);
  if (lead < 0x80)
    return {1, true};
  std::size_t length = 0;
  unsigned char second_low = 0x80;
  unsigned char second_high = 0xBF;
  if (InRange(lead, 0xC2, 0xDF)) {
    length = 2;
  } else if (InRange(lead, 0xE0, 0xEF)) {
    length = 3;
    if (lead == 0xE0) {
      second_low = 0xA0;
    }
    if (lead == 0xED) {
      second_high = 0x9F;
    }
  } else if (InRange(lead, 0xF0, 0xF4)) {
    length = 4;
    if (lead == 0xF0) {
      second_low = 0x90;
    }
    if (lead == 0xF4) {
      second_high = 0x8F;
    }
  } else {
    return {1, false};
  }
  std::size_t taken = 1;
  while (taken < length && pos + taken < in.size()) {
    const unsigned char low = taken == 1 ? second_low : static_cast<unsigned char>(0x80);
    const unsigned char high = taken == 1 ? second_high : static_cast<unsigned char>(0xBF);
    if (!InRange(ByteAt(in, pos + taken), low, high)) {
      break;
    }
    ++taken;
  }
  return {taken, taken == length};
}

std::size_t TrailPosition(unsigned char trail) {
  return trail < 0x7F ? trail - 0x40u : trail - 0x41u;
}

std::uint32_t FourByteIndex(std::string_view in, std::size_t pos) {
  return ((static_cast<std::uint32_t>(ByteAt(in, pos) - 0x81) * 10 + (ByteAt(in, pos + 1) - 0x30)) *
              126 +
          (ByteAt(in, pos + 2) - 0x81)) *
             10 +
         (ByteAt(in, pos + 3) - 0x30);
}

// The character of a well-formed GB18030 sequence; kNoCharacter for a four-byte form
// that names none.
char32_t GbCharacter(std::string_view in, std::size_t pos, std::size_t length) {
  if (length == 1)
    return ByteAt(in, pos);
  if (length == 2)
    return kTwoByteCharacters[(ByteAt(in, pos) - 0x81u) * kTrailsPerLead +
                              TrailPosition(ByteAt(in, pos + 1))];
  const std::uint32_t index = FourByteIndex(in, pos);
  if (index >= kFirstSupplementaryIndex) {
    const std::uint32_t point = index - kFirstSupplementaryIndex + 0x10000;
    return point <= 0x10FFFF ? point : kNoCharacter;
  }
  for (const FourByteRun& run : kFourByteRuns) {
    if (index >= run.first_index && index < run.first_index + run.length)
      return run.first_point + (index - run.first_index);
  }
  return kNoCharacter;
}

// The two-byte code of each BMP character that has one (0 for none), built once.
const std::array<std::uint16_t, 0x10000>& TwoByteCodes() {
  static const std::unique_ptr<std::array<std::uint16_t, 0x10000>> codes = [] {
    auto table = std::make_unique<std::array<std::uint16_t, 0x10000>>();
    table->fill(0);
    for (std::size_t i = 0; i < std::size(kTwoByteCharacters); ++i) {
      const std::size_t lead = 0x81 + i / kTrailsPerLead;
      const std::size_t position = i % kTrailsPerLead;
      const std::size_t trail = position < 0x3F ? 0x40 + position : 0x41 + position;
      (*table)[kTwoByteCharacters[i]] = static_cast<std::uint16_t>(lead << 8 | trail);
    }
    return table;
  }();
  return *codes;
}

void AppendFourByte(std::uint32_t index, std::string& out) {
  const char bytes[4] = {
      static_cast<char>(0x81 + index / 12600), static_cast<char>(0x30 + index / 1260 % 10),
      static_cast<char>(0x81 + index / 10 % 126), static_cast<char>(0x30 + index % 10)};
  out.append(bytes, 4);
}

// Every Unicode scalar value has a GB18030 form.
void AppendGb(char32_t point, std::string& out) {
  if (point < 0x80) {
    out += static_cast<char>(point);
    return;
  }
  if (point >= 0x10000) {
    AppendFourByte(point - 0x10000 + kFirstSupplementaryIndex, out);
    return;
  }
  const std::uint16_t code = TwoByteCodes()[point];
  if (code != 0) {
    out += static_cast<char>(code >> 8);
    out += static_cast<char>(code & 0xFF);
    return;
  }
  for (const FourByteRun& run : kFourByteRuns) {
    if (point >= run.first_point && point < run.first_point + run.length) {
      AppendFourByte(run.first_index + (point - run.first_point), out);
      return;
    }
  }
  out += '?';  // not reached: the runs cover the rest of the BMP
}

char32_t Utf8Character(std::string_view in, std::size_t pos, std::size_t length) {
  const unsigned char lead = ByteAt(in, pos);
  if (length == 1)
    return lead;
  char32_t point = lead & (length == 2 ? 0x1F : length == 3 ? 0x0F : 0x07);
  for (std::size_t i = 1; i < length; ++i) point = point << 6 | (ByteAt(in, pos + i) & 0x3F);
  return point;
}

void AppendUtf8(char32_t point, std::string& out) {
  if (point < 0x80) {
    out += static_cast<char>(point);
  } else if (point < 0x800) {
    out += static_cast<char>(0xC0 | point >> 6);
    out += static_cast<char>(0x80 | (point & 0x3F));
  } else if (point < 0x10000) {
    out += static_cast<char>(0xE0 | point >> 12);
    out += static_cast<char>(0x80 | (point >> 6 & 0x3F));
    out += static_cast<char>(0x80 | (point & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | point >> 18);
    out += static_cast<char>(0x80 | (point >> 12 & 0x3F));
    out += static_cast<char>(0x80 | (point >> 6 & 0x3F));
    out += static_cast<char>(0x80 | (point & 0x3F));
  }
}

}  // namespace

Text TextFromUtf8(std::string_view utf8) {
  Text out;
  out.reserve(utf8.size());
  for (std::size_t pos = 0; pos < utf8.size();) {
    // ASCII is the same in both: a run of it is copied whole (a long team line is
    // converted again for every key the host types).
    std::size_t ascii_end = pos;
    while (ascii_end < utf8.size() && ByteAt(utf8, ascii_end) < 0x80) ++ascii_end;
    if (ascii_end > pos) {
      out.append(utf8, pos, ascii_end - pos);
      pos = ascii_end;
      continue;
    }
    const Sequence sequence = Utf8SequenceAt(utf8, pos);
    if (sequence.well_formed) {
      AppendGb(Utf8Character(utf8, pos, sequence.length), out);
    } else {
      out += '?';
    }
    pos += sequence.length;
  }
  return out;
}

std::string Utf8FromText(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 2);
  for (std::size_t pos = 0; pos < text.size();) {
    const Sequence sequence = GbSequenceAt(text, pos);
    const char32_t point =
        sequence.well_formed ? GbCharacter(text, pos, sequence.length) : kNoCharacter;
    if (point == kNoCharacter) {
      out += '?';
    } else {
      AppendUtf8(point, out);
    }
    pos += sequence.length;
  }
  return out;
}
