// Checks the number conversions against the C library over many values. The C library
// is built differently (glibc's printf works on the exact binary value with big-number
// arithmetic; strtod is its own correctly rounding reader), so agreement here is real
// evidence rather than the code compared with itself.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "services/convert.h"

namespace {

// glibc's "%.13g" with the exponent widened to at least three digits.
std::string LibraryText(double number) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.13g", number);
  std::string text = buffer;
  size_t e = text.find('e');
  if (e != std::string::npos && text.size() - (e + 2) < 3) {
    text.insert(e + 2, 3 - (text.size() - (e + 2)), '0');
  }
  return text;
}

// True when digits 14 to 17 of the correctly rounded 17-digit form are "5000". Only
// then can the board's rule (round the 17-digit form half away from zero) differ from
// rounding the exact value: with any other tail the exact value lies clearly on one side
// of the halfway point, since it is within half a unit of the 17th digit of that form.
bool TailIsHalf(double number) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.16e", std::fabs(number));
  // "d.dddddddddddddddde..." : digit 14 is at index 14 (index 1 is the point).
  return std::strncmp(buffer + 14, "5000", 4) == 0;
}

class FormatChecker {
 public:
  void Check(double number) {
    if (!std::isfinite(number))
      return;
    ++checked_;
    std::string expected;
    if (TailIsHalf(number)) {
      // The exact value is within half a unit of the 17th digit of ...5000, and one step
      // to the next double away from zero is more than that half unit, so that neighbour
      // lies beyond the halfway point: rounding it to nearest gives the board's result.
      // (Not the rounding mode: the C runtime of the Windows build ignores it.)
      ++half_tails_;
      expected = LibraryText(std::nextafter(number, number < 0 ? -HUGE_VAL : HUGE_VAL));
    } else {
      expected = LibraryText(number);
    }
    std::string actual = ToText(number);
    if (actual != expected && failures_++ < 20) {
      ADD_FAILURE() << std::hexfloat << number << " gave " << actual << ", expected " << expected;
    }
  }
  int checked() const { return checked_; }
  int half_tails() const { return half_tails_; }

 private:
  int checked_ = 0;
  int half_tails_ = 0;
  int failures_ = 0;
};

TEST(NumberReferenceTest, ToTextMatchesTheLibrary) {
  std::mt19937_64 random(20240607);
  FormatChecker checker;

  for (int i = 0; i < 300000; ++i) checker.Check(std::bit_cast<double>(random()));

  // Every binary exponent, with its power of two, its neighbours and random mantissas.
  for (uint64_t exponent = 0; exponent < 0x7FF; ++exponent) {
    const double power = std::bit_cast<double>(exponent << 52);
    checker.Check(power);
    checker.Check(std::nextafter(power, 0.0));
    checker.Check(std::nextafter(power, 2 * power + 1));
    for (int i = 0; i < 20; ++i) {
      uint64_t bits = (exponent << 52) | (random() & 0x000FFFFFFFFFFFFFu);
      checker.Check(std::bit_cast<double>(bits));
      checker.Check(-std::bit_cast<double>(bits));
    }
  }

  // Every decimal exponent, around the values where 13-digit rounding carries or halts.
  const char* const mantissas[] = {"1",
                                   "9.9999999999995",
                                   "9.99999999999949999",
                                   "9.9999999999999",
                                   "1.0000000000005",
                                   "1.23456789012345",
                                   "5",
                                   "4.99999999999995"};
  for (int exponent = -324; exponent <= 308; ++exponent) {
    for (const char* mantissa : mantissas) {
      std::string text = std::string(mantissa) + "e" + std::to_string(exponent);
      double value = std::strtod(text.c_str(), nullptr);
      checker.Check(value);
      checker.Check(std::nextafter(value, 0.0));
      checker.Check(std::nextafter(value, HUGE_VAL));
      checker.Check(-value);
    }
  }

  // The range the board really shows: plain forms, and amounts with a few decimals.
  std::uniform_real_distribution<double> log_scale(-6.0, 15.0);
  for (int i = 0; i < 200000; ++i) checker.Check(std::pow(10.0, log_scale(random)));
  std::uniform_int_distribution<int64_t> cents(-100000000, 100000000);
  for (int i = 0; i < 100000; ++i) {
    checker.Check(static_cast<double>(cents(random)) / 100);
    checker.Check(static_cast<double>(cents(random)) * 48 / 10000 + 100);
  }

  EXPECT_GT(checker.checked(), 800000);
  // The halfway tails must be exercised (the decimal mantissas above aim at them), yet
  // stay few enough that the plain comparison carries the weight.
  EXPECT_GT(checker.half_tails(), 500);
  EXPECT_LT(checker.half_tails(), checker.checked() / 100);
}

// Writes a random text that mostly looks like a number, with the board's extras.
std::string RandomNumberText(std::mt19937_64& random) {
  auto pick = [&](int n) { return static_cast<int>(random() % static_cast<uint64_t>(n)); };
  auto digits = [&](std::string& out, int count) {
    for (int i = 0; i < count; ++i) out += static_cast<char>('0' + pick(10));
  };
  std::string text;
  for (int n = pick(3); n > 0; --n) text += " \t\n"[pick(3)];
  if (pick(3) == 0)
    text += "+-"[pick(2)];
  if (pick(4) == 0)
    text += std::string(static_cast<size_t>(pick(30)), '0');
  const int long_run = pick(50) == 0 ? 800 : 25;
  digits(text, pick(long_run));
  if (pick(2) == 0) {
    text += '.';
    digits(text, pick(long_run));
  }
  if (pick(2) == 0) {
    text += "eEdD"[pick(4)];
    if (pick(2) == 0)
      text += "+-"[pick(2)];
    digits(text, pick(5));
  }
  if (pick(3) == 0)
    text += "x.e5 -"[pick(6)];
  return text;
}

TEST(NumberReferenceTest, ToNumberMatchesStrtod) {
  std::mt19937_64 random(7);
  int failures = 0;
  for (int i = 0; i < 200000 && failures < 20; ++i) {
    std::string text = RandomNumberText(random);
    std::string reference = text;
    // strtod reads the same grammar once the alternative exponent letters are e.
    for (char& c : reference) {
      if (c == 'd' || c == 'D')
        c = 'e';
    }
    char* end = nullptr;
    double expected = std::strtod(reference.c_str(), &end);
    // A text without a number is zero; the Windows build's strtod keeps a lone sign.
    if (end == reference.c_str())
      expected = 0.0;
    const double actual = ToNumber(text);
    if (std::bit_cast<uint64_t>(actual) != std::bit_cast<uint64_t>(expected)) {
      ++failures;
      ADD_FAILURE() << '"' << text << "\" gave " << std::hexfloat << actual << ", expected "
                    << expected;
    }
  }
}

TEST(NumberReferenceTest, SeventeenDigitsReadBackExactly) {
  std::mt19937_64 random(99);
  int failures = 0;
  for (int i = 0; i < 200000 && failures < 20; ++i) {
    const double number = std::bit_cast<double>(random());
    if (!std::isfinite(number))
      continue;
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.17g", number);
    if (std::bit_cast<uint64_t>(ToNumber(buffer)) != std::bit_cast<uint64_t>(number)) {
      ++failures;
      ADD_FAILURE() << buffer << " did not read back";
    }
  }
}

}  // namespace
