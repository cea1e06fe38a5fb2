#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>

#include "services/ini_document.h"
#include "services/text.h"

namespace {

struct EditCase {
  const char* name;
  std::string before;
  std::string section;
  std::optional<std::string> key;
  std::optional<std::string> value;
  std::optional<std::string> after;  // std::nullopt: nothing changes
};

std::optional<std::string_view> View(const std::optional<std::string>& text) {
  if (!text) {
    return std::nullopt;
  }
  return std::string_view(*text);
}

TEST(IniDocument, EditsKeepEverythingTheyDoNotTouch) {
  const EditCase cases[] = {
      {"new file", "", "s", "k", "v", "[s]\r\nk=v\r\n"},
      {"empty value", "", "s", "k", "", "[s]\r\nk=\r\n"},
      {"section appended after a final CR LF", "[a]\r\nx=1\r\n", "s", "k", "v",
       "[a]\r\nx=1\r\n[s]\r\nk=v\r\n"},
      {"section appended after a last line without a break", "[a]\r\nx=1", "s", "k", "v",
       "[a]\r\nx=1\r\n[s]\r\nk=v\r\n"},
      {"section appended after LF-only lines", "[a]\nx=1\n", "s", "k", "v",
       "[a]\nx=1\n[s]\r\nk=v\r\n"},
      {"key appended after the last non-empty line of its section",
       "[s]\r\na=1\r\n\r\n[t]\r\nb=2\r\n", "s", "k", "v",
       "[s]\r\na=1\r\nk=v\r\n\r\n[t]\r\nb=2\r\n"},
      {"key appended into an empty section", "[s]\r\n[t]\r\n", "s", "k", "v",
       "[s]\r\nk=v\r\n[t]\r\n"},
      {"key appended to a header without a line break", "[s]", "s", "k", "v", "[s]\r\nk=v\r\n"},
      {"first occurrence of a key replaced", "[s]\r\nk=1\r\nk=2\r\n", "s", "k", "9",
       "[s]\r\nk=9\r\nk=2\r\n"},
      {"section and key match without case and blanks", " [ SaVe ] \r\n  Key = old\r\n", "save",
       "KEY", "new", " [ SaVe ] \r\nKEY=new\r\n"},
      {"an LF-only line touched is written with CR LF", "[s]\nk=1\nz=2\n", "s", "k", "3",
       "[s]\nk=3\r\nz=2\n"},
      {"the same key in another section is left alone", "[t]\r\nk=1\r\n[s]\r\nk=2\r\n", "s", "k",
       "3", "[t]\r\nk=1\r\n[s]\r\nk=3\r\n"},
      {"comments, lines without '=' and odd bytes are kept",
       ";top\r\nloose\r\n[s]\r\n;k=c\r\nk\r\nx\x80y=\xFF\r\n", "s", "k", "v",
       ";top\r\nloose\r\n[s]\r\n;k=c\r\nk\r\nx\x80y=\xFF\r\nk=v\r\n"},
      {"a lone CR inside a line is kept as a byte", "[s]\r\na=1\r2\r\n", "s", "k", "v",
       "[s]\r\na=1\r2\r\nk=v\r\n"},
      {"line breaks in value, key and section are escaped", "", "a\nb", "k\r\nl",
       "1\r\n2\r3\n4\n\r5", "[a\\nb]\r\nk\\nl=1\\n2\\n3\\n4\\n\\n5\r\n"},
      {"an escaped key is found again", "[s]\r\nk\\nl=1\r\n", "s", "k\nl", "2",
       "[s]\r\nk\\nl=2\r\n"},
      {"a key removed everywhere in its section", "[s]\r\nk=1\r\na=2\r\nK=3\r\n", "s", "k",
       std::nullopt, "[s]\r\na=2\r\n"},
      {"a section removed with all its lines", "[a]\r\nx=1\r\n[s]\r\nk=1\r\n\r\n[b]\r\ny=2", "s",
       std::nullopt, std::nullopt, "[a]\r\nx=1\r\n[b]\r\ny=2"},
      {"a missing key: nothing to remove", "[s]\r\na=1\r\n", "s", "k", std::nullopt, std::nullopt},
      {"a missing section: nothing to remove", "[a]\r\nk=1\r\n", "s", std::nullopt, std::nullopt,
       std::nullopt},
  };
  for (const EditCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(EditIniContent(c.before, c.section, View(c.key), View(c.value)), c.after);
  }
}

// GB18030 trail bytes include "]" (0x5D), "\" (0x5C) and ASCII letters; a section or key
// must be read character by character, never byte by byte.
TEST(IniDocument, DoubleByteNamesAreReadWholeCharacters) {
  const std::string bracket_trail = "\xB1\x5D";  // 盷: trail byte is "]"
  const std::string upper_trail = "\x81\x41";    // 丄: trail byte is "A"
  const std::string lower_trail = "\x81\x61";    // 乤: trail byte is "a"
  const std::string save = Gb("保存");

  const std::string with_bracket = "[" + bracket_trail + "]\r\nk=1\r\n";
  EXPECT_EQ(EditIniContent(with_bracket, bracket_trail, "k", "2"),
            "[" + bracket_trail + "]\r\nk=2\r\n");

  // Folding the trail "A" would make 丄 and 乤 one section.
  const std::string upper = "[" + upper_trail + "]\r\nk=1\r\n";
  EXPECT_EQ(EditIniContent(upper, lower_trail, "k", "2"),
            upper + "[" + lower_trail + "]\r\nk=2\r\n");

  const std::string record = "[" + save + "]\r\n" + Gb("时间") + "=1\r\n";
  EXPECT_EQ(EditIniContent(record, save, Gb("时间"), Gb("２")),
            "[" + save + "]\r\n" + Gb("时间") + "=" + Gb("２") + "\r\n");
}

TEST(IniDocument, GbCharLengthFollowsTheEncodingForms) {
  struct Case {
    std::string text;
    std::size_t length;
  };
  const Case cases[] = {
      {"a", 1},
      {"\xD5\x5C", 2},          // 誠
      {"\x94\x39\xFC\x36", 4},  // U+1F600
      {"\x81\x30\x81", 2},      // not a whole four-byte form: lead and its trail
      {"\x81", 1},              // lead byte at the end
      {"\xFF\x41", 1},          // 0xFF leads nothing
  };
  for (const Case& c : cases) EXPECT_EQ(GbCharLength(c.text, 0), c.length) << c.text;
}

}  // namespace
