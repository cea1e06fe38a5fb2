// The board's conversions between texts and numbers, case by case.
#include <gtest/gtest.h>

#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include "services/convert.h"

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

double FromBits(uint64_t bits) {
  return std::bit_cast<double>(bits);
}

struct FormatCase {
  double number;
  const char* text;
};

TEST(ConvertTest, NumberToText) {
  const volatile double three = 3;  // keeps the divisions at run time, as the board does them
  const volatile double inf = kInf;
  const FormatCase cases[] = {
      {3, "3"},
      {2.5, "2.5"},
      {1 / three, "0.3333333333333"},
      {2 / three, "0.6666666666667"},
      {10 / three, "3.333333333333"},
      {0.1 + 0.2, "0.3"},
      {21000.0 * 48 / 10000 + 100, "200.8"},
      {9999999999999, "9999999999999"},
      {10000000000000, "1e+013"},
      {123456789012345, "1.234567890123e+014"},
      {1e20, "1e+020"},
      {1e100, "1e+100"},
      {0.0001, "0.0001"},
      {0.00001, "1e-005"},
      {0.00000015, "1.5e-007"},
      {-2.5, "-2.5"},
      {-0.0, "-0"},
      {0.0, "0"},
      // Rounding to 13 digits carries into a new leading digit and so changes the form.
      {99999999999999.9, "1e+014"},
      {9999999999999.5, "1e+013"},
      {9999999999999.4, "9999999999999"},
      {9.9999999999999e-5, "0.0001"},
      {9.99999999999949e-5, "9.999999999999e-005"},
      {0.99999999999995, "1"},
      {-0.99999999999995, "-1"},
      // The 17-digit form of 1.2345678901235 is 1.2345678901235000, so the 14th digit
      // rounds up although the exact binary value lies just below the halfway point.
      {1.2345678901235, "1.234567890124"},
      {-1.1111111111115, "-1.111111111112"},
      {0.10000000000005, "0.1"},  // 1.0000000000004999e-01
      {0.15, "0.15"},
      {1234567.891, "1234567.891"},
      {-123456789012.5, "-123456789012.5"},
      {1e-4 * 1.5, "0.00015"},
      {1e15, "1e+015"},
      {1e-100, "1e-100"},
      {DBL_MAX, "1.797693134862e+308"},
      {-DBL_MAX, "-1.797693134862e+308"},
      {DBL_MIN, "2.225073858507e-308"},
      {FromBits(1), "4.940656458412e-324"},
      {FromBits(0x000FFFFFFFFFFFFF), "2.225073858507e-308"},
      {1e300 * 10, "1e+301"},
      // Values that are not finite.
      {inf, "1.#INF"},
      {-inf, "-1.#INF"},
      {inf - inf, "-1.#IND"},
      {FromBits(0xFFF8000000000000), "-1.#IND"},
      {FromBits(0x7FF8000000000000), "1.#QNAN"},
      {FromBits(0xFFF8000000000001), "-1.#QNAN"},
      {FromBits(0x7FFC000000000000), "1.#QNAN"},
      {FromBits(0x7FF0000000000001), "1.#SNAN"},
      {FromBits(0x7FF4000000000000), "1.#SNAN"},
      {FromBits(0xFFF0000000000001), "-1.#SNAN"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ToText(c.number), c.text) << std::hexfloat << c.number;
  }
}

TEST(ConvertTest, IntegerAndLogicalToText) {
  EXPECT_EQ(ToText(int32_t{-7}), "-7");
  EXPECT_EQ(ToText(int32_t{0}), "0");
  EXPECT_EQ(ToText(INT32_MIN), "-2147483648");
  EXPECT_EQ(ToText(INT32_MAX), "2147483647");
  EXPECT_EQ(LogicalToText(true), "\xD5\xE6");   // 真
  EXPECT_EQ(LogicalToText(false), "\xBC\xD9");  // 假
}

struct ParseCase {
  std::string text;
  double number;
  int32_t integer;
};

TEST(ConvertTest, TextToNumberAndInteger) {
  const ParseCase cases[] = {
      {"12abc", 12, 12},
      {"", 0, 0},
      {"abc", 0, 0},
      {"  7", 7, 7},
      {"1e3", 1000, 1},
      {"1d3", 1000, 1},
      {"1D-3", 0.001, 1},
      {"1E+3", 1000, 1},
      {".5", 0.5, 0},
      {"5.", 5, 5},
      {"1,5", 1, 1},
      {"0x1A", 0, 0},
      {"\xA3\xB1\xA3\xB2\xA3\xAE\xA3\xB5", 12.5, 12},  // １２．５
      {"\xA3\xAD\xA3\xB3", -3, -3},                    // －３
      {"\xA1\xA1\xA3\xB8", 8, 8},                      // ideographic space, ８
      {"\xA3\xB4\xA3\xB2", 42, 42},                    // ４２
      {"\xA3\xAB\xA3\xB1\xA3\xE5\xA3\xB2", 100, 1},    // ＋１ｅ２
      {"12\xB8\xF6", 12, 12},                          // 12个
      {"1e400", kInf, 1},
      {"-1e400", -kInf, -1},
      {"12.9", 12.9, 12},
      {"-7", -7, -7},
      {"4294967297", 4294967297.0, 1},
      {"2147483648", 2147483648.0, INT32_MIN},
      {"-2147483649", -2147483649.0, INT32_MAX},
      {"99999999999", 99999999999.0, 1215752191},
      {"-0.5", -0.5, 0},
      {"-", 0, 0},
      {"+", 0, 0},
      {"   ", 0, 0},
      {" \t\n\v\f\r-4", -4, -4},
      {".", 0, 0},
      {"-.e5", 0, 0},
      {"1e", 1, 1},
      {"1e+", 1, 1},
      {"2d-x", 2, 2},
      {"1.2.3", 1.2, 1},
      {"--1", 0, 0},
      {"+-1", 0, 0},
      {"- 1", 0, 0},
      {std::string("7\0"
                   "8",
                   3),
       7, 7},  // a NUL ends the text
      {"1e-400", 0, 1},
      {"4.9406564584124654e-324", FromBits(1), 4},
      {"2.4703282292062328e-324", FromBits(1), 2},  // just above half the smallest step
      {"2.4703282292062327e-324", 0, 2},            // just below it
      {"2.2250738585072011e-308", FromBits(0x000FFFFFFFFFFFFF), 2},
      {"1.7976931348623157e308", DBL_MAX, 1},
      {"1.7976931348623159e308", kInf, 1},
      {"0.1", 0.1, 0},
      {"1e0000000000000000000000003", 1000, 1},
      {"1e99999999999999999999", kInf, 1},
      {"0e99999999999999999999", 0, 0},
      {"1e-99999999999999999999", 0, 1},
      {"00000000000000000000000000000012.5", 12.5, 12},
      {"0.0000000000000000000000000000001e31", 1, 0},
      {"9007199254740993", 9007199254740992.0, 1},  // halfway rounds to even
      // A full-width pair is folded only in its own row; other pairs end the number.
      {"\xA3\xA0"
       "1",
       0, 0},
      {"\xA2\xB1", 0, 0},
      {"5\xA1\xAB"
       "1",
       5, 5},
      {"5\xA1\xEE", 5, 5},
      // A lead byte cut off at the end is dropped; a lead byte before the digits ends
      // the number.
      {"3\xA3", 3, 3},
      {"\xA3", 0, 0},
      {"\x81"
       "3",
       0, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.text));
    double number = ToNumber(c.text);
    if (std::isinf(c.number)) {
      EXPECT_EQ(number, c.number);
    } else {
      EXPECT_EQ(std::bit_cast<uint64_t>(number), std::bit_cast<uint64_t>(c.number))
          << std::hexfloat << number;
    }
    EXPECT_EQ(ToInteger(c.text), c.integer);
  }
  // A sign with digits keeps the sign of zero; no digits at all give plain 0.
  EXPECT_TRUE(std::signbit(ToNumber("-0")));
  EXPECT_TRUE(std::signbit(ToNumber("-0e999")));
  EXPECT_FALSE(std::signbit(ToNumber("-")));
}

TEST(ConvertTest, LongDigitRunsRoundCorrectly) {
  // Far more digits than are kept: the sticky digit must still push the value past the
  // halfway point between 1 and the next double up.
  const std::string half = "1.00000000000000011102230246251565404236316680908203125";
  EXPECT_EQ(ToNumber(half), 1.0);  // the exact tie rounds to even
  EXPECT_EQ(ToNumber(half + std::string(2000, '0') + "1"), std::nextafter(1.0, 2.0));
  EXPECT_EQ(ToNumber(half + std::string(2000, '0')), 1.0);
  const std::string ones(5000, '1');
  EXPECT_EQ(ToNumber(ones.substr(0, 300)), ToNumber(ones.substr(0, 300) + ".999"));
  EXPECT_EQ(ToNumber(ones), kInf);
  EXPECT_EQ(ToNumber("0." + std::string(400, '0') + ones), 0.0);
  EXPECT_EQ(ToNumber("0." + std::string(300, '0') + "1" + std::string(1000, '2')),
            ToNumber("1.2222222222222222222222e-301"));
  EXPECT_EQ(ToNumber(std::string(1000, '9') + "e-1000"), 1.0);
}

TEST(ConvertTest, NumberToInteger) {
  const volatile double inf = kInf;
  const struct {
    double number;
    int32_t integer;
  } cases[] = {
      {-2.9, -2},
      {2.9, 2},
      {-0.5, 0},
      {0.5, 0},
      {2147483647.9, INT32_MAX},
      {2147483648.0, INT32_MIN},
      {4294967297.5, 1},
      {-4294967295.0, 1},
      {9223372036854774784.0, -1024},  // the largest double below 2^63
      {-3000000000.0, 1294967296},
      {-9007199254740992.0 - 7, -8},  // -(2^53 + 8) after rounding to a double
      // Nothing a 64-bit integer holds: the conversion yields 0x8000000000000000.
      {9223372036854775808.0, 0},
      {-9223372036854775808.0, 0},
      {1e300, 0},
      {inf, 0},
      {-inf, 0},
      {inf - inf, 0},
      {std::numeric_limits<double>::quiet_NaN(), 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ToInteger(c.number), c.integer) << std::hexfloat << c.number;
  }
}

}  // namespace
