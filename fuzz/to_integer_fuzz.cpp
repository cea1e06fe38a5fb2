// to-integer on any bytes and on any 64-bit pattern as a double: never crashes, reads
// full-width forms as ASCII, and wraps around modulo 2^32 exactly as a 32-bit
// accumulator of the digits does.
#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "fuzz/fuzz_support.h"
#include "services/convert.h"

namespace {

int32_t ExpectedFromText(const std::string& folded) {
  std::size_t pos = 0;
  while (pos < folded.size() && IsParseSpace(folded[pos])) ++pos;
  bool negative = false;
  if (pos < folded.size() && (folded[pos] == '+' || folded[pos] == '-'))
    negative = folded[pos++] == '-';
  uint64_t value = 0;  // kept below 2^32 after each digit
  for (; pos < folded.size() && IsAsciiDigit(folded[pos]); ++pos)
    value = (value * 10 + static_cast<uint64_t>(folded[pos] - '0')) % 4294967296u;
  if (negative)
    value = (4294967296u - value) % 4294967296u;
  return static_cast<int32_t>(static_cast<uint32_t>(value));
}

// Truncation toward zero, then the low 32 bits; numbers no 64-bit integer holds give 0.
int32_t ExpectedFromNumber(double number) {
  if (std::isnan(number) || std::fabs(number) >= 9223372036854775808.0)
    return 0;
  double low = std::fmod(std::trunc(number), 4294967296.0);  // exact, sign of the number
  if (low < 0)
    low += 4294967296.0;
  return static_cast<int32_t>(static_cast<uint32_t>(low));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  FUZZ_CHECK(ToInteger(input) == ExpectedFromText(FoldFullWidth(input)));

  if (size >= sizeof(double)) {
    uint64_t bits = 0;
    std::memcpy(&bits, data, sizeof bits);
    const double number = std::bit_cast<double>(bits);
    FUZZ_CHECK(ToInteger(number) == ExpectedFromNumber(number));
  }
  return 0;
}
