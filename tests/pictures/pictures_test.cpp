#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "resources/pictures.h"

namespace {

struct Expected {
  const char* name;
  int32_t width;
  int32_t height;
};

// The catalogue fixes each picture's size: the gift buttons cut the edges off pictures
// of exactly these sizes, and the background is stretched from 800 x 600.
constexpr Expected kPictures[] = {
    {"background", 800, 600}, {"gift1", 43, 53}, {"gift2", 41, 52}, {"gift3", 42, 53},
    {"gift4", 42, 52},        {"gift5", 43, 52}, {"gift6", 43, 50}, {"gift7", 42, 52},
};

std::vector<uint8_t> Bytes(std::span<const uint8_t> span) {
  return {span.begin(), span.end()};
}

TEST(Pictures, EveryEmbeddedPictureDecodesAtItsSize) {
  for (const Expected& e : kPictures) {
    SCOPED_TRACE(e.name);
    const auto jpeg = EmbeddedPicture(e.name);
    ASSERT_FALSE(jpeg.empty());
    const auto picture = DecodeJpeg(jpeg);
    ASSERT_TRUE(picture.has_value());
    EXPECT_EQ(picture->width, e.width);
    EXPECT_EQ(picture->height, e.height);
    EXPECT_EQ(picture->rgb.size(), static_cast<size_t>(e.width) * e.height * 3);
    // A picture is drawn, not a flat fill: the pixels differ somewhere.
    bool varied = false;
    for (size_t i = 3; i < picture->rgb.size() && !varied; ++i)
      varied = picture->rgb[i] != picture->rgb[i % 3];
    EXPECT_TRUE(varied);
  }
  EXPECT_TRUE(EmbeddedPicture("gift8").empty());
  EXPECT_TRUE(EmbeddedPicture("").empty());
}

TEST(Pictures, BadDataGivesNothingWithoutCrashing) {
  const std::vector<uint8_t> good = Bytes(EmbeddedPicture("gift1"));
  ASSERT_GT(good.size(), 200u);
  std::vector<std::pair<std::string, std::vector<uint8_t>>> cases;
  cases.emplace_back("empty", std::vector<uint8_t>{});
  cases.emplace_back("text", std::vector<uint8_t>{'h', 'e', 'l', 'l', 'o'});
  cases.emplace_back("start marker only", std::vector<uint8_t>{0xFF, 0xD8});
  cases.emplace_back("start and end only", std::vector<uint8_t>{0xFF, 0xD8, 0xFF, 0xD9});
  for (size_t cut : {size_t{3}, size_t{20}, good.size() / 2, good.size() - 10}) {
    cases.emplace_back("cut at " + std::to_string(cut),
                       std::vector<uint8_t>(good.begin(), good.begin() + static_cast<long>(cut)));
  }
  std::vector<uint8_t> garbage(4096);
  uint32_t seed = 12345;
  for (uint8_t& b : garbage) {
    seed = seed * 1103515245u + 12345u;
    b = static_cast<uint8_t>(seed >> 16);
  }
  cases.emplace_back("random bytes", garbage);
  garbage[0] = 0xFF;
  garbage[1] = 0xD8;
  cases.emplace_back("random bytes after a start marker", garbage);
  // A frame header claiming 65535 x 65535 pixels must be refused, not allocated.
  std::vector<uint8_t> huge = good;
  for (size_t i = 0; i + 8 < huge.size(); ++i) {
    if (huge[i] == 0xFF && huge[i + 1] == 0xC0) {
      huge[i + 5] = huge[i + 6] = huge[i + 7] = huge[i + 8] = 0xFF;
      break;
    }
  }
  cases.emplace_back("huge frame", huge);
  for (const auto& [label, bytes] : cases) {
    SCOPED_TRACE(label);
    EXPECT_FALSE(DecodeJpeg(bytes).has_value());
  }
  // The same bytes whole still decode: the failures above came from the damage.
  EXPECT_TRUE(DecodeJpeg(good).has_value());
}

}  // namespace
