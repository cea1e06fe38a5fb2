// Writing numbers back into the board's boxes and record files. The texts must be the
// same bytes on every platform and compiler, so nothing here goes through printf: the
// exact 17-digit decimal form comes from std::to_chars and the rest is done by hand.
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "services/convert.h"

namespace {

constexpr int kPrecision = 13;    // significant digits shown
constexpr int kExactDigits = 17;  // digits the rounding starts from

// The texts for values that are not finite, in the forms the board has always shown.
// The indefinite NaN is the one an invalid operation (infinity minus infinity) yields on
// x86. A signalling NaN keeps its sign like the other NaNs, so a negative one is
// "-1.#SNAN".
std::string_view NonFiniteText(uint64_t bits) {
  constexpr uint64_t kSign = 0x8000000000000000u;
  constexpr uint64_t kMantissa = 0x000FFFFFFFFFFFFFu;
  constexpr uint64_t kQuiet = 0x0008000000000000u;
  constexpr uint64_t kIndefinite = 0xFFF8000000000000u;
  const bool negative = (bits & kSign) != 0;
  if ((bits & kMantissa) == 0)
    return negative ? "-1.#INF" : "1.#INF";
  if (bits == kIndefinite)
    return "-1.#IND";
  if ((bits & kQuiet) != 0)
    return negative ? "-1.#QNAN" : "1.#QNAN";
  return negative ? "-1.#SNAN" : "1.#SNAN";
}

// Writes the number into out (at least 32 bytes) and returns the length.
size_t FormatNumber(double number, char* out) {
  const auto bits = std::bit_cast<uint64_t>(number);
  if ((bits & 0x7FF0000000000000u) == 0x7FF0000000000000u) {
    std::string_view text = NonFiniteText(bits);
    std::memcpy(out, text.data(), text.size());
    return text.size();
  }
  char* p = out;
  if (std::signbit(number))
    *p++ = '-';
  if (number == 0) {
    *p++ = '0';
    return static_cast<size_t>(p - out);
  }

  // "d.dddddddddddddddde+XXX": the exact value rounded to 17 digits.
  char exact[32];
  const double magnitude = number < 0 ? -number : number;
  char* exact_end = std::to_chars(exact, exact + sizeof exact, magnitude,
                                  std::chars_format::scientific, kExactDigits - 1)
                        .ptr;
  char digits[kExactDigits];
  digits[0] = exact[0];
  std::memcpy(digits + 1, exact + 2, kExactDigits - 1);
  int exponent = 0;
  const char* exponent_text = exact + kExactDigits + 2;  // after "e"
  std::from_chars(exponent_text + (*exponent_text == '+' ? 1 : 0), exact_end, exponent);

  // Half away from zero at the 14th digit; a carry out of the first digit makes 10...0.
  if (digits[kPrecision] >= '5') {
    int i = kPrecision - 1;
    while (i >= 0 && digits[i] == '9') digits[i--] = '0';
    if (i >= 0) {
      ++digits[i];
    } else {
      digits[0] = '1';
      ++exponent;
    }
  }
  int shown = kPrecision;  // significant digits left after dropping trailing zeros
  while (shown > 1 && digits[shown - 1] == '0') --shown;

  if (exponent < -4 || exponent >= kPrecision) {
    *p++ = digits[0];
    if (shown > 1) {
      *p++ = '.';
      std::memcpy(p, digits + 1, static_cast<size_t>(shown - 1));
      p += shown - 1;
    }
    *p++ = 'e';
    *p++ = exponent < 0 ? '-' : '+';
    int size = exponent < 0 ? -exponent : exponent;
    if (size < 100)
      *p++ = '0';
    if (size < 10)
      *p++ = '0';
    p = std::to_chars(p, p + 4, size).ptr;
  } else if (exponent < 0) {
    *p++ = '0';
    *p++ = '.';
    for (int i = exponent; i < -1; ++i) *p++ = '0';
    std::memcpy(p, digits, static_cast<size_t>(shown));
    p += shown;
  } else {
    const int whole = exponent + 1;
    std::memcpy(p, digits, static_cast<size_t>(whole));
    p += whole;
    if (shown > whole) {
      *p++ = '.';
      std::memcpy(p, digits + whole, static_cast<size_t>(shown - whole));
      p += shown - whole;
    }
  }
  return static_cast<size_t>(p - out);
}

}  // namespace

Text ToText(double number) {
  char buffer[32];
  return Text(buffer, FormatNumber(number, buffer));
}

Text ToText(int32_t integer) {
  char buffer[16];
  return Text(buffer, std::to_chars(buffer, buffer + sizeof buffer, integer).ptr);
}

Text LogicalToText(bool value) {
  static const Text kTrue = Gb("真");
  static const Text kFalse = Gb("假");
  return value ? kTrue : kFalse;
}
