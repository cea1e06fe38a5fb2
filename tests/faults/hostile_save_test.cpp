// Saves against a hostile environment, each through real replay processes and real
// folders: copies racing for the last slots, copies with the same process id, entries
// swapped in at the draft's name, a file-size limit, a run folder whose name is not
// UTF-8, hidden converter modules, a path near the system's limit, leftovers of a
// killed save. Every save must end as a whole record or a message the host sees.
#ifndef _WIN32  // Linux only: inotify, flock, namespaces and rlimits.
#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <sys/time.h>

#include <atomic>
#include <fstream>
#include <thread>

#include "faults/process_support.h"
#include "services/file_services.h"

namespace faults {
namespace {

const std::string kFull = "信息：: 保存数据已满，文件夹内不得有超过50个游戏数据";
const std::string kFailedPrefix = "信息：: 保存游戏数据失败：";

class HostileSaveTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = MakeTemporaryFolder("hostile-save");
    ASSERT_FALSE(root_.empty());
    run_ = root_ / "run";
    fs::create_directory(run_);
  }
  void TearDown() override {
    std::error_code ignored;
    fs::remove_all(root_, ignored);
  }

  fs::path root_;
  fs::path run_;
};

// Whether this machine lets a child enter new namespaces of `kinds` (unshare options);
// empty when it does, otherwise what refused.
std::string NamespacesRefusedBecause(const std::vector<std::string>& kinds) {
  std::vector<std::string> probe_args = {"unshare"};
  probe_args.insert(probe_args.end(), kinds.begin(), kinds.end());
  probe_args.push_back("true");
  const Outcome probe = Finish(Launch(probe_args, ""));
  if (probe.status == 0)
    return {};
  std::string what = "unshare";
  for (const std::string& kind : kinds) what += " " + kind;
  return what + " is refused here (exit " + std::to_string(probe.status) +
         "): the kernel or the container forbids new namespaces";
}

// Copies race for the slots that are left: every save ends as a record or a message,
// and losing the last free slot shows the folder-full message.
TEST_F(HostileSaveTest, CopiesRacingForTheLastSlotsEachEndVisibly) {
  struct Race {
    int taken_below;  // slots 0 .. taken_below-1 exist before the race
    int copies;
    int saves_each;
    int rounds;
  };
  const Race races[] = {{50, 8, 10, 6}, {40, 8, 3, 6}};
  for (const Race& race : races) {
    for (int round = 0; round < race.rounds; ++round) {
      SCOPED_TRACE("slots below " + std::to_string(race.taken_below) + ", round " +
                   std::to_string(round));
      const fs::path folder = root_ / ("race-" + std::to_string(round));
      fs::create_directory(folder);
      for (int slot = 0; slot < race.taken_below; ++slot)
        std::ofstream(SlotFile(folder, slot)) << "kept";
      std::vector<Process> copies;
      for (int copy = 0; copy < race.copies; ++copy)
        copies.push_back(Launch(ReplayArgs(folder), SavingScript(race.saves_each)));
      int full = 0;
      int failed = 0;
      for (Process& copy : copies) {
        const Outcome run = Finish(copy);
        ASSERT_EQ(run.status, 0) << run.out;
        full += CountMessages(run.out, kFull);
        failed += CountMessages(run.out, kFailedPrefix);
      }
      int new_records = 0;
      std::string problem;
      for (int slot = 0; slot <= kLastSlot; ++slot) {
        const std::string bytes = ReadBytes(SlotFile(folder, slot));
        if (bytes == "kept")
          continue;
        ++new_records;
        if (!RecordProblem(bytes).empty())
          problem += std::to_string(slot) + " ";
      }
      EXPECT_EQ(problem, "") << "records that are not whole";
      EXPECT_EQ(new_records, kLastSlot + 1 - race.taken_below) << "every slot is filled";
      EXPECT_EQ(failed, 0);
      EXPECT_EQ(new_records + full, race.copies * race.saves_each)
          << "a save ended with neither a record nor a message";
      EXPECT_TRUE(LeftoverTemporaries(folder).empty());
      fs::remove_all(folder);
    }
  }
}

// Copies in PID namespaces of their own have the same process id; their drafts still
// never meet.
TEST_F(HostileSaveTest, CopiesWithTheSameProcessIdNeverShareADraft) {
  if (const std::string why = NamespacesRefusedBecause({"--pid", "--fork"}); !why.empty())
    GTEST_SKIP() << why;
  constexpr int kPairs = 30;
  constexpr int kSavesEach = 8;
  // A long team line keeps each save writing long enough for the two to overlap.
  const std::string team_line(64 * 1024, 'x');
  for (int pair = 0; pair < kPairs; ++pair) {
    SCOPED_TRACE("pair " + std::to_string(pair));
    const fs::path folder = root_ / ("pair-" + std::to_string(pair));
    fs::create_directory(folder);
    std::vector<Process> copies;
    for (int copy = 0; copy < 2; ++copy) {
      std::vector<std::string> args = {"unshare", "--pid", "--fork"};
      for (const std::string& arg : ReplayArgs(folder)) args.push_back(arg);
      copies.push_back(LaunchFed(args));
      ASSERT_TRUE(
          Feed(copies.back(), "type 编辑框1 copy" + std::to_string(copy) + team_line + "\n"));
    }
    // Both copies are started and have their team line before either clicks.
    for (const Process& copy : copies) ASSERT_TRUE(AwaitConsumed(copy));
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    std::string clicks;
    for (int save = 0; save < kSavesEach; ++save) clicks += "click 超级按钮1\n";
    for (const Process& copy : copies) ASSERT_TRUE(Feed(copy, clicks));
    for (Process& copy : copies) {
      const Outcome run = Finish(copy);
      ASSERT_EQ(run.status, 0) << run.out;
      EXPECT_EQ(run.out.find("message: "), std::string::npos) << run.out;
    }
    std::string problem;
    EXPECT_EQ(CountWholeRecords(folder, &problem), 2 * kSavesEach);
    EXPECT_EQ(problem, "");
    int per_copy[2] = {0, 0};
    for (int slot = 0; slot < 2 * kSavesEach; ++slot) {
      const std::string value = RecordValue(ReadBytes(SlotFile(folder, slot)), 1);
      if (value == "copy0" + team_line || value == "copy1" + team_line)
        ++per_copy[value[4] - '0'];
    }
    EXPECT_EQ(per_copy[0], kSavesEach);
    EXPECT_EQ(per_copy[1], kSavesEach);
    EXPECT_TRUE(LeftoverTemporaries(folder).empty());
    fs::remove_all(folder);
  }
}

// Whatever appears at a draft's name the moment it is created: the save neither writes
// through it, nor blocks on it, nor places it as a record.
TEST_F(HostileSaveTest, ALinkOrFifoSwappedInAtTheDraftIsNeverWrittenOrPlaced) {
  enum class Swap { kSymlink, kFifo, kRemoved };
  const struct {
    const char* name;
    Swap swap;
  } cases[] = {{"symlink", Swap::kSymlink}, {"fifo", Swap::kFifo}, {"removed", Swap::kRemoved}};
  const fs::path outside = root_ / "outside.txt";
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::ofstream(outside, std::ios::binary) << "untouched";
    const fs::path folder = root_ / c.name;
    fs::create_directory(folder);
    const int watch = inotify_init1(IN_NONBLOCK);
    ASSERT_GE(watch, 0);
    ASSERT_GE(inotify_add_watch(watch, folder.c_str(), IN_CREATE), 0);
    std::atomic<bool> stop{false};
    std::atomic<int> swapped{0};
    std::thread attacker([&] {
      alignas(inotify_event) char buffer[8192];
      while (!stop) {
        const ssize_t got = read(watch, buffer, sizeof buffer);
        if (got <= 0) {
          std::this_thread::yield();
          continue;
        }
        for (ssize_t pos = 0; pos < got;) {
          const auto* event = reinterpret_cast<const inotify_event*>(buffer + pos);
          pos += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
          const std::string name = event->len > 0 ? event->name : "";
          if (name.rfind("~scoreboard-record-", 0) != 0)
            continue;
          const fs::path at = folder / name;
          if (rename(at.c_str(), (root_ / ("moved-" + name)).c_str()) != 0 &&
              unlink(at.c_str()) != 0)
            continue;
          bool put = false;
          if (c.swap == Swap::kSymlink)
            put = symlink(outside.c_str(), at.c_str()) == 0;
          else if (c.swap == Swap::kFifo)
            put = mkfifo(at.c_str(), 0666) == 0;
          else
            put = unlink((root_ / ("moved-" + name)).c_str()) == 0;
          swapped += put ? 1 : 0;
        }
      }
    });
    // A long team line keeps each save busy writing long enough to be caught.
    const int saves = 20;
    const Outcome run =
        Finish(Launch(ReplayArgs(folder), SavingScript(saves, std::string(1 << 20, 'x'))),
               std::chrono::seconds(60));
    stop = true;
    attacker.join();
    close(watch);
    ASSERT_FALSE(run.hung) << "a save blocked";
    ASSERT_EQ(run.status, 0);
    EXPECT_GT(swapped.load(), 0) << "the swap never caught a save";
    EXPECT_EQ(ReadBytes(outside), "untouched");
    std::string problem;
    const int records = CountWholeRecords(folder, &problem);
    EXPECT_EQ(problem, "");
    EXPECT_EQ(records + CountMessages(run.out, kFailedPrefix), saves) << run.out.substr(0, 2000);
  }
}

// Under a file-size limit the write fails and the host is told; the board lives on.
TEST_F(HostileSaveTest, AFileSizeLimitFailsTheSaveInsteadOfKillingTheBoard) {
  std::string command = "ulimit -f 2 && exec";
  for (const std::string& arg : ReplayArgs(run_)) command += " '" + arg + "'";
  const Outcome run = Finish(
      Launch({"sh", "-c", command}, SavingScript(1, std::string(4000, 'z')) + "print 编辑框9\n"));
  EXPECT_EQ(run.status, 0) << "ended by a signal instead of reporting";
  EXPECT_EQ(CountMessages(run.out, kFailedPrefix + "游戏数据保存.txt"), 1) << run.out;
  EXPECT_NE(run.out.find("编辑框9.content="), std::string::npos) << "the board went on";
  EXPECT_TRUE(Entries(run_).empty()) << "nothing partial, no draft left";
}

// Run folders whose paths the program's text encoding cannot carry, or that are long.
TEST_F(HostileSaveTest, RunFoldersOfAnyNameOrLengthTakeRecords) {
  const fs::path gbk = root_ / "\xD0\xA1\xBB\xC6\xD1\xBC";  // 小黄鸭 in GBK bytes
  fs::create_directory(gbk);
  fs::path deep = root_;
  while (deep.string().size() < 4075 - 200) deep /= std::string(200, 'd');
  deep /= std::string(4075 - deep.string().size() - 1, 'e');
  fs::create_directories(deep);
  ASSERT_EQ(deep.string().size(), 4075u);
  for (const fs::path& folder : {gbk, deep}) {
    SCOPED_TRACE(folder.string().substr(0, 80));
    const Outcome run = Replay(folder, SavingScript(2));
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out.find("message: "), std::string::npos) << run.out;
    // Read relative to the folder: the slot's full path is longer than the system takes.
    const fs::path before = fs::current_path();
    fs::current_path(folder);
    EXPECT_EQ(RecordProblem(ReadBytes(SlotFile(".", 0))), "");
    EXPECT_EQ(RecordProblem(ReadBytes(SlotFile(".", 1))), "");
    EXPECT_EQ(Entries(".").size(), 2u);
    fs::current_path(before);
  }
}

// With glibc's converter modules hidden the records still hold their Chinese text.
TEST_F(HostileSaveTest, RecordsNeedNoConverterModules) {
  if (const std::string why = NamespacesRefusedBecause({"--mount"}); !why.empty())
    GTEST_SKIP() << why;
  std::string modules;
  for (const char* candidate :
       {"/usr/lib/x86_64-linux-gnu/gconv", "/usr/lib/aarch64-linux-gnu/gconv", "/usr/lib64/gconv",
        "/usr/lib/gconv"}) {
    if (fs::exists(fs::path(candidate) / "gconv-modules") ||
        fs::exists(fs::path(candidate) / "GBK.so")) {
      modules = candidate;
      break;
    }
  }
  ASSERT_FALSE(modules.empty()) << "glibc's gconv folder was not found";
  std::string command = "mount --make-rprivate / && mount -t tmpfs tmpfs " + modules +
                        " && if printf x | iconv -f GB18030 -t UTF-8 >/dev/null 2>&1;"
                        " then echo modules-still-visible; exit 3; fi && exec";
  for (const std::string& arg : ReplayArgs(run_)) command += " '" + arg + "'";
  const Outcome run = Finish(Launch({"unshare", "--mount", "sh", "-c", command},
                                    SavingScript(1, "棒棒糖队：张三") + "print 编辑框1\n"));
  ASSERT_EQ(run.status, 0) << run.out;
  EXPECT_NE(run.out.find("编辑框1.content=棒棒糖队：张三"), std::string::npos) << run.out;
  const std::string record = ReadBytes(SlotFile(run_, 0));
  EXPECT_EQ(RecordProblem(record), "");
  EXPECT_EQ(RecordValue(record, 1), "\xB0\xF4\xB0\xF4\xCC\xC7\xB6\xD3\xA3\xBA\xD5\xC5\xC8\xFD");
}

// Drafts that a killed save left behind go at the next save; a copy's draft in use stays.
TEST_F(HostileSaveTest, LeftoversOfAKilledSaveAreCleanedUp) {
  // A copy killed the moment its draft appears leaves the draft behind. On a loaded
  // machine the save may still finish before the kill lands; then the copy is tried again.
  std::vector<std::string> left;
  int status = 0;
  for (int attempt = 0; attempt < 20 && left.size() != 1; ++attempt) {
    fs::remove(SlotFile(run_, 0));
    for (const std::string& name : LeftoverTemporaries(run_)) fs::remove(run_ / name);
    const int watch = inotify_init1(0);
    ASSERT_GE(watch, 0);
    ASSERT_GE(inotify_add_watch(watch, run_.c_str(), IN_CREATE), 0);
    Process killed = Launch(ReplayArgs(run_), SavingScript(1, std::string(2 << 20, 'k')));
    // The journal of the host's actions appears first; the draft is what counts.
    bool draft_made = false;
    while (!draft_made) {
      alignas(inotify_event) char events[4 * (sizeof(inotify_event) + 256)];
      const ssize_t got = read(watch, events, sizeof events);
      ASSERT_GT(got, 0);
      for (ssize_t at = 0; at < got;) {
        const auto* event = reinterpret_cast<const inotify_event*>(events + at);
        if (event->len > 0 && IsDraftName(event->name))
          draft_made = true;
        at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
      }
    }
    kill(killed.pid, SIGKILL);
    close(watch);
    status = Finish(killed).status;
    left = LeftoverTemporaries(run_);
    if (status == 128 + SIGKILL && left.size() == 1) {
      EXPECT_FALSE(fs::exists(SlotFile(run_, 0))) << "a killed save left a record as well";
    }
  }
  EXPECT_EQ(status, 128 + SIGKILL);
  ASSERT_EQ(left.size(), 1u) << "no killed save left its draft in 20 tries";

  const fs::path stale = run_ / left.front();
  const fs::path held = run_ / "~scoreboard-record-4343-0123456789abcdef.tmp";
  std::ofstream(held) << "[保存]\r\n时间=";
  for (const fs::path& path : {stale, held})
    fs::last_write_time(path, fs::last_write_time(path) - std::chrono::minutes(10));
  // A live copy holds its draft locked, as a save does while it runs; a lock of this
  // process stands for it, as the replay driver is a process of its own.
  const int holder = open(held.c_str(), O_RDONLY);
  ASSERT_GE(holder, 0);
  ASSERT_EQ(flock(holder, LOCK_EX), 0);
  const Outcome run = Replay(run_, SavingScript(1));
  close(holder);
  EXPECT_EQ(run.status, 0);
  EXPECT_FALSE(fs::exists(stale));
  EXPECT_TRUE(fs::exists(held));
  EXPECT_EQ(RecordProblem(ReadBytes(SlotFile(run_, 0))), "");
}

// The cleanup beside a save removes only drafts a save made: foreign files that merely
// look like one survive the save, however old, while a stale draft of ours still goes.
TEST_F(HostileSaveTest, ForeignFilesBesideASaveSurviveIt) {
  const fs::path outside = root_ / "outside.txt";
  std::ofstream(outside) << "kept elsewhere";
  const bool as_root = geteuid() == 0;
  struct Foreign {
    const char* what;
    std::string name;
  };
  std::vector<Foreign> foreign = {
      {"a note of the host's", "~scoreboard-record-my notes.tmp"},
      {"a draft-named hard link to a file elsewhere", "~scoreboard-record-77-0123456789abcdef.tmp"},
      {"15 hex digits", "~scoreboard-record-79-0123456789abcde.tmp"},
      {"17 hex digits", "~scoreboard-record-80-0123456789abcdef0.tmp"},
      {"upper-case hex digits", "~scoreboard-record-81-0123456789ABCDEF.tmp"},
      {"no process id", "~scoreboard-record--0123456789abcdef.tmp"},
  };
  const std::string other_users = "~scoreboard-record-78-0123456789abcdef.tmp";
  if (as_root)
    foreign.push_back({"another user's file", other_users});
  const std::string ours = "~scoreboard-record-4242-feedfacecafebeef.tmp";

  for (const Foreign& f : foreign) {
    const fs::path path = run_ / f.name;
    if (f.name == "~scoreboard-record-77-0123456789abcdef.tmp")
      fs::create_hard_link(outside, path);
    else
      std::ofstream(path) << f.what;
  }
  std::ofstream(run_ / ours) << "[保存]\r\n时间=";
  if (as_root) {
    const passwd* nobody = getpwnam("nobody");
    ASSERT_NE(nobody, nullptr) << "no user nobody to own a file";
    ASSERT_EQ(chown((run_ / other_users).c_str(), nobody->pw_uid, nobody->pw_gid), 0);
  }
  // Ten minutes old, well past the minute a draft is given.
  const timeval old[2] = {{time(nullptr) - 600, 0}, {time(nullptr) - 600, 0}};
  for (const std::string& name : Entries(run_))
    ASSERT_EQ(utimes((run_ / name).c_str(), old), 0) << name;

  const Outcome run = Replay(run_, SavingScript(1));
  EXPECT_EQ(run.status, 0) << run.out;
  EXPECT_EQ(RecordProblem(ReadBytes(SlotFile(run_, 0))), "");
  for (const Foreign& f : foreign) {
    SCOPED_TRACE(f.what);
    EXPECT_TRUE(fs::exists(fs::symlink_status(run_ / f.name))) << f.name << " was removed";
  }
  EXPECT_FALSE(fs::exists(run_ / ours)) << "a stale draft of ours was left";
  EXPECT_EQ(ReadBytes(outside), "kept elsewhere");
  if (!as_root)
    GTEST_SKIP() << "not root: the case of another user's file needs chown, left out";
}

}  // namespace
}  // namespace faults
#endif  // !_WIN32
