// The program's GB18030 table against glibc's converters, an implementation of its own:
// every two-byte code and every Unicode scalar value. Where glibc differs, the difference
// must be one of the two known kinds, and the counts are pinned so that a table that
// drifts anywhere else fails here.
#ifndef _WIN32  // Linux only: glibc's iconv is the independent reference.
#include <gtest/gtest.h>
#include <iconv.h>

#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "services/text.h"

namespace {

class Converter {
 public:
  Converter(const char* to, const char* from) : descriptor_(iconv_open(to, from)) {}
  ~Converter() {
    if (ok())
      iconv_close(descriptor_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;
  bool ok() const { return descriptor_ != reinterpret_cast<iconv_t>(-1); }

  // The whole of `in` converted, or nothing when glibc refuses any of it.
  std::optional<std::string> operator()(const std::string& in) {
    iconv(descriptor_, nullptr, nullptr, nullptr, nullptr);
    char buffer[32];
    char* in_pointer = const_cast<char*>(in.data());
    std::size_t in_left = in.size();
    char* out_pointer = buffer;
    std::size_t out_left = sizeof buffer;
    if (iconv(descriptor_, &in_pointer, &in_left, &out_pointer, &out_left) ==
            static_cast<std::size_t>(-1) ||
        in_left != 0)
      return std::nullopt;
    return std::string(buffer, static_cast<std::size_t>(out_pointer - buffer));
  }

 private:
  iconv_t descriptor_;
};

// A scalar value as UTF-8, through glibc too, so no encoder of the program's is assumed.
std::string Utf8Of(char32_t point) {
  static Converter utf8_from_utf32("UTF-8", "UTF-32LE");
  const char bytes[4] = {static_cast<char>(point & 0xFF), static_cast<char>(point >> 8 & 0xFF),
                         static_cast<char>(point >> 16 & 0xFF), static_cast<char>(point >> 24)};
  return utf8_from_utf32(std::string(bytes, 4)).value_or(std::string());
}

bool IsPrivateUse(const std::string& utf8) {
  return utf8.size() == 3 && utf8 >= "\xEE\x80\x80" && utf8 <= "\xEF\xA3\xBF";  // U+E000-U+F8FF
}

// Two-byte codes that code page 936 (and so the records of Windows hosts) gives a
// private-use character, where glibc follows the later standards and gives a character
// that 936 lacks. glibc up to 2.40 follows the 2005 edition of GB18030: A6D9-A6F3 (ten),
// A8BC and fourteen codes of row FE (FE51 among them), and 24 scalar values it cannot
// write. From 2.41 it follows the 2022 edition, which gave six codes of row FE (FE51,
// FE52, FE53, FE6C, FE76, FE91) back to the private-use points that 936 has, and writes
// every scalar value. Which edition is asked of glibc itself, so the counts stay pinned
// on either and a table that drifts anywhere else still fails here.
struct GlibcEdition {
  int private_use_codes_reassigned;
  int scalar_values_refused;
};
constexpr GlibcEdition kGb18030Of2005{.private_use_codes_reassigned = 25,
                                      .scalar_values_refused = 24};
constexpr GlibcEdition kGb18030Of2022{.private_use_codes_reassigned = 19,
                                      .scalar_values_refused = 0};

GlibcEdition EditionOfGlibc() {
  Converter gb18030("UTF-8", "GB18030");
  // FE51: U+20087 in the 2005 edition, the private-use U+E816 in the 2022 edition.
  const std::optional<std::string> fe51 = gb18030("\xFE\x51");
  return fe51 && IsPrivateUse(*fe51) ? kGb18030Of2022 : kGb18030Of2005;
}

TEST(EncodingReference, EveryTwoByteCodeReadsAsCodePage936OrGb18030ReadsIt) {
  Converter cp936("UTF-8", "CP936");
  Converter gb18030("UTF-8", "GB18030");
  ASSERT_TRUE(cp936.ok() && gb18030.ok()) << "glibc's converters are part of the test machine";
  int reassigned = 0;
  int failures = 0;
  for (int lead = 0x81; lead <= 0xFE; ++lead) {
    for (int trail = 0x40; trail <= 0xFE; ++trail) {
      if (trail == 0x7F)
        continue;
      const std::string code{static_cast<char>(lead), static_cast<char>(trail)};
      const std::string ours = Utf8FromText(code);
      const std::optional<std::string> windows = cp936(code);
      const std::optional<std::string> standard = gb18030(code);
      bool fine = false;
      if (windows) {
        fine = ours == *windows;
      } else if (standard && ours == *standard) {
        fine = true;
      } else if (standard && IsPrivateUse(ours) && !IsPrivateUse(*standard)) {
        fine = true;
        ++reassigned;
      }
      if (!fine && ++failures <= 10)
        ADD_FAILURE() << std::hex << lead << ' ' << trail << ": ours " << ours;
    }
  }
  EXPECT_EQ(failures, 0);
  EXPECT_EQ(reassigned, EditionOfGlibc().private_use_codes_reassigned);
}

TEST(EncodingReference, EveryScalarValueWritesAsGlibcOrAsCodePage936Wrote) {
  Converter cp936("CP936", "UTF-8");
  Converter gb18030("GB18030", "UTF-8");
  ASSERT_TRUE(cp936.ok() && gb18030.ok()) << "glibc's converters are part of the test machine";
  int refused_by_glibc = 0;
  int kept_two_byte = 0;
  int four_byte_instead = 0;
  int euro = 0;
  int failures = 0;
  for (char32_t point = 0; point <= 0x10FFFF; ++point) {
    if (point >= 0xD800 && point <= 0xDFFF)
      continue;
    const std::string utf8 = Utf8Of(point);
    const Text ours = TextFromUtf8(utf8);
    bool fine = Utf8FromText(ours) == utf8;
    const std::optional<std::string> standard = gb18030(utf8);
    refused_by_glibc += standard ? 0 : 1;
    if (!standard || *standard != ours) {
      if (IsPrivateUse(utf8)) {
        // A private-use point that glibc moved away from its two-byte code.
        fine = fine && ours.size() == 2;
        ++kept_two_byte;
      } else {
        // The character glibc moved onto that code keeps its four-byte form.
        fine = fine && standard && standard->size() == 2 && ours.size() == 4;
        ++four_byte_instead;
      }
    }
    const std::optional<std::string> windows = point < 0x10000 ? cp936(utf8) : std::nullopt;
    if (windows && *windows != ours) {
      // The euro sign: code page 936 gives the single byte 0x80, which is no GB18030
      // text; it keeps its GB18030 code A2E3, as Windows' GB18030 code page writes it.
      fine = fine && point == 0x20AC && ours == "\xA2\xE3";
      ++euro;
    }
    if (!fine && ++failures <= 10)
      ADD_FAILURE() << "U+" << std::hex << static_cast<std::uint32_t>(point);
  }
  EXPECT_EQ(failures, 0);
  const GlibcEdition edition = EditionOfGlibc();
  EXPECT_EQ(refused_by_glibc, edition.scalar_values_refused);
  EXPECT_EQ(kept_two_byte, edition.private_use_codes_reassigned);
  EXPECT_EQ(four_byte_instead, edition.private_use_codes_reassigned);
  EXPECT_EQ(euro, 1);
}

// Every four-byte form a well-formed text can hold names one character and comes back
// as itself: the round trip the gb18030 fuzzer checks, here for all of them.
TEST(EncodingReference, EveryAssignedFourByteFormRoundTrips) {
  const auto form = [](std::uint32_t index) {
    return std::string{
        static_cast<char>(0x81 + index / 12600), static_cast<char>(0x30 + index / 1260 % 10),
        static_cast<char>(0x81 + index / 10 % 126), static_cast<char>(0x30 + index % 10)};
  };
  int failures = 0;
  const std::uint32_t ranges[][2] = {{0, 39419}, {189000, 189000 + 0x10FFFF - 0x10000}};
  for (const auto& range : ranges) {
    for (std::uint32_t index = range[0]; index <= range[1]; ++index) {
      const std::string code = form(index);
      const std::string utf8 = Utf8FromText(code);
      if ((utf8 == "?" || TextFromUtf8(utf8) != code) && ++failures <= 10)
        ADD_FAILURE() << "four-byte index " << index;
    }
  }
  EXPECT_EQ(failures, 0);
  EXPECT_EQ(Utf8FromText(form(39420)), "?") << "past the last BMP form";
  EXPECT_EQ(Utf8FromText(form(189000 + 0x100000)), "?") << "past U+10FFFF";
}

TEST(EncodingReference, PrivateUsePointsKeepTheBytesOfWindowsRecords) {
  EXPECT_EQ(TextFromUtf8("\xEE\xA0\x96"), "\xFE\x51");  // U+E816
  EXPECT_EQ(Utf8FromText("\xFE\x51"), "\xEE\xA0\x96");
  EXPECT_EQ(TextFromUtf8("\xE1\xB8\xBF"), "\x81\x35\xF4\x37");      // U+1E3F
  EXPECT_EQ(Utf8FromText("\xA8\xBC"), "\xEE\x9F\x87");              // U+E7C7
  EXPECT_EQ(TextFromUtf8("\xF0\xA0\x82\x87"), "\x95\x32\x90\x31");  // U+20087
  EXPECT_EQ(Utf8FromText("\x95\x32\x90\x31"), "\xF0\xA0\x82\x87");
}

}  // namespace
#endif  // !_WIN32
