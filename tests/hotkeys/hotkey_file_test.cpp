// The hotkey file: what each line binds, and the problem each unreadable line gives.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "shell/control_ids.h"
#include "shell/hotkey_file.h"
#include "shell/program_switches.h"
#include "support/temporary_folder.h"

namespace {

// Taken before any test runs: a started board makes its run folder the current one, and
// on Windows a path without a drive is taken on the current folder's drive.
const std::filesystem::path kProjectTests = std::filesystem::absolute(TEST_SOURCE_DIR);

using namespace hotkey_modifier;

struct Bound {
  uint32_t modifiers;
  int32_t virtual_key;
  ControlId control;
  std::string keys;
  bool operator==(const Bound&) const = default;
};
std::ostream& operator<<(std::ostream& out, const Bound& b) {
  return out << b.keys << " (" << b.modifiers << ", " << b.virtual_key << ") -> " << b.control;
}

struct Case {
  const char* what;
  std::string content;
  std::vector<Bound> bindings;
  std::vector<std::string> problems;  // after "hk.txt:"
};

TEST(HotkeyFile, BindingsAndProblemsLineByLine) {
  const std::vector<Case> cases = {
      {"empty", "", {}, {}},
      {"comments and blanks", "# Ctrl+1 = 按钮9\n\n  \t\n  # more\n", {}, {}},
      {"a control name", "Ctrl+Alt+1 = 按钮9", {{kCtrl | kAlt, '1', 按钮9, "Ctrl+Alt+1"}}, {}},
      {"a role, CR LF, byte-order mark, odd case and blanks",
       "\xEF\xBB\xBF  shift + ctrl + f12=棒棒糖队 礼物188\r\nwin+a = 保存\r\n",
       {{kCtrl | kShift, 0x7B, 按钮9, "Ctrl+Shift+F12"}, {kWin, 'A', 超级按钮1, "Win+A"}},
       {}},
      {"Control and Super are Ctrl and Win",
       "Control+Super+Z = 按钮52",
       {{kCtrl | kWin, 'Z', 按钮52, "Ctrl+Win+Z"}},
       {}},
      {"every kind of key",
       "F1=按钮3\nF24=按钮48\nNum0=按钮50\nalt+num9=按钮51\nnum+=按钮52\nCtrl+Num+=按钮53\n"
       "Num-=按钮26\nNum*=按钮27\nNum/=按钮33\nNum.=按钮35\nLeft=按钮1\nUp=按钮2\nRight=按钮18\n"
       "Down=按钮19\n0=按钮34\nz=单选框2",
       {{0, 0x70, 按钮3, "F1"},
        {0, 0x87, 按钮48, "F24"},
        {0, 0x60, 按钮50, "Num0"},
        {kAlt, 0x69, 按钮51, "Alt+Num9"},
        {0, 0x6B, 按钮52, "Num+"},
        {kCtrl, 0x6B, 按钮53, "Ctrl+Num+"},
        {0, 0x6D, 按钮26, "Num-"},
        {0, 0x6A, 按钮27, "Num*"},
        {0, 0x6F, 按钮33, "Num/"},
        {0, 0x6E, 按钮35, "Num."},
        {0, 0x25, 按钮1, "Left"},
        {0, 0x26, 按钮2, "Up"},
        {0, 0x27, 按钮18, "Right"},
        {0, 0x28, 按钮19, "Down"},
        {0, '0', 按钮34, "0"},
        {0, 'Z', 单选框2, "Z"}},
       {}},
      {"unreadable lines, and the good lines around them stand",
       "Ctrl+1 = 按钮9\nno equals sign\n= 按钮9\nCtrl+ = 按钮9\nCtrl+F25 = 按钮9\nF0 = 按钮9\n"
       "Ctrl+F01 = 按钮9\nMeta+1 = 按钮9\nCtrl+Ctrl+1 = 按钮9\nCtrl+2 =\nCtrl+3 = 编辑框9\n"
       "Ctrl+4 = 按钮54\nCtrl+Tab = 按钮9\nCtrl+\xFF = 按钮9\nxNum+ = 按钮9\nCtrl+5 = 按钮8\n",
       {{kCtrl, '1', 按钮9, "Ctrl+1"}, {kCtrl, '5', 按钮8, "Ctrl+5"}},
       {"2: not a binding: write the key, \"=\", and the button, as in \"Ctrl+Alt+1 = 按钮9\"",
        "3: no key before \"=\"", "4: no key after \"Ctrl+\"",
        "5: unknown key \"F25\" (A-Z, 0-9, F1-F24, Num0-Num9, Num+ Num- Num* Num/ Num., Left "
        "Right Up Down)",
        "6: unknown key \"F0\" (A-Z, 0-9, F1-F24, Num0-Num9, Num+ Num- Num* Num/ Num., Left "
        "Right Up Down)",
        "7: unknown key \"F01\" (A-Z, 0-9, F1-F24, Num0-Num9, Num+ Num- Num* Num/ Num., Left "
        "Right Up Down)",
        "8: unknown modifier \"Meta\" (Ctrl, Alt, Shift, Win)",
        "9: the modifier Ctrl is written twice", "10: no button after \"=\"",
        "11: \"编辑框9\" is no button the host can click (the README lists them)",
        "12: \"按钮54\" is no button the host can click (the README lists them)",
        "13: unknown key \"Tab\" (A-Z, 0-9, F1-F24, Num0-Num9, Num+ Num- Num* Num/ Num., Left "
        "Right Up Down)",
        "14: the line is not UTF-8 text", "15: unknown key \"xNum+\""}},
      {"a key bound twice: the first stands, whatever the spelling",
       "Ctrl+Alt+1 = 按钮9\nalt+ctrl+1 = 保存\nCtrl+Alt+2 = 按钮9\n",
       {{kCtrl | kAlt, '1', 按钮9, "Ctrl+Alt+1"}, {kCtrl | kAlt, '2', 按钮9, "Ctrl+Alt+2"}},
       {"2: Ctrl+Alt+1 is bound already on line 1; that binding stands"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const HotkeyFile file = ParseHotkeys(c.content, "hk.txt");
    std::vector<Bound> bound;
    for (const HotkeyBinding& b : file.bindings) {
      bound.push_back({b.key.modifiers, b.key.virtual_key, b.control, b.keys});
      EXPECT_EQ(b.where.rfind("hk.txt:", 0), 0u) << b.where;
    }
    EXPECT_EQ(bound, c.bindings);
    std::vector<std::string> problems;
    for (const std::string& p : c.problems) problems.push_back("hk.txt:" + p);
    EXPECT_EQ(file.problems, problems);
  }
}

TEST(HotkeyFile, TheSampleBindsItsButtonsWithoutAProblem) {
  const std::filesystem::path sample = kProjectTests / ".." / "packaging" / "hotkeys-sample.txt";
  const HotkeyFile file = ReadHotkeyFile(sample.native());
  EXPECT_TRUE(file.problems.empty()) << file.problems.front();
  // Both teams' seven picture gifts, both undos, both losses and the save.
  EXPECT_EQ(file.bindings.size(), 19u);
  const HotkeyBinding& last = file.bindings.back();
  EXPECT_EQ(last.control, 超级按钮1.id);
  EXPECT_EQ(last.where.substr(last.where.rfind(':')), ":50") << "line numbers count from 1";
  EXPECT_EQ(HeldByAnotherProgram(last),
            last.where + ": Ctrl+Alt+S is held by another program; choose another key");
}

TEST(HotkeyFile, TheSwitchNamesTheFileFromTheCommandLineOrTheOptionsFile) {
  const std::filesystem::path folder = NewTemporaryFolder("hotkeys");
  ASSERT_FALSE(folder.empty());
  std::ofstream(folder / "keys.txt") << "Ctrl+Alt+1 = 按钮9\nbad\n";
  std::ofstream(folder / "scoreboard-options.txt") << "hotkeys keys.txt\n";
  // From the options file: relative to the records folder.
  HotkeyFile from_file = HotkeysOfSwitches(ReadProgramSwitches({}, folder.native()));
  ASSERT_EQ(from_file.bindings.size(), 1u);
  EXPECT_EQ(from_file.bindings[0].control, 按钮9.id);
  ASSERT_EQ(from_file.problems.size(), 1u);
  EXPECT_NE(from_file.problems[0].find("keys.txt:2: not a binding"), std::string::npos)
      << from_file.problems[0];
  // No switch, no file: nothing, and nothing to tell.
  const HotkeyFile none = HotkeysOfSwitches(ReadProgramSwitches({}, std::nullopt));
  EXPECT_TRUE(none.bindings.empty());
  EXPECT_TRUE(none.problems.empty());
  // A file that is not there is said, once.
  const NativePath missing = (folder / "missing.txt").native();
  const HotkeyFile gone = HotkeysOfSwitches(
      ReadProgramSwitches({NativePath(NativePathFromUtf8("--hotkeys")), missing}, std::nullopt));
  ASSERT_EQ(gone.problems.size(), 1u);
  EXPECT_NE(gone.problems[0].find("missing.txt: the hotkey file cannot be read"), std::string::npos)
      << gone.problems[0];
  ProgramSwitches without_value;
  ReadCommandLineSwitches({NativePathFromUtf8("--hotkeys")}, without_value);
  EXPECT_EQ(without_value.problems,
            std::vector<std::string>{"command line: --hotkeys needs a file"});
  std::filesystem::remove_all(folder);
}

}  // namespace
