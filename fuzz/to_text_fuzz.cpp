// to-text of any 64-bit pattern as a double: never crashes, and for every finite number
// gives the bytes of the C library's "%.13g" with a three-digit exponent, except where
// the 17-digit form ends exactly in a tie at the 14th digit: there the board rounds half
// away from zero from those 17 digits, and the C library rounds the exact value, so only
// the round trip is checked.
#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

#include "fuzz/fuzz_support.h"
#include "services/convert.h"

namespace {

// "%.13g" as glibc writes it, with the exponent widened to three digits.
std::string LibraryText(double number) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.13g", number);
  std::string text = buffer;
  const std::size_t e = text.find('e');
  if (e != std::string::npos) {
    std::string digits = text.substr(e + 2);
    while (digits.size() < 3) digits.insert(0, "0");
    text = text.substr(0, e + 2) + digits;
  }
  return text;
}

// Digits 14 to 17 of the number's 17 significant digits are "5000".
bool TieAtFourteenthDigit(double number) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.16e", std::fabs(number));
  // "d.dddddddddddddddde..": digit n (1-based) is at n for n >= 2.
  return std::strncmp(buffer + 14, "5000", 4) == 0;
}

std::string NonFinite(uint64_t bits) {
  const bool negative = (bits >> 63) != 0;
  const std::string sign = negative ? "-" : "";
  if ((bits & 0x000FFFFFFFFFFFFFu) == 0)
    return sign + "1.#INF";
  if (bits == 0xFFF8000000000000u)
    return "-1.#IND";
  if ((bits & 0x0008000000000000u) != 0)
    return sign + "1.#QNAN";
  return sign + "1.#SNAN";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  uint64_t bits = 0;
  std::memcpy(&bits, data, size < sizeof bits ? size : sizeof bits);
  const double number = std::bit_cast<double>(bits);
  const Text text = ToText(number);
  if (!std::isfinite(number)) {
    FUZZ_CHECK(text == NonFinite(bits));
    return 0;
  }
  if (!TieAtFourteenthDigit(number))
    FUZZ_CHECK(text == LibraryText(number));
  // What the board shows reads back as a number that shows the same.
  FUZZ_CHECK(ToText(ToNumber(text)) == text);
  return 0;
}
