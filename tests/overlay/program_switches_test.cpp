// The program's switches from the command line and scoreboard-options.txt.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "shell/program_switches.h"
#include "support/temporary_folder.h"

namespace {

#ifdef _WIN32
const NativePath kFolder = L"C:\\records";
const std::string kAbsolute = "C:\\obs\\board";
#else
const NativePath kFolder = "/records";
const std::string kAbsolute = "/obs/board";
#endif

struct Case {
  const char* what;
  std::vector<std::string> command_line;  // UTF-8
  std::string file;                       // the options file's content
  std::map<std::string, std::string> given;
  std::vector<std::string> problems;  // in order, each as the reader words it
};

TEST(ProgramSwitches, CommandLineAndOptionsFile) {
  const std::string file = "scoreboard-options.txt";
  const std::u8string relative8 =
      (std::filesystem::path(kFolder) / "board").lexically_normal().u8string();
  const std::string relative(relative8.begin(), relative8.end());
  const std::vector<Case> cases = {
      {"nothing given", {}, "", {}, {}},
      {"only comments and blank lines", {}, "# overlay-dir /x\n\n   \n\t# more\n", {}, {}},
      {"a line with the dashes",
       {},
       "--overlay-dir " + kAbsolute + "\n",
       {{"overlay-dir", kAbsolute}},
       {}},
      {"a line without them, a byte-order mark and CR LF",
       {},
       "\xEF\xBB\xBF# the folder the streaming software reads\r\noverlay-dir " + kAbsolute + "\r\n",
       {{"overlay-dir", kAbsolute}},
       {}},
      {"a folder with blanks, quoted, after =",
       {},
       "overlay-dir=\"" + kAbsolute + " 2\"  \n",
       {{"overlay-dir", kAbsolute + " 2"}},
       {}},
      {"a relative folder is taken from the records folder",
       {},
       "overlay-dir board\n",
       {{"overlay-dir", relative}},
       {}},
      {"an unknown switch and a missing folder are skipped, the rest stands",
       {},
       "--no-such-switch on\noverlay-dir\n--overlay-dir " + kAbsolute + "\n",
       {{"overlay-dir", kAbsolute}},
       {file + ":1: unknown switch --no-such-switch", file + ":2: --overlay-dir needs a folder"}},
      {"a port the server cannot use is named with its line, the rest stands",
       {},
       "serve 70000\nserve\nserve 8080\n",
       {{"serve", "8080"}},
       {file + ":1: --serve 70000 is not a port or ADDRESS:PORT (a port from 0 to 65535, an "
               "IPv4 address)",
        file + ":2: --serve needs a port or ADDRESS:PORT"}},
      {"given twice in the file: the first stands",
       {},
       "overlay-dir " + kAbsolute + "\noverlay-dir " + kAbsolute + "2\n",
       {{"overlay-dir", kAbsolute}},
       {file + ":2: --overlay-dir is given twice; the first one stands"}},
      {"a line that is not UTF-8",
       {},
       "overlay-dir /\xFF\n",
       {},
       {file + ":1: the line is not UTF-8 text"}},
      {"the command line wins over the file",
       {"--overlay-dir", kAbsolute + "cl"},
       "overlay-dir " + kAbsolute + "\n",
       {{"overlay-dir", kAbsolute + "cl"}},
       {}},
      {"--name=value on the command line",
       {"--overlay-dir=" + kAbsolute},
       "",
       {{"overlay-dir", kAbsolute}},
       {}},
      {"command-line problems",
       {"board", "--bogus", "--overlay-dir"},
       "",
       {},
       {"command line: board is not a switch", "command line: unknown switch --bogus",
        "command line: --overlay-dir needs a folder"}},
  };
  for (const Case& c : cases) {
    ProgramSwitches switches;
    std::vector<NativePath> arguments;
    for (const std::string& word : c.command_line) arguments.push_back(NativePathFromUtf8(word));
    ReadCommandLineSwitches(arguments, switches);
    ReadOptionsText(c.file, file, kFolder, switches);
    std::map<std::string, std::string> given;
    for (const auto& [name, value] : switches.given) given[name] = Utf8FromNativePath(value);
    EXPECT_EQ(given, c.given) << c.what;
    EXPECT_EQ(switches.problems, c.problems) << c.what;
  }
}

TEST(ProgramSwitches, TheFileIsReadFromTheRecordsFolderOnlyWhenItIsThere) {
  const std::filesystem::path folder = NewTemporaryFolder("switches");
  ASSERT_FALSE(folder.empty());
  EXPECT_TRUE(ReadProgramSwitches({}, folder.native()).given.empty());
  EXPECT_TRUE(ReadProgramSwitches({}, folder.native()).problems.empty());
  std::ofstream(folder / "scoreboard-options.txt", std::ios::binary) << "overlay-dir out\n";
  const ProgramSwitches switches = ReadProgramSwitches({}, folder.native());
  ASSERT_TRUE(switches.overlay_dir().has_value());
  EXPECT_EQ(std::filesystem::path(*switches.overlay_dir()), (folder / "out").lexically_normal());
  std::filesystem::remove_all(folder);
}

}  // namespace
