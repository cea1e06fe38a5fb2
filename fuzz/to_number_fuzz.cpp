// to-number on any bytes: never crashes, reads full-width forms as their ASCII forms, and
// gives the correctly rounded double that the C library's strtod gives for the same
// number, once the text is cut down to the board's number pattern.
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "fuzz/fuzz_support.h"
#include "services/convert.h"

namespace {

// The leading number of a folded text in the form strtod reads the same way: white
// space, sign, digits with at most one point, an exponent ("d" read as "e") only when
// digits follow it. Empty when no digit was read.
std::string NumberPattern(const std::string& text) {
  std::size_t pos = 0;
  while (pos < text.size() && IsParseSpace(text[pos])) ++pos;
  std::string out;
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-'))
    out += text[pos++];
  bool digit = false;
  bool point = false;
  for (; pos < text.size(); ++pos) {
    if (text[pos] == '.' && !point) {
      point = true;
    } else if (IsAsciiDigit(text[pos])) {
      digit = true;
    } else {
      break;
    }
    out += text[pos];
  }
  if (!digit)
    return {};
  if (pos < text.size() &&
      (text[pos] == 'e' || text[pos] == 'E' || text[pos] == 'd' || text[pos] == 'D')) {
    std::size_t after = pos + 1;
    std::string exponent = "e";
    if (after < text.size() && (text[after] == '+' || text[after] == '-'))
      exponent += text[after++];
    if (after < text.size() && IsAsciiDigit(text[after])) {
      while (after < text.size() && IsAsciiDigit(text[after])) exponent += text[after++];
      out += exponent;
    }
  }
  return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const double value = ToNumber(input);
  const std::string folded = FoldFullWidth(input);
  FUZZ_CHECK(std::bit_cast<uint64_t>(ToNumber(folded)) == std::bit_cast<uint64_t>(value));

  const std::string pattern = NumberPattern(folded);
  const double expected = pattern.empty() ? 0.0 : std::strtod(pattern.c_str(), nullptr);
  FUZZ_CHECK(std::bit_cast<uint64_t>(expected) == std::bit_cast<uint64_t>(value));
  return 0;
}
