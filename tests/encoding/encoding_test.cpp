#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "services/text.h"

namespace {

using namespace std::string_literals;

// Expected bytes come from the published GBK / GB18030 code tables.
TEST(Encoding, SystemTextsConvertToTheirTableBytesAndBack) {
  struct Case {
    std::string utf8;
    std::string gb;
  };
  const Case cases[] = {
      {"棒棒糖队", "\xB0\xF4\xB0\xF4\xCC\xC7\xB6\xD3"},
      {"小黄鸭队", "\xD0\xA1\xBB\xC6\xD1\xBC\xB6\xD3"},
      {"游戏数据保存", "\xD3\xCE\xCF\xB7\xCA\xFD\xBE\xDD\xB1\xA3\xB4\xE6"},
      {"専", "\x8C\x9F"},
      {"０１２", "\xA3\xB0\xA3\xB1\xA3\xB2"},
      {"￥", "\xA3\xA4"},
      {"☆", "\xA1\xEE"},
      {"誠", "\xD5\x5C"},                        // trail byte is the backslash byte
      {"\xF0\x9F\x98\x80", "\x94\x39\xFC\x36"},  // U+1F600: not in GBK, four-byte form
      {"abc 123=[]\\", "abc 123=[]\\"},
      {"", ""},
      {"a\0b"s, "a\0b"s},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.utf8);
    EXPECT_EQ(TextFromUtf8(c.utf8), c.gb);
    EXPECT_EQ(Utf8FromText(c.gb), c.utf8);
  }
}

TEST(Encoding, EveryTwoByteGbkCodeRoundTripsByteExact) {
  int failures = 0;
  for (int lead = 0x81; lead <= 0xFE; ++lead) {
    for (int trail = 0x40; trail <= 0xFE; ++trail) {
      if (trail == 0x7F) {
        continue;
      }
      const std::string gb{static_cast<char>(lead), static_cast<char>(trail)};
      const std::string utf8 = Utf8FromText(gb);
      if (utf8.find('?') != std::string::npos || TextFromUtf8(utf8) != gb) {
        if (++failures <= 10) {
          ADD_FAILURE() << std::hex << lead << ' ' << trail;
        }
      }
    }
  }
  EXPECT_EQ(failures, 0);
}

TEST(Encoding, BadProgramTextBytesBecomeOneQuestionMarkEach) {
  struct Case {
    std::string gb;
    std::string utf8;
  };
  const Case cases[] = {
      {"\x81", "?"},                      // lone lead byte at the end
      {"a\xB1", "a?"},                    // lead byte cut off after text
      {"\x80", "?"},                      // never a GB18030 byte
      {"\xFF", "?"},                      // never a GB18030 byte
      {"\x81\x30", "?0"},                 // four-byte form cut after two bytes
      {"\x81\x30\x81", "?0?"},            // ... and after three
      {"\x81\x30\xB1\xED", "?0表"},       // broken form: the character after survives
      {"\x81\x7F", "?\x7F"},              // 0x7F is no trail byte; it stays itself
      {"\x84\x31\xA5\x30z", "?z"},        // well-formed four bytes past the BMP range
      {"\xE3\x32\x9A\x36z", "?z"},        // well-formed four bytes past U+10FFFF
      {"\xB0\xF4\x80\xB0\xF4", "棒?棒"},  // good text on both sides kept
      {"\xB0\xF4\xB0", "棒?"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.utf8);
    EXPECT_EQ(Utf8FromText(c.gb), c.utf8);
  }
}

TEST(Encoding, BadUtf8BytesBecomeOneQuestionMarkPerBrokenSequence) {
  struct Case {
    std::string utf8;
    std::string gb;
  };
  const Case cases[] = {
      {"\xF0\x9F\x98", "?"},         // truncated four-byte form at the end
      {"a\xE6\xA3", "a?"},           // truncated three-byte form at the end
      {"\xE6\xA3z", "?z"},           // ... and before ASCII
      {"\xC0\xAF", "??"},            // overlong "/"
      {"\xED\xA0\x80", "???"},       // encoded surrogate
      {"\xF4\x90\x80\x80", "????"},  // past U+10FFFF
      {"\x80", "?"},                 // stray continuation byte
      {"棒\xFF糖", "\xB0\xF4?\xCC\xC7"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.gb);
    EXPECT_EQ(TextFromUtf8(c.utf8), c.gb);
  }
}

// Each thread keeps its own converters; concurrent use must not mix their state.
TEST(Encoding, ThreadsConvertIndependently) {
  const std::string utf8 = "小黄鸭队\xF0\x9F\x98\x80棒棒糖队";
  const std::string gb = TextFromUtf8(utf8);
  std::vector<int> wrong(4, 0);
  std::vector<std::thread> threads;
  for (std::size_t t = 0; t < wrong.size(); ++t) {
    threads.emplace_back([&, t] {
      for (int i = 0; i < 2000; ++i) {
        if (Utf8FromText(gb) != utf8 || TextFromUtf8(utf8) != gb) {
          ++wrong[t];
        }
        if (Utf8FromText("\x81") != "?") {
          ++wrong[t];
        }
      }
    });
  }
  for (std::thread& thread : threads) thread.join();
  for (const int count : wrong) EXPECT_EQ(count, 0);
}

}  // namespace
