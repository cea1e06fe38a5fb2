// The overlay page the server hands the browser source: the program carries the page file
// as it is, and the page fetches nothing from elsewhere, never reloads itself (it follows
// the board live) and lets no board text in as markup.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "overlay/overlay_page.h"
#include "services/utf8.h"

namespace {

std::string PageFile() {
  const std::filesystem::path file =
      std::filesystem::path(TEST_SOURCE_DIR) / ".." / "overlay" / "page" / "overlay.html";
  std::ifstream in(file, std::ios::binary);
  EXPECT_TRUE(in) << "cannot read " << file;
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TEST(OverlayPage, TheProgramCarriesThePageFileByteForByte) {
  const std::string file = PageFile();
  const std::string_view embedded = OverlayPageHtml();
  ASSERT_FALSE(file.empty());
  EXPECT_EQ(embedded.size(), file.size());
  const auto [at_file, at_embedded] =
      std::mismatch(file.begin(), file.end(), embedded.begin(), embedded.end());
  EXPECT_TRUE(at_file == file.end() && at_embedded == embedded.end())
      << "the embedded page differs from the file from byte " << (at_file - file.begin());
  EXPECT_TRUE(IsValidUtf8(embedded));
  EXPECT_NE(embedded.find("<meta charset=\"utf-8\">"), std::string_view::npos);
}

TEST(OverlayPage, FetchesNothingFromOutsideNeverReloadsAndInsertsNoBoardTextAsMarkup) {
  struct Forbidden {
    std::string_view text;
    std::string_view why;
  };
  const std::vector<Forbidden> forbidden = {
      {"http:", "an address on another server"},
      {"https:", "an address on another server"},
      {"src=", "a script, picture or frame loaded from elsewhere"},
      {"href=", "a style sheet or font loaded from elsewhere"},
      {"@import", "a style sheet loaded from elsewhere"},
      {"url(", "a font or picture loaded from elsewhere"},
      {"innerHTML", "a board text parsed as markup"},
      {"outerHTML", "a board text parsed as markup"},
      {"insertAdjacentHTML", "a board text parsed as markup"},
      {"document.write", "a board text parsed as markup"},
      {"reload(", "the page reloads itself instead of following the board"},
      {"http-equiv", "a refresh that reloads the page"},
  };
  std::string page(OverlayPageHtml());
  std::transform(page.begin(), page.end(), page.begin(), [](char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
  });
  for (const Forbidden& f : forbidden) {
    std::string text(f.text);
    std::transform(text.begin(), text.end(), text.begin(), [](char c) {
      return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    });
    const std::size_t at = page.find(text);
    EXPECT_EQ(at, std::string::npos)
        << "the page holds \"" << f.text << "\" (" << f.why << ") at byte " << at;
  }
}

}  // namespace
