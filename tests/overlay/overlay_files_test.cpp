// The overlay folder as the streaming software meets it, through real replay-driver
// processes: the files hold what the driver prints, are never seen half-written, a
// folder that refuses is told once, and without a switch nothing is written at all.
#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/stat.h>
#include <sys/wait.h>

#include <unistd.h>
#include <algorithm>
#endif

#include <array>
#include <atomic>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <thread>

#include "overlay/board_json.h"
#include "services/file_services.h"
#include "support/temporary_folder.h"

namespace fs = std::filesystem;

namespace {

#ifdef _WIN32
std::string ReplayBinary() {
  return (fs::path(ExecutableDirectory().value_or(NativePath())).parent_path() /
          "scoreboard-replay.exe")
      .string();
}
FILE* OpenPipe(const std::string& command) {
  return _popen(command.c_str(), "rb");
}
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

// Runs the driver on `script` with the records folder `dir` and further arguments;
// `as_user` prefixes the program (to run it as another user).
Outcome RunDriver(const fs::path& dir, const std::string& arguments, const std::string& script,
                  const std::string& as_user = "") {
  const fs::path scratch = NewTemporaryFolder("overlay-script");
  std::ofstream(scratch / "script.txt", std::ios::binary) << script;
  const std::string command = as_user + ReplayBinary() + " --dir \"" + dir.string() + "\" " +
                              arguments + " \"" + (scratch / "script.txt").string() + "\" 2>\"" +
                              (scratch / "err.txt").string() + "\"";
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
    std::ifstream err(scratch / "err.txt", std::ios::binary);
    outcome.err.assign(std::istreambuf_iterator<char>(err), {});
  }
  fs::remove_all(scratch);
  return outcome;
}

std::optional<std::string> ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in)
    return std::nullopt;
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

// A strict reader of board.json's shape (objects of strings); false on anything else,
// so a file cut short or garbled fails. `values` gets each "group.key" or "key".
class JsonReader {
 public:
  explicit JsonReader(std::string_view text) : text_(text) {}
  bool Document(std::map<std::string, std::string>& values) {
    return Object("", values) && Take('\n') && at_ == text_.size();
  }

 private:
  bool Take(char c) {
    if (at_ >= text_.size() || text_[at_] != c)
      return false;
    ++at_;
    return true;
  }
  bool String(std::string& out) {
    if (!Take('"'))
      return false;
    while (at_ < text_.size() && text_[at_] != '"') {
      if (static_cast<unsigned char>(text_[at_]) < 0x20)
        return false;
      if (text_[at_] == '\\') {
        if (++at_ >= text_.size())
          return false;
        const char e = text_[at_++];
        if (e == 'n')
          out += '\n';
        else if (e == 'u')
          at_ += 4, out += '?';
        else if (e == '"' || e == '\\' || e == '/')
          out += e;
        else if (e == 'r' || e == 't')
          out += e == 'r' ? '\r' : '\t';
        else
          return false;
      } else {
        out += text_[at_++];
      }
    }
    return Take('"');
  }
  bool Object(const std::string& prefix, std::map<std::string, std::string>& values) {
    if (!Take('{'))
      return false;
    for (bool first = true; !Take('}'); first = false) {
      std::string key;
      if ((!first && !Take(',')) || !String(key) || !Take(':'))
        return false;
      if (at_ < text_.size() && text_[at_] == '{') {
        if (!Object(key + ".", values))
          return false;
      } else {
        std::string value;
        if (!String(value))
          return false;
        values[prefix + key] = value;
      }
    }
    return true;
  }
  std::string_view text_;
  std::size_t at_ = 0;
};

// What `print NAME` showed, as the text it stands for (the driver shows a break as \n).
std::map<std::string, std::string> Printed(const std::string& out) {
  std::map<std::string, std::string> printed;
  std::istringstream lines(out);
  std::string line;
  while (std::getline(lines, line)) {
    const auto dot = line.find('.');
    const auto equals = line.find('=');
    if (dot == std::string::npos || equals == std::string::npos || dot > equals)
      continue;
    // Built anew rather than replaced in place: g++ 12 warns falsely on replace (-Wrestrict).
    std::string value;
    for (std::size_t at = equals + 1; at < line.size(); ++at) {
      const bool line_break = line[at] == '\\' && at + 1 < line.size() && line[at + 1] == 'n';
      value += line_break ? '\n' : line[at];
      at += line_break ? 1 : 0;
    }
    printed[line.substr(0, equals)] = value;
  }
  return printed;
}

const char* const kPrintEveryValue =
    "print 分组框1\nprint 编辑框9\nprint 编辑框1\nprint 编辑框22\n"
    "print 分组框2\nprint 编辑框10\nprint 编辑框2\nprint 编辑框23\n"
    "print 编辑框11\nprint 编辑框12\nprint 编辑框28\nprint 编辑框13\n"
    "print 编辑框9 textcolour\nprint 颜色选择器3\n";

// The board's values as the driver printed them, in the order of the table.
BoardValues ValuesFromPrinted(const std::map<std::string, std::string>& printed,
                              const std::string& leader) {
  const char* const sources[kBoardFieldCount] = {"分组框1.caption",  "编辑框9.content",
                                                 "编辑框1.content",  "编辑框22.content",
                                                 "分组框2.caption",  "编辑框10.content",
                                                 "编辑框2.content",  "编辑框23.content",
                                                 "编辑框11.content", nullptr,
                                                 "编辑框12.content", "编辑框28.content",
                                                 "编辑框13.content"};
  BoardValues values;
  for (std::size_t i = 0; i < kBoardFieldCount; ++i) {
    if (sources[i] == nullptr) {
      values[i] = leader;
      continue;
    }
    const auto found = printed.find(sources[i]);
    EXPECT_NE(found, printed.end()) << sources[i];
    if (found != printed.end())
      values[i] = found->second;
  }
  return values;
}

class OverlayFilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = NewTemporaryFolder("overlay-files");
    ASSERT_FALSE(dir_.empty());
    // Another test of this program may have removed the folder it was in.
    fs::current_path(fs::temp_directory_path());
  }
  void TearDown() override {
    std::error_code ignored;
    fs::permissions(dir_, fs::perms::owner_all, ignored);
    for (const auto& entry : fs::recursive_directory_iterator(dir_, ignored))
      fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, ignored);
    fs::remove_all(dir_, ignored);
  }
  fs::path dir_;
};

TEST_F(OverlayFilesTest, TheFilesHoldWhatTheDriverPrints) {
#ifdef _WIN32
  // The test hands the folder to the driver through _popen, in the ANSI code page.
  const fs::path overlay = dir_ / "overlay dir";
#else
  const fs::path overlay = dir_ / "overlay 叠加";
#endif
  fs::create_directory(overlay);
  const std::string script = std::string(
                                 "type 编辑框3 2\nclick 按钮9\n"
                                 "type 编辑框4 1\nclick 按钮15\n"
                                 "type 编辑框1 Orvane队：🍭 \"甲\\\\乙\"\\n丙\n") +
                             kPrintEveryValue;
  const Outcome run = RunDriver(dir_, "--overlay-dir \"" + overlay.string() + "\"", script);
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, "");
  const auto printed = Printed(run.out);
  // The lollipop team leads: its score shows the colour of its lead picker.
  ASSERT_EQ(printed.at("编辑框9.textcolour"), printed.at("颜色选择器3.colour"));
  const BoardValues values = ValuesFromPrinted(printed, "lollipop");
  EXPECT_EQ(values[1], "376");
  EXPECT_NE(values[2].find("🍭"), std::string::npos);
  for (std::size_t i = 0; i < kBoardFieldCount; ++i) {
    const std::string name = FieldFileName(kBoardFields[i]);
    EXPECT_EQ(ReadFile(overlay / name), values[i]) << name;
  }
  EXPECT_EQ(ReadFile(overlay / "board.json"), BoardJson(values));
  std::map<std::string, std::string> parsed;
  ASSERT_TRUE(JsonReader(*ReadFile(overlay / "board.json")).Document(parsed));
  EXPECT_EQ(parsed.at("lollipop.score"), "376");
  EXPECT_EQ(parsed.at("leader"), "lollipop");
  // Nothing but the overlay's own files: no temporary file stays behind.
  std::set<std::string> names;
  for (const auto& entry : fs::directory_iterator(overlay))
    names.insert(entry.path().filename().string());
  EXPECT_EQ(names.size(), kBoardFieldCount + 1);
}

TEST_F(OverlayFilesTest, AReaderPollingDuringABurstNeverSeesHalfAFile) {
  const fs::path overlay = dir_ / "overlay";
  fs::create_directory(overlay);
  std::string script;
  constexpr int kCredits = 3000;
  for (int i = 0; i < kCredits; ++i) script += "type 编辑框3 1\nclick 按钮7\n";  // 5 beans each
  script += "print 编辑框9\n";

  std::atomic<bool> done{false};
  int reads = 0, bad = 0;
  std::string last_bad;
  long last_score = -1;
  std::thread poller([&] {
    while (!done) {
      if (const auto json = ReadFile(overlay / "board.json")) {
        std::map<std::string, std::string> values;
        ++reads;
        if (!JsonReader(*json).Document(values) || values.count("lollipop.score") == 0) {
          ++bad;
          last_bad = *json;
          continue;
        }
        const long score = std::stol(values["lollipop.score"]);
        if (score < last_score) {
          ++bad;
          last_bad = "the score went back: " + *json;
        }
        last_score = score;
      }
      if (const auto score = ReadFile(overlay / "lollipop-score.txt")) {
        if (score->empty() || score->find_first_not_of("0123456789") != std::string::npos) {
          ++bad;
          last_bad = "lollipop-score.txt: " + *score;
        }
      }
    }
  });
  const Outcome run = RunDriver(dir_, "--overlay-dir " + overlay.string(), script);
  done = true;
  poller.join();
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "编辑框9.content=" + std::to_string(5 * kCredits) + "\n");
  EXPECT_EQ(bad, 0) << "last bad read: " << last_bad;
  EXPECT_GT(reads, 0);
  // The last snapshot was written before the driver ended.
  EXPECT_EQ(ReadFile(overlay / "lollipop-score.txt"), std::to_string(5 * kCredits));
}

// A folder the overlay cannot write: said once, on standard error and in a message, and
// the board runs on.
void ExpectToldOnceAndRunsOn(const fs::path& dir, const fs::path& overlay,
                             const std::string& as_user = "") {
  const Outcome run =
      RunDriver(dir, "--overlay-dir " + overlay.string(),
                "type 编辑框3 1\nclick 按钮9\nclick 按钮9\nprint 编辑框9\n", as_user);
  EXPECT_EQ(run.status, 0);
  const std::string said = "the overlay folder " + overlay.string() + " cannot be written";
  const auto first = run.err.find(said);
  EXPECT_NE(first, std::string::npos) << run.err;
  EXPECT_EQ(run.err.find(said, first + 1), std::string::npos) << run.err;
  const auto message = run.out.find("message: 计分板: 以下设置未生效");
  EXPECT_NE(message, std::string::npos) << run.out;
  EXPECT_EQ(run.out.find("message:", message + 1), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("编辑框9.content=188\n"), std::string::npos) << run.out;
}

TEST_F(OverlayFilesTest, AFileInTheFolderPlaceIsToldOnce) {
  std::ofstream(dir_ / "overlay") << "not a folder";
  ExpectToldOnceAndRunsOn(dir_, dir_ / "overlay");
}

#ifndef _WIN32
TEST_F(OverlayFilesTest, AReadOnlyFolderIsToldOnce) {
  const fs::path overlay = dir_ / "overlay";
  fs::create_directory(overlay);
  const fs::perms read_and_search = fs::perms::owner_read | fs::perms::owner_exec |
                                    fs::perms::group_read | fs::perms::group_exec |
                                    fs::perms::others_read | fs::perms::others_exec;
  fs::permissions(overlay, read_and_search);
  // Root passes every file mode check: as root the driver runs as the unprivileged user.
  std::string as_user;
  if (geteuid() == 0) {
    fs::permissions(dir_, read_and_search, fs::perm_options::add);
    as_user = "setpriv --reuid=65534 --regid=65534 --clear-groups ";
  }
  ExpectToldOnceAndRunsOn(dir_, overlay, as_user);
}
#endif

TEST_F(OverlayFilesTest, WithoutSwitchesNothingButTheRecordIsWritten) {
  const Outcome run =
      RunDriver(dir_, "", "type 编辑框3 1\nclick 按钮9\nclick 超级按钮1\nprint 编辑框9\n");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out.find("message:"), std::string::npos) << run.out;
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(dir_)) {
    const auto name = entry.path().filename().u8string();
    names.emplace_back(name.begin(), name.end());
  }
  // The journal of the host's actions is the board's own file beside its records.
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"scoreboard-journal.txt", "游戏数据保存.txt"}));
}

TEST_F(OverlayFilesTest, TheOptionsFileBesideTheRecordsTurnsTheOverlayOn) {
  std::ofstream(dir_ / "scoreboard-options.txt", std::ios::binary)
      << "\xEF\xBB\xBF# overlay for the stream\r\noverlay-dir overlay\r\n--no-such-switch "
         "keys.txt\r\n";
  fs::create_directory(dir_ / "overlay");
  const Outcome run = RunDriver(dir_, "", "type 编辑框3 1\nclick 按钮9\n");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(ReadFile(dir_ / "overlay" / "lollipop-score.txt"), "188");
  // The line it cannot read is named on standard error and in the message, once.
  EXPECT_NE(run.err.find("scoreboard-options.txt:3: unknown switch --no-such-switch"),
            std::string::npos)
      << run.err;
  EXPECT_NE(run.out.find("scoreboard-options.txt:3: unknown switch --no-such-switch"),
            std::string::npos)
      << run.out;
}

}  // namespace
