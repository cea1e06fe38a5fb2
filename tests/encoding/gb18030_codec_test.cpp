// The program's own GB18030 tables, which the Windows build converts with, against the
// Linux build's converter, code by code: the two builds must write the same bytes.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "services/gb18030_codec.h"
#include "services/text.h"

namespace {

#ifndef _WIN32
std::string FourByte(std::uint32_t number) {
  std::string code(4, '\0');
  code[3] = static_cast<char>(0x30 + number % 10);
  number /= 10;
  code[2] = static_cast<char>(0x81 + number % 126);
  number /= 126;
  code[1] = static_cast<char>(0x30 + number % 10);
  code[0] = static_cast<char>(0x81 + number / 10);
  return code;
}

std::string Utf8Of(char32_t c) {
  std::string out;
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | c >> 6);
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | c >> 12);
    out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | c >> 18);
    out += static_cast<char>(0x80 | (c >> 12 & 0x3F));
    out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
  return out;
}
#endif

// The tables' answer in the form the program's conversions give: "?" for no character.
std::string TablesToUtf8(const std::string& gb) {
  std::string out = "kept";
  const bool converted = gb18030::ToUtf8(gb, out);
  if (!converted) {
    EXPECT_EQ(out, "kept") << "a refused conversion leaves the output alone";
    return "?";
  }
  return out.substr(4);
}
std::string TablesFromUtf8(const std::string& utf8) {
  std::string out = "kept";
  const bool converted = gb18030::FromUtf8(utf8, out);
  if (!converted) {
    EXPECT_EQ(out, "kept") << "a refused conversion leaves the output alone";
    return "?";
  }
  return out.substr(4);
}

#ifndef _WIN32
// On Linux TextFromUtf8 and Utf8FromText are glibc's converter; on Windows they are the
// tables themselves, so this comparison means something only here.
TEST(Gb18030Tables, DecodeEveryCodeAsTheLinuxConverterDoes) {
  int failures = 0;
  auto check = [&](const std::string& gb) {
    const std::string linux_utf8 = Utf8FromText(gb);
    if (TablesToUtf8(gb) != linux_utf8 && ++failures <= 10) {
      ADD_FAILURE() << "code " << testing::PrintToString(gb) << ": Linux gives "
                    << testing::PrintToString(linux_utf8);
    }
  };
  for (int lead = 0x81; lead <= 0xFE; ++lead) {
    for (int trail = 0x40; trail <= 0xFE; ++trail) {
      if (trail != 0x7F)
        check({static_cast<char>(lead), static_cast<char>(trail)});
    }
  }
  // Every four-byte code of the BMP, then a spread over the planes beyond and past them.
  for (std::uint32_t number = 0; number < 39420; ++number) check(FourByte(number));
  for (std::uint32_t number = 39420; number < 126 * 10 * 126 * 10; number += 37) {
    check(FourByte(number));
  }
  EXPECT_EQ(failures, 0);
}

TEST(Gb18030Tables, EncodeEveryCodePointAsTheLinuxConverterDoes) {
  int failures = 0;
  for (char32_t c = 0; c <= 0x10FFFF; c += c < 0x10000 ? 1 : 13) {
    if (c >= 0xD800 && c <= 0xDFFF)
      continue;
    const std::string utf8 = Utf8Of(c);
    const std::string linux_gb = TextFromUtf8(utf8);
    if (TablesFromUtf8(utf8) != linux_gb && ++failures <= 10) {
      ADD_FAILURE() << "U+" << std::hex << static_cast<std::uint32_t>(c) << ": Linux gives "
                    << testing::PrintToString(linux_gb);
    }
  }
  // The six characters that later took two-byte codes of their own.
  for (const char32_t c : {0x20087, 0x20089, 0x200CC, 0x215D7, 0x2298F, 0x241FE}) {
    EXPECT_EQ(TablesFromUtf8(Utf8Of(c)), TextFromUtf8(Utf8Of(c)));
  }
  EXPECT_EQ(failures, 0);
}
#endif

TEST(Gb18030Tables, BrokenInputIsRefusedWhole) {
  const std::string refused_gb[] = {
      "\x80",
      "\xFF",
      "a\x81",
      "\x81\x30",
      "\x81\x30\x81",
      "\x81\x7F",
      "\x81\x30\x81\x2F",
      "\x84\x31\xA5\x30",
      "\xE3\x32\x9A\x36",
      "\xFE\x39\xFE\x39",
  };
  for (const std::string& gb : refused_gb) {
    EXPECT_EQ(TablesToUtf8(gb), "?") << testing::PrintToString(gb);
  }
  const std::string refused_utf8[] = {
      "\xC0\xAF", "\xE0\x80\xAF", "\xED\xA0\x80",         "\xF4\x90\x80\x80",
      "\x80",     "\xE6\xA3",     "\xF8\x88\x80\x80\x80",
  };
  for (const std::string& utf8 : refused_utf8) {
    EXPECT_EQ(TablesFromUtf8(utf8), "?") << testing::PrintToString(utf8);
  }
  // The edges of the four-byte space: the first BMP code, the last BMP code, the first
  // and last code points beyond it.
  EXPECT_EQ(TablesToUtf8("\x81\x30\x81\x30"), "\xC2\x80");
  EXPECT_EQ(TablesToUtf8("\x84\x31\xA4\x39"), "\xEF\xBF\xBF");
  EXPECT_EQ(TablesToUtf8("\x90\x30\x81\x30"), "\xF0\x90\x80\x80");
  EXPECT_EQ(TablesToUtf8("\xE3\x32\x9A\x35"), "\xF4\x8F\xBF\xBF");
  EXPECT_EQ(TablesFromUtf8("\xF4\x8F\xBF\xBF"), "\xE3\x32\x9A\x35");
}

}  // namespace
