// The row-by-row decoder that the background's scaler pulls from: it ends cleanly
// whether the picture is read to the end, abandoned half-way or cut short.
#include <gtest/gtest.h>

#include <vector>

#include "resources/pictures.h"

namespace {

TEST(JpegRows, EndsCleanlyWhereverReadingStops) {
  const auto whole = EmbeddedPicture("background");
  ASSERT_FALSE(whole.empty());
  struct Case {
    const char* what;
    size_t bytes;     // of the picture handed over
    int rows_wanted;  // how many rows the reader is asked for
    bool all_rows;    // every row asked for comes
  };
  for (const Case c : {Case{"whole, read to the end", whole.size(), 600, true},
                       Case{"whole, abandoned half-way", whole.size(), 300, true},
                       Case{"cut in the middle", whole.size() / 2, 600, false}}) {
    SCOPED_TRACE(c.what);
    JpegRows rows(whole.first(c.bytes));
    ASSERT_TRUE(rows.ok());
    ASSERT_EQ(rows.width(), 800);
    ASSERT_EQ(rows.height(), 600);
    std::vector<uint8_t> row(800 * 3);
    int read = 0;
    while (read < c.rows_wanted && rows.Next(row.data())) ++read;
    EXPECT_EQ(read == c.rows_wanted, c.all_rows) << read << " rows";
    if (read == 600 || !c.all_rows) {
      EXPECT_FALSE(rows.Next(row.data())) << "a row past the end or after the damage";
    }
  }
}

}  // namespace
