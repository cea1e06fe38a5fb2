// The replay driver as a process: its exit statuses and what it says about bad scripts.
#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/wait.h>
#endif

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "services/file_services.h"
#include "support/temporary_folder.h"

namespace {

#ifdef _WIN32
// The build folder's path means nothing where the Windows programs run (under Wine, or
// copied to a Windows machine); the driver sits one folder above the test programs.
std::string ReplayBinary() {
  return (std::filesystem::path(ExecutableDirectory().value_or(NativePath())).parent_path() /
          "scoreboard-replay.exe")
      .string();
}
FILE* OpenPipe(const std::string& command) {
  return _popen(command.c_str(), "rb");
}
// _pclose answers the exit code itself.
int ClosePipe(FILE* pipe) {
  return _pclose(pipe);
}
#else
std::string ReplayBinary() {
  return REPLAY_BINARY;
}
FILE* OpenPipe(const std::string& command) {
  return popen(command.c_str(), "r");
}
int ClosePipe(FILE* pipe) {
  const int raw = pclose(pipe);
  return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
}
#endif

struct Outcome {
  int status = -1;
  std::string out;
  std::string err;
};

Outcome RunReplay(const std::string& script, const std::string& options = "") {
  // A folder of its own for every run: ctest runs test cases of this program in parallel.
  const std::filesystem::path dir = NewTemporaryFolder("replay-driver-test");
  if (dir.empty())
    return {};
  std::ofstream(dir / "script.txt", std::ios::binary) << script;
  const std::string command = ReplayBinary() + " --dir " + dir.string() + " " + options + " " +
                              (dir / "script.txt").string() + " 2>" + (dir / "err.txt").string();
  Outcome outcome;
  FILE* pipe = OpenPipe(command);
  if (pipe == nullptr) {
    ADD_FAILURE() << "cannot run " << command;
    return outcome;
  }
  std::array<char, 4096> buffer{};
  size_t got = 0;
  while ((got = fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
    outcome.out.append(buffer.data(), got);
  outcome.status = ClosePipe(pipe);
  {
    // Closed before the folder goes: Windows removes no open file.
    std::ifstream err(dir / "err.txt");
    outcome.err.assign(std::istreambuf_iterator<char>(err), {});
  }
  std::filesystem::remove_all(dir);
  return outcome;
}

TEST(ReplayDriver, StatusesAndMessages) {
  struct Case {
    const char* script;
    const char* options;
    int status;
    const char* out;
    const char* err_prefix;
  };
  const Case cases[] = {
      {"# nothing\n\n", "", 0, "", ""},
      {"print 编辑框9\r\n", "", 0, "编辑框9.content=0\n", ""},
      {"print 编辑框9\nfly 编辑框9\nprint 编辑框9\n", "", 2, "编辑框9.content=0\n",
       "error: line 2: unknown command"},
      {"\nclick 按钮999\n", "", 2, "", "error: line 2: unknown control"},
      {"print 编辑框9 interval\n", "", 2, "", "error: line 1: property"},
      {"pick 颜色选择器1 red\n", "", 2, "", "error: line 1: colour"},
      {"type 编辑框1 甲\\n乙\nprint 编辑框1\n", "", 0, "编辑框1.content=甲\\n乙\n", ""},
      {"write 编辑框25 content 7\nprint 编辑框25\n", "", 0, "编辑框25.content=7\n", ""},
      {"key 编辑框3 9\nkey 按钮42 13\n", "", 0, "ignored 按钮42\n", ""},
      {"wait 1000\nprint 标签22\n", "--now \"2020-02-29 23:59:59\"", 0,
       "标签22.caption=2020年3月1日\n", ""},
      {"", "--now yesterday", 2, "", "usage:"},
  };
  for (const Case& c : cases) {
    const Outcome outcome = RunReplay(c.script, c.options);
    EXPECT_EQ(outcome.status, c.status) << c.script;
    EXPECT_EQ(outcome.out, c.out) << c.script;
    EXPECT_EQ(outcome.err.substr(0, std::string(c.err_prefix).size()), c.err_prefix) << c.script;
  }
}

}  // namespace
