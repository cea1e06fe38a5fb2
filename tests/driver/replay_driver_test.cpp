// The replay driver as a process: its exit statuses and what it says about bad scripts.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

struct Outcome {
  int status = -1;
  std::string out;
  std::string err;
};

Outcome RunReplay(const std::string& script, const std::string& options = "") {
  // A folder of its own for every run: ctest runs test cases of this program in parallel.
  std::string pattern =
      (std::filesystem::temp_directory_path() / "replay-driver-test-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr)
    return {};
  const std::filesystem::path dir = pattern;
  std::ofstream(dir / "script.txt", std::ios::binary) << script;
  const std::string command = std::string(REPLAY_BINARY) + " --dir " + dir.string() + " " +
                              options + " " + (dir / "script.txt").string() + " 2>" +
                              (dir / "err.txt").string();
  Outcome outcome;
  FILE* pipe = popen(command.c_str(), "r");
  std::array<char, 4096> buffer{};
  size_t got = 0;
  while ((got = fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
    outcome.out.append(buffer.data(), got);
  const int raw = pclose(pipe);
  outcome.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  std::ifstream err(dir / "err.txt");
  outcome.err.assign(std::istreambuf_iterator<char>(err), {});
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
