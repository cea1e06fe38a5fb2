// How the team lines wrap, with a font of known widths: a Latin letter 1, a space 1, any
// other character 2 (as Chinese is wider); and that rows laid again after an edit are the
// rows laid from nothing.
#include "platform/fltk/text_rows.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

double Width(const char*, int length) {
  return length == 1 ? 1.0 : 2.0;
}

TEST(TextRows, WrapsAfterTheLastSpaceOrInsideAWordLongerThanTheRow) {
  struct Case {
    const char* text;
    double width;
    std::vector<int> starts;
  };
  const Case cases[] = {
      {"", 4, {0}},
      {"abcd", 4, {0}},         // fills the row exactly
      {"abcde", 4, {0, 4}},     // a word longer than the row is cut
      {"ab cd", 4, {0, 3}},     // the word goes on in the next row whole
      {"ab    cd", 4, {0, 6}},  // spaces hang past the row's end
      {"ab\ncd", 4, {0, 3}},    // a line break
      {"ab\n", 4, {0, 3}},      // and the empty row after it
      {"\n\n", 4, {0, 1, 2}},
      {"甲乙丙", 4, {0, 6}},        // two wide characters to a row
      {"甲乙丙", 1, {0, 3, 6}},     // one character at least, however wide
      {"a甲b乙", 2, {0, 1, 4, 5}},  // a | 甲 | b | 乙
      {"ab cdefgh", 4, {0, 3, 7}},  // a long word after a space: moved, then cut
      {"a\tb", 4, {0, 2}},          // a tab goes on to its stop (8 here) and hangs
      {"\xff\xfe", 1, {0, 1}},      // stray bytes are characters of their own
  };
  for (const Case& c : cases) {
    TextRows rows(8, Width);
    rows.Lay(c.text, c.width);
    EXPECT_EQ(rows.starts(), c.starts) << "\"" << c.text << "\" in " << c.width;
  }
}

TEST(TextRows, RowsAndTheirEnds) {
  const std::string text = "ab cd\nefghij";
  TextRows rows(8, Width);
  rows.Lay(text, 4);
  ASSERT_EQ(rows.starts(), (std::vector<int>{0, 3, 6, 10}));
  EXPECT_EQ(rows.end(0, text), 3);   // the space hangs at the row's end
  EXPECT_EQ(rows.end(1, text), 5);   // before the line break
  EXPECT_EQ(rows.end(2, text), 10);  // a wrapped row ends where the next starts
  EXPECT_EQ(rows.end(3, text), 12);
  EXPECT_EQ(rows.RowOf(0), 0);
  EXPECT_EQ(rows.RowOf(3), 1);
  EXPECT_EQ(rows.RowOf(5), 1);
  EXPECT_EQ(rows.RowOf(6), 2);
  EXPECT_EQ(rows.RowOf(12), 3);
}

// Edits anywhere in texts of long unbroken lines, words and breaks: the rows kept and laid
// again must be the rows of the new text laid from nothing. Deleting inside a word lets a
// row before it take the word back; that is where an edit's reach is easiest to get wrong.
TEST(TextRows, AnEditLaysTheRowsTheTextHasFromNothing) {
  const std::vector<std::string> pieces = {"a", "b", " ", "甲", "乙", "\n", "  ", "\t", "😀"};
  std::mt19937 random(20261209);
  for (int text_round = 0; text_round < 40; ++text_round) {
    std::string text;
    const int length = static_cast<int>(random() % 300);
    for (int i = 0; i < length; ++i) {
      // Mostly letters: long words and unbroken lines.
      const size_t piece = random() % 10 < 7 ? random() % 2 : random() % pieces.size();
      text += pieces[piece];
    }
    const double width = static_cast<double>(3 + random() % 12);
    TextRows kept(4, Width);
    kept.Lay(text, width);
    for (int edit = 0; edit < 60; ++edit) {
      // Edits at character boundaries: what the box makes.
      std::vector<int> boundaries;
      for (int p = 0; p <= static_cast<int>(text.size()); ++p)
        if (p == static_cast<int>(text.size()) ||
            (static_cast<unsigned char>(text[p]) & 0xC0) != 0x80)
          boundaries.push_back(p);
      const int at = boundaries[random() % boundaries.size()];
      int to = at;
      if (random() % 2 == 0) {
        to = boundaries[random() % boundaries.size()];
        if (to < at)
          to = at;
        if (to - at > 40)
          to = at;
      }
      std::string inserted;
      for (int i = static_cast<int>(random() % 4); i > 0; --i)
        inserted += pieces[random() % pieces.size()];
      const std::string before = text;
      text.replace(static_cast<size_t>(at), static_cast<size_t>(to - at), inserted);
      kept.Edited(text, at, to - at, static_cast<int>(inserted.size()));
      TextRows fresh(4, Width);
      fresh.Lay(text, width);
      ASSERT_EQ(kept.starts(), fresh.starts())
          << "after replacing [" << at << ", " << to << ") of \"" << before << "\" with \""
          << inserted << "\" in " << width;
    }
  }
}

}  // namespace
