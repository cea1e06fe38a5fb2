// Which scale the Linux window takes from the host's variables and the X resources.
#include <gtest/gtest.h>

#include <string>

#include "platform/fltk/screen_scale.h"

namespace {

TEST(ScreenScaleChoice, HostSettingThenDesktopThenXftDpi) {
  struct Case {
    const char* scoreboard_scale;
    const char* gdk_scale;
    const char* resources;
    double scale;
    bool complains;
  };
  const char* kDpi144 = "Xft.antialias:\t1\nXft.dpi:\t144\nXft.hinting:\t1\n";
  const Case cases[] = {
      {nullptr, nullptr, nullptr, 1.0, false},
      {"1.5", "2", kDpi144, 1.5, false},
      {nullptr, "2", kDpi144, 2.0, false},
      {nullptr, nullptr, kDpi144, 1.5, false},
      {nullptr, nullptr, "Xft.dpi: 192", 2.0, false},
      {nullptr, nullptr, "Xft.dpi:\t120\n", 1.25, false},
      {nullptr, nullptr, "Xft.dpi:\t96\nXft.dpi:\t192\n", 2.0, false},  // the last one loaded
      {nullptr, nullptr, "Xft.antialias:\t1\n", 1.0, false},
      {nullptr, nullptr, "XXft.dpi:\t192\nXft.dpi:\tlarge\n", 1.0, false},
      {"abc", nullptr, kDpi144, 1.5, true},
      {"9", "2", nullptr, 2.0, true},
      {"", nullptr, nullptr, 1.0, true},
      {nullptr, "0", "Xft.dpi:\t192\n", 2.0, false},  // a desktop's 0 is no scale
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.scoreboard_scale ? c.scoreboard_scale : "-") + " " +
                 (c.gdk_scale ? c.gdk_scale : "-") + " " + (c.resources ? c.resources : "-"));
    std::string complaint;
    EXPECT_EQ(ChooseScreenScale(c.scoreboard_scale, c.gdk_scale, c.resources, complaint), c.scale);
    EXPECT_EQ(!complaint.empty(), c.complains) << complaint;
    if (c.complains) {
      EXPECT_NE(complaint.find("SCOREBOARD_SCALE"), std::string::npos) << complaint;
    }
  }
}

}  // namespace
