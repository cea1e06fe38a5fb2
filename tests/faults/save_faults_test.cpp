// Saving against real folders that fail: a record is whole or absent, no temporary file
// stays behind, the host is told, and the next save into a healthy folder works.
#include <gtest/gtest.h>
#ifndef _WIN32
#include <signal.h>
#include <sys/fsuid.h>
#include <sys/resource.h>
#include <unistd.h>
#endif

#include <fstream>

#include "faults/fault_support.h"

namespace faults {
namespace {

const std::string kFailedSlot0 = "信息：: 保存游戏数据失败：游戏数据保存.txt";
const std::string kFull = "信息：: 保存数据已满，文件夹内不得有超过50个游戏数据";

class SaveFaultTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = MakeTemporaryFolder("save-fault");
    ASSERT_FALSE(root_.empty());
    run_ = root_ / "run";
    fs::create_directory(run_);
  }
  void TearDown() override {
#ifndef _WIN32
    if (geteuid() == 0)
      setfsuid(0);  // in case a test stopped while acting as another user
    if (mounted_)
      umount2(run_.c_str(), MNT_DETACH);
#endif
    std::error_code ignored;
    fs::permissions(run_, fs::perms::owner_all, ignored);
    fs::remove_all(root_, ignored);
  }

  // The record in `slot` after the folder was healed: whole, and nothing else left.
  void ExpectHealthySave(Board& board, const std::vector<std::string>& others = {}, int slot = 0) {
    const std::size_t messages = board.Messages().size();
    ASSERT_TRUE(board.Save());
    EXPECT_EQ(board.Messages().size(), messages) << "a healthy save shows nothing";
    EXPECT_EQ(RecordProblem(ReadBytes(SlotFile(run_, slot))), "");
    std::vector<std::string> expected = others;
    expected.push_back(SlotFile(run_, slot).filename().string());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(Entries(run_), expected);
  }

  fs::path root_;
  fs::path run_;
  bool mounted_ = false;
};

// Ways a run directory refuses a record. Each answers why it cannot be set up here
// (the test is then skipped), or the empty text.
struct Refusal {
  const char* name;
  std::string (*make)(SaveFaultTest& test, const fs::path& run, bool& mounted);
  void (*heal)(const fs::path& run);
  std::vector<std::string> left_after_heal;  // entries that stay besides the record
};

// Mounts, file modes, file-size limits and fork are POSIX's; Windows makes only the
// faults below that need none of them (cmake/WindowsTests.cmake lists what is left out).
#ifndef _WIN32
std::string ReadOnlyMount(SaveFaultTest&, const fs::path& run, bool& mounted) {
  std::string why = MountTmpfs(run, "size=1m", MS_RDONLY);
  mounted = why.empty();
  return why;
}
void RemountWritable(const fs::path& run) {
  ASSERT_EQ(mount("tmpfs", run.c_str(), "tmpfs", MS_REMOUNT, "size=1m"), 0) << strerror(errno);
}

// Root passes every file mode check, so as root the folder is tried by the unprivileged
// user instead: the file-system user id of this thread alone becomes "nobody".
constexpr uid_t kNobody = 65534;
std::string NoWritePermission(SaveFaultTest&, const fs::path& run, bool&) {
  const fs::perms read_and_search = fs::perms::owner_read | fs::perms::owner_exec |
                                    fs::perms::group_read | fs::perms::group_exec |
                                    fs::perms::others_read | fs::perms::others_exec;
  fs::permissions(run, read_and_search);
  if (geteuid() == 0) {
    fs::permissions(run.parent_path(), read_and_search, fs::perm_options::add);
    setfsuid(kNobody);
  }
  const fs::path probe = run / "probe";
  if (std::ofstream(probe)) {
    fs::remove(probe);
    setfsuid(0);
    fs::permissions(run, fs::perms::owner_all);
    return "file modes do not stop this user";
  }
  return {};
}
void GiveWritePermission(const fs::path& run) {
  if (geteuid() == 0)
    setfsuid(0);
  fs::permissions(run, fs::perms::owner_all);
}

#endif  // !_WIN32

std::string PathIsAFile(SaveFaultTest&, const fs::path& run, bool&) {
  fs::remove(run);
  std::ofstream(run) << "not a folder";
  return {};
}
void FileBecomesFolder(const fs::path& run) {
  fs::remove(run);
  fs::create_directory(run);
}

#ifndef _WIN32
// A tmpfs of four pages, three of them taken: the record outgrows the last page while it
// is being composed (the team line below is longer than a page).
std::string NearlyFullDisk(SaveFaultTest&, const fs::path& run, bool& mounted) {
  std::string why = MountTmpfs(run, "size=16k");
  mounted = why.empty();
  if (mounted)
    std::ofstream(run / "filler", std::ios::binary) << std::string(12288, 'x');
  return why;
}
void FreeTheDisk(const fs::path& run) {
  fs::remove(run / "filler");
}
#endif  // !_WIN32

class RefusingFolderTest : public SaveFaultTest, public ::testing::WithParamInterface<Refusal> {};

TEST_P(RefusingFolderTest, NothingPartialTheHostToldAndTheNextSaveWorks) {
  const Refusal& refusal = GetParam();
  const std::string why = refusal.make(*this, run_, mounted_);
  if (!why.empty())
    GTEST_SKIP() << refusal.name << ": " << why;
  const std::vector<std::string> before =
      fs::is_directory(run_) ? Entries(run_) : std::vector<std::string>{};

  Board board(run_);
  board.Type(编辑框1, "Orvane队：" + std::string(6000, 'm'));
  ASSERT_TRUE(board.Save());
  EXPECT_EQ(board.Messages(), std::vector<std::string>{kFailedSlot0});
  if (fs::is_directory(run_)) {
    EXPECT_EQ(Entries(run_), before) << "no partial record, no temporary file";
  }

  refusal.heal(run_);
  ExpectHealthySave(board, refusal.left_after_heal);
  EXPECT_EQ(RecordValue(ReadBytes(SlotFile(run_, 0)), 1),
            Gb("Orvane队：" + std::string(6000, 'm')));
}

std::vector<Refusal> Refusals() {
  return {
#ifndef _WIN32
      Refusal{"read-only mount", ReadOnlyMount, RemountWritable, {}},
      Refusal{"no write permission", NoWritePermission, GiveWritePermission, {}},
      Refusal{"disk fills mid-record", NearlyFullDisk, FreeTheDisk, {}},
#endif
      Refusal{"run directory is a file", PathIsAFile, FileBecomesFolder, {}},
  };
}

INSTANTIATE_TEST_SUITE_P(Folders, RefusingFolderTest, ::testing::ValuesIn(Refusals()),
                         [](const auto& param_info) {
                           std::string name = param_info.param.name;
                           for (char& c : name) {
                             if (!std::isalnum(static_cast<unsigned char>(c)))
                               c = '_';
                           }
                           return name;
                         });

#ifndef _WIN32
// The file-size limit stops the record mid-write, as a full disk would; the limit is set
// in a child so that the test process keeps its own.
TEST_F(SaveFaultTest, AFileSizeLimitMidRecordLeavesNothingAndTheHostIsTold) {
  const std::string team_line(3000, 'z');
  const std::string answer = InChild([&] {
    Board board(run_);
    board.Type(编辑框1, team_line);
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    const rlimit small{1024, limit.rlim_max};
    if (setrlimit(RLIMIT_FSIZE, &small) != 0)
      return std::string("skip: setrlimit failed");
    board.Save();
    std::string report;
    for (const std::string& message : board.Messages()) report += "message " + message + "\n";
    for (const std::string& entry : Entries(run_)) report += "entry " + entry + "\n";
    setrlimit(RLIMIT_FSIZE, &limit);
    board.Save();
    report += "messages after healing " + std::to_string(board.Messages().size()) + "\n";
    return report;
  });
  if (answer.rfind("skip: ", 0) == 0)
    GTEST_SKIP() << answer;
  EXPECT_EQ(answer, "message " + kFailedSlot0 + "\nmessages after healing 1\n");
  EXPECT_EQ(RecordProblem(ReadBytes(SlotFile(run_, 0))), "");
  EXPECT_EQ(Entries(run_), std::vector<std::string>{SlotFile(run_, 0).filename().string()});
}
#endif  // !_WIN32

// Slots that are taken already: by folders named like them, or by slot 50 itself.
struct TakenSlots {
  const char* name;
  std::vector<int> folders;
  std::vector<int> files;
  int expected_slot;  // -1: the folder is full
};

class TakenSlotsTest : public SaveFaultTest, public ::testing::WithParamInterface<TakenSlots> {};

TEST_P(TakenSlotsTest, TheRecordGoesToTheFirstFreeSlotOrNowhere) {
  const TakenSlots& taken = GetParam();
  for (int slot : taken.folders) fs::create_directory(SlotFile(run_, slot));
  for (int slot : taken.files) std::ofstream(SlotFile(run_, slot)) << "kept";
  const std::vector<std::string> before = Entries(run_);

  Board board(run_);
  ASSERT_TRUE(board.Save());
  if (taken.expected_slot < 0) {
    EXPECT_EQ(board.Messages(), std::vector<std::string>{kFull});
    EXPECT_EQ(Entries(run_), before);
    // Slot 50 moved away by hand: the next save takes the lowest free slot again.
    fs::remove_all(SlotFile(run_, kLastSlot));
    std::vector<std::string> others = before;
    others.erase(
        std::find(others.begin(), others.end(), SlotFile(run_, kLastSlot).filename().string()));
    int lowest_free = 0;
    while (fs::exists(SlotFile(run_, lowest_free))) ++lowest_free;
    ExpectHealthySave(board, others, lowest_free);
    return;
  }
  EXPECT_TRUE(board.Messages().empty());
  EXPECT_TRUE(fs::is_regular_file(SlotFile(run_, taken.expected_slot)));
  EXPECT_EQ(RecordProblem(ReadBytes(SlotFile(run_, taken.expected_slot))), "");
  EXPECT_EQ(Entries(run_).size(), before.size() + 1);
  for (int slot : taken.files) EXPECT_EQ(ReadBytes(SlotFile(run_, slot)), "kept");
}

std::vector<int> SlotsUpTo(int last) {
  std::vector<int> slots;
  for (int slot = 0; slot <= last; ++slot) slots.push_back(slot);
  return slots;
}

INSTANTIATE_TEST_SUITE_P(Slots, TakenSlotsTest,
                         ::testing::Values(TakenSlots{"FolderNamedLikeSlot0", {0}, {}, 1},
                                           TakenSlots{"FoldersAndFilesMixed", {0, 2}, {1, 3}, 4},
                                           TakenSlots{"FoldersUpTo49", SlotsUpTo(49), {}, 50},
                                           TakenSlots{"Slot50FileOnly", {}, {kLastSlot}, -1},
                                           TakenSlots{"Slot50Folder", {kLastSlot}, {}, -1},
                                           TakenSlots{
                                               "EverySlotTaken", {}, SlotsUpTo(kLastSlot), -1}),
                         [](const auto& param_info) { return std::string(param_info.param.name); });

// Values that the file's own syntax could mistake for its structure, and one that is
// simply very long: each stays one value of its key.
TEST_F(SaveFaultTest, ValuesWithLineBreaksBracketsEqualsOrOneMebibyteStayOneValue) {
  std::string long_line = "Orvane队：";
  std::string long_escaped = long_line;
  while (long_line.size() < (1u << 20)) {
    long_line += "甲乙丙丁\n";
    long_escaped += "甲乙丙丁\\n";
  }
  const struct {
    std::string typed;    // UTF-8, "\n" typed as a line break
    std::string escaped;  // UTF-8, as the record keeps it
  } cases[] = {
      {"a\nb\n\nc", "a\\nb\\n\\nc"},
      {"队：\n[保存]\n时间=伪造的时间\n主持费=0", "队：\\n[保存]\\n时间=伪造的时间\\n主持费=0"},
      {"]]==[[", "]]==[["},
      {"=", "="},
      {"[", "["},
      {long_line, long_escaped},
      {std::string(1u << 20, '='), std::string(1u << 20, '=')},
  };
  for (const auto& value : cases) {
    SCOPED_TRACE(value.typed.substr(0, 40));
    TearDown();
    SetUp();
    Board board(run_);
    std::string typed;
    for (char c : value.typed) typed += c == '\n' ? std::string("\r\n") : std::string(1, c);
    board.Type(编辑框1, typed);
    board.Type(编辑框2, typed);
    ASSERT_TRUE(board.Save());
    const std::string record = ReadBytes(SlotFile(run_, 0));
    ASSERT_EQ(RecordProblem(record), "");
    EXPECT_EQ(RecordValue(record, 1), Gb(value.escaped));
    EXPECT_EQ(RecordValue(record, 2), Gb(value.escaped));
    EXPECT_TRUE(board.Messages().empty());
    EXPECT_TRUE(LeftoverTemporaries(run_).empty());
  }
}

#ifndef _WIN32
// Two copies of the program save into one folder at the same instant, again and again:
// each record lands whole in a slot of its own. (Windows: save_race_win32_test.cpp.)
TEST_F(SaveFaultTest, TwoProcessesSavingAtTheSameInstantNeverShareASlot) {
  constexpr int kRounds = 200;
  for (int round = 0; round < kRounds; ++round) {
    const fs::path folder = root_ / ("round" + std::to_string(round));
    fs::create_directory(folder);
    int ready[2];
    int go[2];
    ASSERT_EQ(pipe(ready), 0);
    ASSERT_EQ(pipe(go), 0);
    pid_t children[2];
    for (int copy = 0; copy < 2; ++copy) {
      children[copy] = fork();
      ASSERT_GE(children[copy], 0);
      if (children[copy] == 0) {
        close(ready[0]);
        close(go[1]);
        int status = 1;
        {
          Board board(folder);
          board.Type(编辑框1, "copy" + std::to_string(copy));
          char byte = 'r';
          if (write(ready[1], &byte, 1) == 1 && read(go[0], &byte, 1) == 0) {
            board.Save();
            status = board.Messages().empty() ? 0 : 3;
          }
        }
        _exit(status);
      }
    }
    close(ready[1]);
    close(go[0]);
    char bytes[2];
    for (ssize_t got = 0; got < 2;) {
      const ssize_t more = read(ready[0], bytes, 2);
      ASSERT_GT(more, 0) << "a copy did not start";
      got += more;
    }
    close(go[1]);  // both copies click now
    close(ready[0]);
    for (pid_t child : children) {
      int status = 0;
      waitpid(child, &status, 0);
      ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "round " << round;
    }
    ASSERT_EQ(Entries(folder).size(), 2u) << "round " << round;
    std::vector<std::string> team_lines;
    for (int slot = 0; slot < 2; ++slot) {
      const std::string record = ReadBytes(SlotFile(folder, slot));
      ASSERT_EQ(RecordProblem(record), "") << "round " << round << " slot " << slot;
      team_lines.push_back(RecordValue(record, 1));
    }
    std::sort(team_lines.begin(), team_lines.end());
    ASSERT_EQ(team_lines, (std::vector<std::string>{"copy0", "copy1"})) << "round " << round;
    fs::remove_all(folder);
  }
}
#endif  // !_WIN32

}  // namespace
}  // namespace faults
