// The display scale: what a host's setting gives, and that scaled controls keep touching.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "shell/display_scale.h"

namespace {

TEST(DisplayScale, TextAndDpiGiveTheScaleAHostMeant) {
  struct Case {
    std::string text;
    std::optional<double> scale;
  };
  const Case cases[] = {
      {"1.5", 1.5},          {" 2 ", 2.0},         {"1", 1.0},
      {"0.5", 0.5},          {"4", 4.0},           {"4.01", std::nullopt},
      {"0.4", std::nullopt}, {"", std::nullopt},   {"1,5", std::nullopt},
      {"2x", std::nullopt},  {"-1", std::nullopt}, {"nan", std::nullopt},
      {"1e1", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(ScaleFromText(c.text), c.scale) << '"' << c.text << '"';

  struct Dpi {
    double dpi;
    double scale;
  };
  const Dpi dpis[] = {{96, 1.0},   {120, 1.25}, {144, 1.5}, {168, 1.75}, {192, 2.0}, {100, 1.0},
                      {110, 1.25}, {0, 1.0},    {-5, 1.0},  {9600, 4.0}, {20, 0.5}};
  for (const Dpi& d : dpis) EXPECT_EQ(ScaleFromDpi(d.dpi), d.scale) << d.dpi << " dpi";
}

TEST(DisplayScale, ScaledRectanglesKeepTouchingAndThinLinesStay) {
  // Two controls side by side and one below, at scales where sizes alone would round apart.
  const Rect left{3, 5, 7, 9}, right{10, 5, 7, 9}, below{3, 14, 7, 1};
  for (double scale : {1.0, 1.25, 1.5, 1.75, 2.0, 0.5, 3.0}) {
    Rect a = Scaled(left, scale), b = Scaled(right, scale), c = Scaled(below, scale);
    EXPECT_EQ(a.left + a.width, b.left) << "at " << scale;
    EXPECT_EQ(a.top + a.height, c.top) << "at " << scale;
    EXPECT_GE(c.height, 1) << "at " << scale;
  }
  EXPECT_EQ(Scaled(Rect{0, 0, 472, 581}, 2.0).width, 944);
  EXPECT_EQ(Scaled(Rect{0, 0, 472, 581}, 2.0).height, 1162);
  EXPECT_EQ(Scaled(1, 0.5), 1);
  EXPECT_EQ(Scaled(12, 1.5), 18);
  EXPECT_EQ(Scaled(0, 2.0), 0);
}

TEST(DisplayScale, FontHeightsNeverOutgrowTheirScaledBoxes) {
  struct Case {
    int32_t height;
    double scale;
    int32_t scaled;
  };
  // A Chinese glyph is as wide as its font is high: five of them at 11 pixels fill a
  // 56-pixel box, and at 1.5 must still fit its 84 pixels (16 x 5, not 17 x 5).
  const Case cases[] = {
      {-11, 1.5, -16}, {11, 1.5, 16}, {-12, 1.25, -15}, {-13, 1.75, -22}, {-11, 2.0, -22},
      {-40, 1.5, -60}, {12, 1.0, 12}, {-1, 0.5, -1},    {0, 2.0, 0},      {-7, 0.5, -3},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ScaledFontHeight(c.height, c.scale), c.scaled) << c.height << " at " << c.scale;
}

}  // namespace
