// The parts of the Linux window that need no display: key codes and command lines.
#include <gtest/gtest.h>

#ifdef SCOREBOARD_BINARY
#include <FL/Enumerations.H>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "platform/fltk/keys.h"
#include "platform/fltk/program_launch.h"

namespace {

TEST(WindowKeys, FltkKeysBecomeVirtualKeyCodes) {
  struct Case {
    int key;
    int32_t expected;
  };
  const Case cases[] = {
      {FL_Enter, 13},       {FL_KP_Enter, 13},   {FL_Tab, 9},
      {FL_BackSpace, 8},    {FL_Escape, 27},     {'a', 'A'},
      {'z', 'Z'},           {'0', '0'},          {'9', '9'},
      {FL_KP + '0', 0x60},  {FL_KP + '9', 0x69}, {FL_KP + '-', 0x6D},
      {FL_KP + '.', 0x6E},  {FL_KP + '/', 0x6F}, {FL_KP + '*', 0x6A},
      {FL_KP + '+', 0x6B},  {'-', 189},          {'.', 190},
      {'/', 191},           {FL_Left, 0x25},     {FL_Up, 0x26},
      {FL_Right, 0x27},     {FL_Down, 0x28},     {FL_Delete, 0x2E},
      {FL_F + 1, 0x70},     {FL_F + 12, 0x7B},   {FL_Shift_L, 0x10},
      {FL_Control_R, 0x11}, {FL_Home, 0x24},     {FL_End, 0x23},
      {FL_Page_Up, 0x21},   {' ', 0x20},         {0, 0},
      {0xFE20, 0},  // a key without a code stays 0 and passes by
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.key);
    EXPECT_EQ(VirtualKeyOf(c.key), c.expected);
  }
}

TEST(WindowKeys, ModifiersAreCtrlShiftAltWithoutTheirOwnPress) {
  EXPECT_EQ(ModifiersOf(0, 'a'), 0);
  EXPECT_EQ(ModifiersOf(FL_CTRL, 'a'), 1);
  EXPECT_EQ(ModifiersOf(FL_SHIFT, 'a'), 2);
  EXPECT_EQ(ModifiersOf(FL_ALT, 'a'), 4);
  EXPECT_EQ(ModifiersOf(FL_CTRL | FL_SHIFT | FL_ALT, FL_Enter), 7);
  EXPECT_EQ(ModifiersOf(FL_SHIFT, FL_Shift_L), 0);
  EXPECT_EQ(ModifiersOf(FL_SHIFT | FL_CTRL, FL_Control_L), 2);
  EXPECT_EQ(ModifiersOf(FL_ALT | FL_META, FL_Alt_R), 0);
}

TEST(WindowLaunch, CommandLines) {
  EXPECT_TRUE(IsWindowsCalculator("C:\\Windows\\System32\\calc.exe"));
  EXPECT_TRUE(IsWindowsCalculator("c:\\WINDOWS\\system32\\CALC.EXE"));
  EXPECT_TRUE(IsWindowsCalculator("\"C:\\Windows\\System32\\calc.exe\""));
  EXPECT_TRUE(IsWindowsCalculator("calc.exe"));
  EXPECT_FALSE(IsWindowsCalculator("C:\\Windows\\System32\\notcalc.exe2"));
  EXPECT_FALSE(IsWindowsCalculator(""));
  EXPECT_FALSE(IsWindowsCalculator("xcalc"));

  using Words = std::vector<std::string>;
  EXPECT_EQ(SplitCommandLine(""), Words{});
  EXPECT_EQ(SplitCommandLine("  "), Words{});
  EXPECT_EQ(SplitCommandLine("a b  c"), (Words{"a", "b", "c"}));
  EXPECT_EQ(SplitCommandLine("\"a b\" c"), (Words{"a b", "c"}));
  EXPECT_EQ(SplitCommandLine("x \"\""), (Words{"x", ""}));
}

TEST(WindowLaunch, CalculatorIsTheFirstInstalledOne) {
  char pattern[] = "/tmp/launch-test-XXXXXX";
  ASSERT_NE(mkdtemp(pattern), nullptr);
  const std::string dir = pattern;
  const std::string first = dir + "/a", second = dir + "/b";
  mkdir(first.c_str(), 0700);
  mkdir(second.c_str(), 0700);
  auto install = [](const std::string& path, mode_t mode) {
    std::ofstream(path) << "#!/bin/sh\n";
    chmod(path.c_str(), mode);
  };
  const std::string path_value = first + ":" + second;
  // None installed: nothing to start.
  EXPECT_TRUE(ProgramArguments("C:\\Windows\\System32\\calc.exe", path_value).empty());
  // A file that is not executable does not count.
  install(first + "/xcalc", 0600);
  EXPECT_TRUE(ProgramArguments("C:\\Windows\\System32\\calc.exe", path_value).empty());
  install(second + "/xcalc", 0700);
  EXPECT_EQ(ProgramArguments("C:\\Windows\\System32\\calc.exe", path_value),
            std::vector<std::string>{second + "/xcalc"});
  // An earlier calculator of the list wins over a later one, wherever it lies on PATH.
  install(second + "/galculator", 0700);
  EXPECT_EQ(ProgramArguments("C:\\Windows\\System32\\calc.exe", path_value),
            std::vector<std::string>{second + "/galculator"});
  // Other command lines run as given, found on PATH.
  EXPECT_EQ(ProgramArguments("xcalc -rpn", path_value),
            (std::vector<std::string>{second + "/xcalc", "-rpn"}));
  EXPECT_TRUE(ProgramArguments("no-such-program", path_value).empty());
  EXPECT_TRUE(ProgramArguments("", path_value).empty());
  std::system(("rm -rf " + dir).c_str());
}

}  // namespace
#endif
