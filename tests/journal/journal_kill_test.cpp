// Real replay-driver processes fed a long game line by line and killed (SIGKILL) at
// random moments: each resume must give the board exactly as a clean run of the actions
// that had completed leaves it, write no record again, and a save after it must write the
// very record the uninterrupted game would have written.
#ifndef _WIN32  // forks and kills processes (the Windows manifest says so)
#include <gtest/gtest.h>
#include <signal.h>

#include <chrono>
#include <cstdlib>
#include <random>
#include <sstream>
#include <thread>

#include "faults/fault_support.h"
#include "faults/process_support.h"
#include "journal/journal_format.h"

namespace {

namespace fs = std::filesystem;
using namespace faults;

constexpr const char* kNow = "2016-05-03 14:05:09";
// What each comparison prints: every control's main value, visibility and state, and the
// colours and sizes the rules set.
constexpr const char* kReport =
    "dump\n"
    "print 编辑框9 textcolour\nprint 编辑框10 textcolour\n"
    "print 编辑框1 textcolour\nprint 编辑框2 textcolour\n"
    "print 编辑框1 fontsize\nprint 编辑框2 fontsize\n"
    "print 组合框1 selection\nprint 组合框2 selection\n";

bool IsActionLine(const std::string& line) {
  static const char* const kActions[] = {"click ",  "type ",  "edited ", "keydown ",
                                         "select ", "slide ", "pick "};
  for (const char* word : kActions) {
    if (line.rfind(word, 0) == 0)
      return true;
  }
  return false;
}

// A long game as a host plays it: gifts and amounts, quantities typed, the multiplier,
// undo, losses, names, team lines (some long, so that a kill can cut one short), colours,
// sizes, the fee threshold by Enter, saves, and time passing between them.
std::vector<std::string> LongGame(unsigned seed, int actions) {
  std::mt19937 random(seed);
  auto pick = [&random](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
  const std::vector<std::string> clicks = {
      "按钮1",  "按钮2",  "按钮3",  "按钮4",  "按钮5",  "按钮6",   "按钮7",  "按钮8",  "按钮9",
      "按钮10", "按钮11", "按钮12", "按钮13", "按钮14", "按钮15",  "按钮16", "按钮17", "按钮18",
      "按钮19", "按钮20", "按钮21", "按钮22", "按钮23", "按钮24",  "按钮25", "按钮26", "按钮27",
      "按钮28", "按钮29", "按钮30", "按钮31", "按钮32", "按钮33",  "按钮34", "按钮35", "按钮36",
      "按钮48", "按钮50", "按钮51", "按钮52", "按钮53", "单选框2", "单选框3"};
  std::vector<std::string> lines;
  for (int i = 0; i < actions; ++i) {
    if (pick(3) == 0)
      lines.push_back("wait " + std::to_string(pick(4000)));
    switch (pick(12)) {
      case 0:
        lines.push_back("type 编辑框" + std::to_string(3 + pick(2)) + " " +
                        std::to_string(1 + pick(9)));
        break;
      case 1:
        lines.push_back("edited 编辑框" + std::to_string(3 + pick(2)) + " " +
                        std::to_string(pick(50)));
        break;
      case 2: {
        std::string line = "type 编辑框" + std::to_string(1 + pick(2)) + " 队员" +
                           std::to_string(pick(100)) + "\\n乙 \\x09丙";
        if (pick(8) == 0)
          line += std::string(static_cast<std::size_t>(20000 + pick(60000)), 'w');
        lines.push_back(line);
        break;
      }
      case 3:
        lines.push_back("select 组合框" + std::to_string(1 + pick(2)) + " " +
                        std::to_string(pick(4)));
        break;
      case 4:
        lines.push_back("slide 滑块条" + std::to_string(1 + pick(2)) + " " +
                        std::to_string(pick(40)));
        break;
      case 5: {
        char colour[8];
        std::snprintf(colour, sizeof colour, "#%06x", pick(0x1000000));
        lines.push_back("pick 颜色选择器" + std::to_string(1 + pick(2)) + " " + colour);
        break;
      }
      case 6:
        lines.push_back("type 编辑框5 " + std::to_string(pick(30000)));
        lines.push_back("keydown 编辑框5 13 0");
        ++i;
        break;
      case 7:
        if (pick(4) == 0) {
          lines.push_back("click 超级按钮1");
          break;
        }
        [[fallthrough]];
      default:
        lines.push_back("click " +
                        clicks[static_cast<std::size_t>(pick(static_cast<int>(clicks.size())))]);
        break;
    }
  }
  return lines;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// The board as the report shows it: what message boxes and launches printed is left out
// (a resume shows none of them again).
std::string Shown(const std::string& out) {
  std::string shown;
  for (const std::string& line : Lines(out)) {
    if (line.rfind("message: ", 0) != 0 && line.rfind("run: ", 0) != 0)
      shown += line + "\n";
  }
  return shown;
}

// Whole actions in a journal, counted line by line without the program's reader.
std::size_t ActionsKept(const fs::path& journal) {
  const std::string bytes = ReadBytes(journal);
  const std::size_t whole = bytes.rfind('\n');
  if (whole == std::string::npos)
    return 0;
  std::size_t actions = 0;
  for (const std::string& line : Lines(bytes.substr(0, whole + 1))) actions += IsActionLine(line);
  return actions;
}

std::vector<fs::path> Records(const fs::path& folder) {
  std::vector<fs::path> records;
  for (int slot = 0; slot <= 50; ++slot) {
    if (fs::exists(SlotFile(folder, slot)))
      records.push_back(SlotFile(folder, slot));
  }
  return records;
}

class JournalKillTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::temp_directory_path() / ("journal-kill-" + std::to_string(getpid()));
    fs::remove_all(root_);
    fs::create_directories(root_);
  }
  void TearDown() override { fs::remove_all(root_); }

  std::vector<std::string> Args(const fs::path& folder, bool resume = false) const {
    std::vector<std::string> args = {REPLAY_BINARY, "--dir", folder.string(), "--now", kNow};
    if (resume)
      args.push_back("--resume");
    return args;
  }

  fs::path root_;
};

TEST_F(JournalKillTest, EveryResumeAfterAKillIsTheCleanRunOfTheActionsThatCompleted) {
  const char* wanted = std::getenv("SCOREBOARD_JOURNAL_KILLS");
  const int kills = wanted != nullptr ? std::max(1, std::atoi(wanted)) : 200;
  const std::vector<std::string> game = LongGame(20240611, 400);
  std::vector<std::size_t> action_at;  // the line of each action
  for (std::size_t i = 0; i < game.size(); ++i) {
    if (IsActionLine(game[i]))
      action_at.push_back(i);
  }
  {
    // The game is what the journal keeps: every action line is taken by the board.
    const fs::path whole = root_ / "whole";
    fs::create_directories(whole);
    std::string script;
    for (const std::string& line : game) script += line + "\n";
    const Outcome run = Finish(Launch(Args(whole), script));
    ASSERT_EQ(run.status, 0) << run.out.substr(0, 2000);
    EXPECT_EQ(run.out.find("ignored"), std::string::npos) << run.out.substr(0, 2000);
    ASSERT_EQ(ActionsKept(whole / kJournalFileName), action_at.size());
  }

  std::mt19937 random(7);
  int cut_short = 0;
  for (int trial = 0; trial < kills; ++trial) {
    SCOPED_TRACE("trial " + std::to_string(trial));
    const fs::path killed_dir = root_ / ("killed" + std::to_string(trial));
    const fs::path clean_dir = root_ / ("clean" + std::to_string(trial));
    fs::create_directories(killed_dir);
    fs::create_directories(clean_dir);
    const fs::path journal = killed_dir / kJournalFileName;

    // Fed up to a point the board is known to have reached, then a few lines more that
    // may or may not run before the kill lands.
    const std::size_t sure = random() % action_at.size();
    const std::size_t fed_to = std::min(game.size(), action_at[sure] + 1 + random() % 12);
    Process process = LaunchFed(Args(killed_dir));
    std::string first;
    for (std::size_t i = 0; i <= action_at[sure]; ++i) first += game[i] + "\n";
    ASSERT_TRUE(Feed(process, first));
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    std::size_t kept = 0;
    while ((kept = ActionsKept(journal)) < sure + 1 && std::chrono::steady_clock::now() < deadline)
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    ASSERT_EQ(kept, sure + 1) << "the journal never held the actions fed";
    std::string rest;
    for (std::size_t i = action_at[sure] + 1; i < fed_to; ++i) rest += game[i] + "\n";
    Feed(process, rest);
    if (random() % 2 == 0)
      std::this_thread::sleep_for(std::chrono::microseconds(random() % 3000));
    kill(process.pid, SIGKILL);
    const Outcome killed = Finish(process);
    ASSERT_EQ(killed.status, 128 + SIGKILL) << "the driver ended before the kill";

    const std::size_t completed = ActionsKept(journal);
    std::size_t fed_actions = 0;
    for (std::size_t i = 0; i < fed_to; ++i) fed_actions += IsActionLine(game[i]);
    ASSERT_GE(completed, sure + 1);
    ASSERT_LE(completed, fed_actions);
    const std::string journal_bytes = ReadBytes(journal);
    cut_short += !journal_bytes.empty() && journal_bytes.back() != '\n';

    // The resume, a save after it, and the clean run of the same actions with the same.
    const std::size_t records_before = Records(killed_dir).size();
    const Outcome resumed =
        Finish(Launch(Args(killed_dir, true), std::string(kReport) + "click 超级按钮1\n"));
    ASSERT_EQ(resumed.status, 0);
    std::string clean_script;
    const std::size_t last_line = completed == 0 ? 0 : action_at[completed - 1] + 1;
    for (std::size_t i = 0; i < last_line; ++i) clean_script += game[i] + "\n";
    const Outcome clean =
        Finish(Launch(Args(clean_dir), clean_script + kReport + "click 超级按钮1\n"));
    ASSERT_EQ(clean.status, 0);
    EXPECT_EQ(Shown(resumed.out), Shown(clean.out));

    // Nothing saved again while the game was played back: just the one new save.
    const std::vector<fs::path> records = Records(killed_dir);
    ASSERT_EQ(records.size(), records_before + 1);
    const std::vector<fs::path> clean_records = Records(clean_dir);
    ASSERT_FALSE(clean_records.empty());
    EXPECT_EQ(ReadBytes(records.back()), ReadBytes(clean_records.back()));
    if (HasFailure())
      break;  // one trial's story is enough to read
    fs::remove_all(killed_dir);
    fs::remove_all(clean_dir);
  }
  // Kills that cut a line short show up as such; the resume must have coped with them.
  RecordProperty("lines_cut_short", cut_short);
}

// A resumed run goes on in the same journal, so a second crash loses nothing of the first.
TEST_F(JournalKillTest, AResumedGameGoesOnInTheSameJournal) {
  const fs::path dir = root_ / "twice";
  fs::create_directories(dir);
  ASSERT_EQ(Finish(Launch(Args(dir), "type 编辑框3 2\nwait 1500\nclick 按钮9\n")).status, 0);
  ASSERT_EQ(Finish(Launch(Args(dir, true), "wait 700\ntype 编辑框4 3\nclick 按钮38\n")).status, 0);
  const Outcome resumed = Finish(Launch(Args(dir, true), kReport));
  const Outcome clean = Finish(Launch(Args(root_ / "clean"),
                                      "type 编辑框3 2\nwait 1500\nclick 按钮9\nwait "
                                      "700\ntype 编辑框4 3\nclick 按钮38\n" +
                                          std::string(kReport)));
  EXPECT_EQ(Shown(resumed.out), Shown(clean.out));
  EXPECT_FALSE(fs::exists(dir / JournalFileName(1))) << "a resumed run is the same game";
}

// A run in which the host did nothing is no run: the game before stays where --resume
// finds it. A run that did something sets the one before aside, keeping three in all.
TEST_F(JournalKillTest, UntouchedRunsKeepTheGameAndNewRunsSetTheOldAside) {
  const fs::path dir = root_ / "runs";
  fs::create_directories(dir);
  ASSERT_EQ(Finish(Launch(Args(dir), "type 编辑框3 2\nclick 按钮9\n")).status, 0);
  const std::string first = ReadBytes(dir / kJournalFileName);
  ASSERT_EQ(Finish(Launch(Args(dir), "print 编辑框9\nwait 3000\n")).status, 0);
  EXPECT_EQ(ReadBytes(dir / kJournalFileName), first);
  const Outcome back = Finish(Launch(Args(dir, true), "print 编辑框9\n"));
  EXPECT_EQ(back.out, "编辑框9.content=376\n");
  // The same from a line in the options file, for a host who never types a command line.
  std::ofstream(dir / "scoreboard-options.txt") << "# after a crash\nresume\n";
  const Outcome by_file = Finish(Launch(Args(dir), "print 编辑框9\n"));
  EXPECT_EQ(by_file.out, "编辑框9.content=376\n");
  fs::remove(dir / "scoreboard-options.txt");

  for (int run = 0; run < 3; ++run)
    ASSERT_EQ(Finish(Launch(Args(dir), "click 按钮" + std::to_string(run + 1) + "\n")).status, 0);
  EXPECT_NE(ReadBytes(dir / JournalFileName(0)).find("click 按钮3"), std::string::npos);
  EXPECT_NE(ReadBytes(dir / JournalFileName(1)).find("click 按钮2"), std::string::npos);
  EXPECT_NE(ReadBytes(dir / JournalFileName(2)).find("click 按钮1"), std::string::npos);
  EXPECT_FALSE(fs::exists(dir / JournalFileName(3)));
}

// A journal cut short or holding garbage: the board comes back up to the last whole action,
// says what it skipped, sets the damaged journal aside whole and goes on in a clean one.
TEST_F(JournalKillTest, ADamagedJournalGivesTheWholeActionsAndIsSetAside) {
  const fs::path dir = root_ / "damaged";
  fs::create_directories(dir);
  ASSERT_EQ(Finish(Launch(Args(dir), "type 编辑框3 2\nwait 1500\nclick 按钮9\n")).status, 0);
  const std::string damaged = ReadBytes(dir / kJournalFileName) + "click 按钮9\nwait 5\ncli";
  std::ofstream(dir / kJournalFileName, std::ios::binary | std::ios::trunc) << damaged;
  const std::string err_file = (root_ / "damaged-err.txt").string();
  std::string command = "exec";
  for (const std::string& arg : Args(dir, true)) command += " '" + arg + "'";
  const Outcome run =
      Finish(Launch({"sh", "-c", command + " 2>'" + err_file + "'"}, "print 编辑框9\n"));
  EXPECT_EQ(run.status, 0);
  // Both whole clicks count; the one cut short does not.
  const Outcome clean =
      Finish(Launch(Args(root_ / "damaged-clean"),
                    "type 编辑框3 2\nwait 1500\nclick 按钮9\nclick 按钮9\nprint 编辑框9\n"));
  EXPECT_EQ(Shown(run.out), Shown(clean.out));
  EXPECT_NE(ReadBytes(err_file).find("after 3 actions; 10 bytes skipped"), std::string::npos)
      << ReadBytes(err_file);
  EXPECT_EQ(ReadBytes(dir / JournalFileName(1)), damaged);
  EXPECT_EQ(ReadBytes(dir / kJournalFileName), damaged.substr(0, damaged.size() - 10));
}

// Only what the host's own actions raised is kept with them: the start-up notice's box
// (here about an unknown switch in the options file) is answered before any action, the
// folder-full box of the save within it.
TEST_F(JournalKillTest, AnswersBelongToTheActionThatRaisedTheBox) {
  const fs::path dir = root_ / "answers";
  fs::create_directories(dir);
  std::ofstream(dir / "scoreboard-options.txt") << "no-such-switch\n";
  std::ofstream(dir / "游戏数据保存50.txt") << "[保存]\r\n";  // the save says the folder is full
  ASSERT_EQ(Finish(Launch(Args(dir), "click 按钮9\nanswer 2\nclick 超级按钮1\n")).status, 0);
  const std::string journal = ReadBytes(dir / kJournalFileName);
  const std::size_t answer = journal.find("answer ");
  EXPECT_NE(answer, std::string::npos) << journal;
  EXPECT_EQ(journal.find("answer 2\nclick 超级按钮1\n"), answer) << journal;
}

// Nothing to resume, or nothing that can be: the specified board starts and says so.
TEST_F(JournalKillTest, NothingToResumeStartsTheBoardAndSaysSo) {
  struct Case {
    const char* what;
    std::string journal;  // empty: no journal at all
    const char* says;
  };
  const std::vector<Case> cases = {
      {"no journal", "", "no game to resume"},
      {"another board's journal",
       "# scoreboard journal 1 catalogue=0 clock=0 date=0\nclick 按钮9\n", "another board"},
      {"garbage", "\x01\x02\x03", "cannot be resumed"},
  };
  int number = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const fs::path dir = root_ / ("nothing" + std::to_string(++number));
    fs::create_directories(dir);
    if (!c.journal.empty())
      std::ofstream(dir / kJournalFileName, std::ios::binary) << c.journal;
    const std::string err_file = (root_ / "err.txt").string();
    std::string command = "exec";
    for (const std::string& arg : Args(dir, true)) command += " '" + arg + "'";
    const Outcome run = Finish(
        Launch({"sh", "-c", command + " 2>'" + err_file + "'"}, "print 编辑框9\nprint 编辑框13\n"));
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(Shown(run.out), "编辑框9.content=0\n编辑框13.content=\n");
    EXPECT_NE(ReadBytes(err_file).find(c.says), std::string::npos) << ReadBytes(err_file);
  }
}

}  // namespace
#endif
