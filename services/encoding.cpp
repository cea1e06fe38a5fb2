// GB18030 <-> UTF-8 at the edge of the program. The platform converter does the work on
// whole runs; bad bytes are found by our own scan of the encodings' structure, so that
// each bad sequence costs exactly one "?" and everything after it still comes through.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "services/text.h"

#ifdef _WIN32
#include "services/gb18030_codec.h"
#else
#include <cerrno>

#include <iconv.h>
#endif

namespace {

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

enum class Direction { kToUtf8, kToGb };

#ifdef _WIN32

// Appends the conversion of `run`; false (and `out` unchanged) when any of it has no
// character. The program's own tables, not a code page: Wine has no GB18030, and
// Windows' table differs from the Linux build's for characters GBK gained later.
bool ConvertRun(Direction direction, std::string_view run, std::string& out) {
  return direction == Direction::kToUtf8 ? gb18030::ToUtf8(run, out) : gb18030::FromUtf8(run, out);
}

#else

// Opening a converter costs far more than a short conversion, and every text crossing
// the edge is converted, so each thread keeps its two descriptors open until it ends.
class ThreadConverters {
 public:
  ThreadConverters() = default;
  ThreadConverters(const ThreadConverters&) = delete;
  ThreadConverters& operator=(const ThreadConverters&) = delete;
  ~ThreadConverters() {
    for (iconv_t& descriptor : descriptors_) {
      if (descriptor != Closed()) {
        iconv_close(descriptor);
      }
    }
  }

  // Closed() when the system has no such converter.
  iconv_t Get(Direction direction) {
    const std::size_t index = direction == Direction::kToUtf8 ? 0 : 1;
    if (descriptors_[index] == Closed() && !tried_[index]) {
      tried_[index] = true;
      descriptors_[index] = direction == Direction::kToUtf8 ? iconv_open("UTF-8", "GB18030")
                                                            : iconv_open("GB18030", "UTF-8");
    }
    return descriptors_[index];
  }

  static iconv_t Closed() { return reinterpret_cast<iconv_t>(static_cast<std::intptr_t>(-1)); }

 private:
  iconv_t descriptors_[2] = {Closed(), Closed()};
  bool tried_[2] = {false, false};
};

thread_local ThreadConverters converters;

// Appends the conversion of `run`; false (and `out` unchanged) when the converter refuses
// any of it.
bool ConvertRun(Direction direction, std::string_view run, std::string& out) {
  if (run.empty()) {
    return true;
  }
  const iconv_t descriptor = converters.Get(direction);
  if (descriptor == ThreadConverters::Closed()) {
    // Without a converter only ASCII, which both encodings share, can pass.
    for (const char byte : run) {
      if (static_cast<unsigned char>(byte) >= 0x80) {
        return false;
      }
    }
    out.append(run);
    return true;
  }
  const std::size_t start = out.size();
  // Neither direction more than doubles the bytes (U+0080 is two bytes in UTF-8, four
  // in GB18030), so one pass usually fits; a short buffer is grown all the same.
  out.resize(start + run.size() * 2 + 16);
  // iconv's interface is not const-correct; it never writes through the input pointer.
  char* in_pointer = const_cast<char*>(run.data());
  std::size_t in_left = run.size();
  std::size_t written = start;
  while (true) {
    char* out_pointer = out.data() + written;
    std::size_t out_left = out.size() - written;
    const std::size_t result = iconv(descriptor, &in_pointer, &in_left, &out_pointer, &out_left);
    written = static_cast<std::size_t>(out_pointer - out.data());
    if (result != static_cast<std::size_t>(-1)) {
      break;
    }
    if (errno != E2BIG) {
      iconv(descriptor, nullptr, nullptr, nullptr, nullptr);
      out.resize(start);
      return false;
    }
    out.resize(out.size() + in_left * 2 + 16);
  }
  out.resize(written);
  iconv(descriptor, nullptr, nullptr, nullptr, nullptr);
  return true;
}

#endif

using SequenceScan = Sequence (*)(std::string_view, std::size_t);

// Converts the sequences of `run` (all well formed) one by one; the ones the converter
// refuses become "?".
void ConvertEach(Direction direction, std::string_view run, SequenceScan scan, std::string& out) {
  std::size_t pos = 0;
  while (pos < run.size()) {
    std::size_t length = scan(run, pos).length;
    if (!ConvertRun(direction, run.substr(pos, length), out)) {
      out += '?';
      // A two-byte GB18030 pair without a character gives its ASCII trail back, as the
      // scan does for broken forms.
      if (direction == Direction::kToUtf8 && length == 2 && ByteAt(run, pos + 1) < 0x80) {
        length = 1;
      }
    }
    pos += length;
  }
}

std::string Convert(Direction direction, std::string_view in) {
  std::string out;
  out.reserve(in.size() + in.size() / 2);
  if (ConvertRun(direction, in, out))
    return out;  // the usual case: nothing is wrong
  const SequenceScan scan = direction == Direction::kToUtf8 ? GbSequenceAt : Utf8SequenceAt;
  std::size_t pos = 0;
  while (pos < in.size()) {
    const std::size_t run_start = pos;
    Sequence sequence;
    while (pos < in.size()) {
      sequence = scan(in, pos);
      if (!sequence.well_formed) {
        break;
      }
      pos += sequence.length;
    }
    const std::string_view run = in.substr(run_start, pos - run_start);
    if (!ConvertRun(direction, run, out)) {
      ConvertEach(direction, run, scan, out);
    }
    if (pos < in.size()) {
      out += '?';
      pos += sequence.length;
    }
  }
  return out;
}

}  // namespace

Text TextFromUtf8(std::string_view utf8) {
  return Convert(Direction::kToGb, utf8);
}

std::string Utf8FromText(std::string_view text) {
  return Convert(Direction::kToUtf8, text);
}
