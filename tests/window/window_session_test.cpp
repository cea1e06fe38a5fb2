// The real window under Xvfb: its size and place, a short host session with real
// pointer clicks and typing, the record file it saves, and what it draws. What the board
// computes is taken from the replay driver playing the same session, so this test checks
// the window, not the scoreboard rules.
#include <gtest/gtest.h>

#include "child_output.h"
#include "test_dump.h"

#ifdef SCOREBOARD_BINARY
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "clipboard_in_pieces.h"
#include "control_places.h"
#include "private_display.h"
#include "resources/pictures.h"
#include "server/http_client.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

constexpr int kScreenW = 1280, kScreenH = 1024;
constexpr const char* kTitleWord = "TobrikV2.4";

bool OnPath(const char* program) {
  return std::system((std::string("command -v ") + program + " >/dev/null 2>&1").c_str()) == 0;
}

pid_t Spawn(const std::vector<std::string>& words) {
  std::vector<char*> argv;
  for (const std::string& w : words) argv.push_back(const_cast<char*>(w.c_str()));
  argv.push_back(nullptr);
  pid_t pid = 0;
  if (posix_spawnp(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0)
    return -1;
  return pid;
}

// Waits up to `limit` for the child to end; its exit status, or -1 if it did not end.
int WaitFor(pid_t pid, std::chrono::milliseconds limit) {
  const auto end = std::chrono::steady_clock::now() + limit;
  while (std::chrono::steady_clock::now() < end) {
    int status = 0;
    if (waitpid(pid, &status, WNOHANG) == pid)
      return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    std::this_thread::sleep_for(20ms);
  }
  return -1;
}

// Asks `done` again every 50 ms until it holds or `limit` passes; answers its last answer.
bool WaitUntil(const std::function<bool()>& done, std::chrono::milliseconds limit = 10s) {
  const auto end = std::chrono::steady_clock::now() + limit;
  while (!done()) {
    if (std::chrono::steady_clock::now() >= end)
      return done();
    std::this_thread::sleep_for(50ms);
  }
  return true;
}

// The record file's lines without the time line, which differs from run to run.
std::string WithoutTimeLine(const std::string& bytes) {
  const std::string time_key = "\xCA\xB1\xBC\xE4=";  // "时间=" in GB18030
  std::string kept;
  size_t start = 0;
  while (start < bytes.size()) {
    size_t end = bytes.find('\n', start);
    end = end == std::string::npos ? bytes.size() : end + 1;
    const std::string line = bytes.substr(start, end - start);
    if (line.rfind(time_key, 0) != 0)
      kept += line;
    start = end;
  }
  return kept;
}

// Each session runs under the locale named by the parameter: the window must look and
// behave the same with or without a Chinese locale.
class WindowSession : public ::testing::TestWithParam<const char*> {
 protected:
  void SetUp() override {
    const char* locale = GetParam();
    const bool available = std::setlocale(LC_ALL, locale) != nullptr;
    std::setlocale(LC_ALL, "C");
    ASSERT_TRUE(available) << "locale " << locale
                           << " is not generated here (scripts/install-deps.sh all)";
    setenv("LANG", locale, 1);
    setenv("LC_ALL", locale, 1);
    for (const char* tool : {"Xvfb", "xdotool", "xwininfo", "import"}) {
      if (!OnPath(tool))
        FAIL() << tool << " is not installed (scripts/install-deps.sh all)";
    }
    display_ = std::make_unique<PrivateDisplay>(
        std::to_string(kScreenW) + "x" + std::to_string(kScreenH) + "x24", "-br");
    ASSERT_FALSE(display_->name().empty()) << "Xvfb did not start";
    display_->ServeChildrenAtScaleOne();
    x_ = XOpenDisplay(display_->name().c_str());
    ASSERT_NE(x_, nullptr) << "no connection to " << display_->name();

    char pattern[] = "/tmp/window-test-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    run_dir_ = pattern;
    fs::create_directories(run_dir_ / "window");
    fs::create_directories(run_dir_ / "replay");
    fs::copy_file(SCOREBOARD_BINARY, run_dir_ / "window" / "scoreboard");
    dump_ = run_dir_ / "board.txt";
    setenv("SCOREBOARD_TEST_DUMP", dump_.c_str(), 1);
  }

  void TearDown() override {
    if (app_ > 0 && WaitFor(app_, 0ms) < 0) {
      kill(app_, SIGKILL);
      waitpid(app_, nullptr, 0);
    }
    if (x_ != nullptr)
      XCloseDisplay(x_);
    display_.reset();
    if (!run_dir_.empty())
      fs::remove_all(run_dir_);
  }

  void X(const std::string& arguments) {
    ASSERT_EQ(std::system(("xdotool " + arguments).c_str()), 0) << arguments;
    std::this_thread::sleep_for(150ms);
  }
  // A click at the middle of a control, or at a point DX, DY from its top-left corner.
  void Click(const std::string& control) {
    const ControlPlace& place = PlaceOf(control);
    ClickAt(control, place.width / 2, place.height / 2);
  }
  void ClickAt(const std::string& control, int dx, int dy) {
    const ControlPlace& place = PlaceOf(control);
    X("mousemove " + std::to_string(win_x_ + place.left + dx) + " " +
      std::to_string(win_y_ + place.top + dy) + " click 1");
  }

  // Starts the program, waits for its window and notes where its client area lies.
  std::string OpenWindow(const std::vector<std::string>& switches = {}) {
    std::vector<std::string> words{(run_dir_ / "window" / "scoreboard").string()};
    words.insert(words.end(), switches.begin(), switches.end());
    app_ = Spawn(words);
    EXPECT_GT(app_, 0);
    std::string window_id;
    for (int i = 0; i < 100 && window_id.empty(); ++i) {
      std::this_thread::sleep_for(100ms);
      std::istringstream found(Capture(std::string("xdotool search --name ") + kTitleWord));
      found >> window_id;
    }
    const std::string info = Capture("xwininfo -id " + window_id);
    auto field = [&](const std::string& name) {
      const size_t at = info.find(name);
      return at == std::string::npos ? -1 : std::atoi(info.c_str() + at + name.size());
    };
    win_x_ = field("Absolute upper-left X:");
    win_y_ = field("Absolute upper-left Y:");
    win_w_ = field("Width:");
    win_h_ = field("Height:");
    return window_id;
  }

  // What the model holds, through the program's test dump (SCOREBOARD_TEST_DUMP and
  // SIGUSR1): "NAME.text", "NAME.takes_input", "NAME.tab_stop" and "focus", with the
  // control names in catalogue order in `order`.
  struct Board {
    std::map<std::string, std::string> values;
    std::vector<std::string> order;
    std::string operator[](const std::string& key) const {
      const auto it = values.find(key);
      return it == values.end() ? "<missing " + key + ">" : it->second;
    }
  };
  Board ReadBoard() {
    Board board;
    std::this_thread::sleep_for(100ms);  // the keys sent before are handled first
    for (const auto& [key, value] : AskTestDump(app_, dump_)) {
      board.values[key] = value;
      const std::string suffix = ".text";
      if (key.size() > suffix.size() && key.ends_with(suffix))
        board.order.push_back(key.substr(0, key.size() - suffix.size()));
    }
    return board;
  }

  // The board once `done` holds for it, read again until then (10 s at most): what a key
  // or click sent before changes may take a while on a loaded machine. The last board read
  // when the deadline passes, for the test's expectations to report.
  Board BoardWhen(const std::function<bool(const Board&)>& done) {
    Board board = ReadBoard();
    WaitUntil([&] { return done(board) || (board = ReadBoard(), done(board)); });
    return board;
  }

  // Waits, about 10 s at most, until the start-up step lets the host use `control`.
  bool WaitUntilTakesInput(const std::string& control) {
    for (int i = 0; i < 100; ++i)
      if (ReadBoard()[control + ".takes_input"] == "1")
        return true;
    return false;
  }

  // Waits, about 10 s at most, until the start-up progress has run its course: the bar
  // full and the board signed, as the replay's wait leaves it.
  bool WaitUntilStartUpEnds() {
    for (int i = 0; i < 100; ++i) {
      const Board board = ReadBoard();
      if (board["进度条1.position"] == "100" && !board["透明标签4.text"].empty() &&
          board["透明标签4.text"].rfind("<missing", 0) != 0)
        return true;
    }
    return false;
  }

  // The next (or previous) tab stop after `from` that takes input, in catalogue order.
  static std::string NextStop(const Board& board, const std::string& from, bool backwards) {
    const auto n = static_cast<long>(board.order.size());
    long at = 0;
    while (at < n && board.order[static_cast<size_t>(at)] != from) ++at;
    for (long step = 1; step <= n; ++step) {
      const long i = ((backwards ? at - step : at + step) % n + n) % n;
      const std::string& name = board.order[static_cast<size_t>(i)];
      if (board[name + ".tab_stop"] == "1" && board[name + ".takes_input"] == "1")
        return name;
    }
    return "";
  }

  // The window's client area as raw RGB bytes, row by row.
  std::vector<uint8_t> Grab() {
    const fs::path raw = run_dir_ / "grab.rgb";
    const std::string command = "import -window root -crop 472x581+" + std::to_string(win_x_) +
                                "+" + std::to_string(win_y_) + " -depth 8 rgb:" + raw.string();
    EXPECT_EQ(std::system(command.c_str()), 0);
    const std::string bytes = ReadAll(raw);
    return {bytes.begin(), bytes.end()};
  }

  // The client area once it has stopped changing: two grabs in a row agree (within 5 s;
  // the last grab after that).
  std::vector<uint8_t> SteadyGrab() {
    std::vector<uint8_t> last = Grab();
    for (int i = 0; i < 50; ++i) {
      std::this_thread::sleep_for(100ms);
      std::vector<uint8_t> again = Grab();
      if (again == last)
        break;
      last = std::move(again);
    }
    return last;
  }

  // Another window of the program on the screen (a message box), as x, y, w, h in
  // screen coordinates; all zero when there is none.
  struct Area {
    int x = 0, y = 0, w = 0, h = 0;
  };
  Area OtherWindow(const std::string& main_id, int min_w = 101, int max_w = 469, int min_h = 51,
                   int max_h = 299) {
    std::istringstream tree(Capture("xwininfo -root -children"));
    std::string line;
    const unsigned long main_xid = std::strtoul(main_id.c_str(), nullptr, 10);
    while (std::getline(tree, line)) {
      const size_t hex = line.find("0x");
      if (hex == std::string::npos)
        continue;
      const unsigned long xid = std::strtoul(line.c_str() + hex, nullptr, 16);
      if (xid == main_xid || xid == 0)
        continue;
      const std::string info = Capture("xwininfo -id " + std::to_string(xid));
      if (info.find("IsViewable") == std::string::npos)
        continue;
      auto field = [&](const std::string& name) {
        const size_t at = info.find(name);
        return at == std::string::npos ? -1 : std::atoi(info.c_str() + at + name.size());
      };
      Area area{field("Absolute upper-left X:"), field("Absolute upper-left Y:"), field("Width:"),
                field("Height:")};
      if (area.w >= min_w && area.w <= max_w && area.h >= min_h && area.h <= max_h)
        return area;
    }
    return {};
  }
  // The server's port and token from remote-control.txt beside the copied program (its
  // records folder), waiting up to 10 s for it; port 0 when it never came.
  std::pair<uint16_t, std::string> Served() {
    const fs::path file = run_dir_ / "window" / "remote-control.txt";
    std::string control;
    for (int i = 0; i < 200 && control.find("token=") == std::string::npos; ++i) {
      std::this_thread::sleep_for(50ms);
      control = ReadAll(file);
    }
    const size_t token_at = control.find("\ntoken=");
    if (control.rfind("url=http://127.0.0.1:", 0) != 0 || token_at == std::string::npos)
      return {0, ""};
    return {static_cast<uint16_t>(std::atoi(control.c_str() + 21)),
            control.substr(token_at + 7, 32)};
  }

  bool Running() { return WaitFor(app_, 50ms) < 0; }

  std::unique_ptr<PrivateDisplay> display_;
  pid_t app_ = -1;
  Display* x_ = nullptr;
  fs::path run_dir_;
  fs::path dump_;
  int win_x_ = 0, win_y_ = 0, win_w_ = 0, win_h_ = 0;
};

const uint8_t* Pixel(const std::vector<uint8_t>& rgb, int x, int y) {
  return &rgb[(static_cast<size_t>(y) * 472 + x) * 3];
}

TEST_P(WindowSession, OpensCentredPlaysASessionAndSavesTheRecord) {
  const std::string window_id = OpenWindow();
  ASSERT_GT(app_, 0);
  ASSERT_FALSE(window_id.empty()) << "the window did not appear";

  // Client area 472 x 581 where a centred 478 x 610 window puts it.
  EXPECT_EQ(win_w_, 472);
  EXPECT_EQ(win_h_, 581);
  EXPECT_EQ(win_x_, (kScreenW - 478) / 2 + 3);
  EXPECT_EQ(win_y_, (kScreenH - 610) / 2 + 26);
  // Kept above other windows.
  EXPECT_NE(
      Capture("xprop -id " + window_id + " _NET_WM_STATE 2>/dev/null").find("_NET_WM_STATE_ABOVE"),
      std::string::npos);

  // Let the start-up progress run its course, as the replay's wait does.
  ASSERT_TRUE(WaitUntilStartUpEnds()) << "the start-up progress never ended";

  // The host types 2 into the lollipop quantity box and credits the 188-bean gift.
  Click("编辑框3");
  X("type --delay 50 2");
  Click("按钮9");
  ASSERT_TRUE(WaitUntil([&] { return ReadBoard()["编辑框9.text"] == "376"; }))
      << "the gift was not credited: 编辑框9 shows " << ReadBoard()["编辑框9.text"];
  const std::vector<uint8_t> after_gift = SteadyGrab();

  Click("按钮20");     // the fixed amount 10 (inside 分组框5)
  Click("按钮51");     // the host team kneels
  Click("超级按钮1");  // "保存游戏数据"
  const fs::path record = "游戏数据保存.txt";
  EXPECT_TRUE(WaitUntil([&] { return fs::exists(run_dir_ / "window" / record); }))
      << "no record in the window's folder";

  // The same session through the replay driver.
  const fs::path script = run_dir_ / "session.script";
  std::ofstream(script) << "wait 3500\n"
                           "type 编辑框3 2\n"
                           "click 按钮9\n"
                           "print 编辑框9 textcolour\n"
                           "print 编辑框9\n"
                           "click 按钮20\n"
                           "click 按钮51\n"
                           "click 超级按钮1\n";
  const std::string replay = Capture(std::string(REPLAY_BINARY) + " --dir " +
                                     (run_dir_ / "replay").string() + " " + script.string());
  ASSERT_TRUE(fs::exists(run_dir_ / "replay" / record)) << replay;
  ASSERT_TRUE(fs::exists(run_dir_ / "window" / record));
  const std::string expected = ReadAll(run_dir_ / "replay" / record);
  const std::string actual = ReadAll(run_dir_ / "window" / record);
  EXPECT_EQ(WithoutTimeLine(actual), WithoutTimeLine(expected));
  EXPECT_NE(actual.find("\r\n"), std::string::npos);
  EXPECT_EQ(actual.size() - WithoutTimeLine(actual).size() > 0, true) << "no time line";

  // The score box of the leading team is drawn in the colour the replay reports.
  const size_t colour_at = replay.find("编辑框9.textcolour=#");
  ASSERT_NE(colour_at, std::string::npos) << replay;
  const unsigned long colour = std::strtoul(
      replay.c_str() + colour_at + std::string("编辑框9.textcolour=#").size(), nullptr, 16);
  const int r = static_cast<int>(colour >> 16), g = static_cast<int>((colour >> 8) & 0xFF),
            b = static_cast<int>(colour & 0xFF);
  ASSERT_EQ(after_gift.size(), 472u * 581u * 3u);
  int coloured = 0;
  const ControlPlace& score = PlaceOf("编辑框9");
  for (int y = score.top; y < score.top + score.height; ++y) {
    for (int x = score.left; x < score.left + score.width; ++x) {
      const uint8_t* p = Pixel(after_gift, x, y);
      coloured += std::abs(p[0] - r) + std::abs(p[1] - g) + std::abs(p[2] - b) < 40 ? 1 : 0;
    }
  }
  EXPECT_GT(coloured, 20) << "score digits in #" << std::hex << colour << " not found";

  // Each picture button shows the middle of its picture, centred at its own size.
  struct Gift {
    const char* picture;
    const char* button;
  };
  for (const Gift& gift : {Gift{"gift1", "按钮7"}, Gift{"gift3", "按钮9"}, Gift{"gift7", "按钮4"},
                           Gift{"gift6", "按钮5"}}) {
    SCOPED_TRACE(gift.picture);
    const auto picture = DecodeJpeg(EmbeddedPicture(gift.picture));
    ASSERT_TRUE(picture.has_value());
    const ControlPlace& button = PlaceOf(gift.button);
    const int off_x = (button.width - picture->width) / 2,
              off_y = (button.height - picture->height) / 2;
    int same = 0, total = 0;
    for (int y = 6; y < 42; y += 3) {
      for (int x = 6; x < 34; x += 3) {
        const uint8_t* shown = Pixel(after_gift, button.left + x, button.top + y);
        const uint8_t* drawn =
            &picture->rgb[(static_cast<size_t>(y - off_y) * picture->width + (x - off_x)) * 3];
        ++total;
        same += std::abs(shown[0] - drawn[0]) + std::abs(shown[1] - drawn[1]) +
                            std::abs(shown[2] - drawn[2]) <
                        12
                    ? 1
                    : 0;
      }
    }
    EXPECT_GT(same, total * 9 / 10);
  }

  // Closing the window ends the program with exit code 0.
  XEvent close{};
  const ::Window xid = std::strtoul(window_id.c_str(), nullptr, 10);
  close.xclient.type = ClientMessage;
  close.xclient.window = xid;
  close.xclient.message_type = XInternAtom(x_, "WM_PROTOCOLS", False);
  close.xclient.format = 32;
  close.xclient.data.l[0] = static_cast<long>(XInternAtom(x_, "WM_DELETE_WINDOW", False));
  close.xclient.data.l[1] = CurrentTime;
  XSendEvent(x_, xid, False, NoEventMask, &close);
  XFlush(x_);
  EXPECT_EQ(WaitFor(app_, 5000ms), 0);
  app_ = -1;
}

TEST_P(WindowSession, KeypadReachesKeyDownHandlersAndTabFollowsTheCatalogue) {
  ASSERT_FALSE(OpenWindow().empty()) << "the window did not appear";
  ASSERT_TRUE(WaitUntilStartUpEnds()) << "the start-up progress never ended";
  const Board before = ReadBoard();
  ASSERT_FALSE(before.order.empty()) << "no test dump written";
  ASSERT_EQ(before["编辑框5.takes_input"], "1");
  const long score = std::atol(before["编辑框9.text"].c_str());

  // Keypad digits type into the lollipop's custom amount box (inside 分组框5)...
  Click("编辑框5");
  X("key KP_1 KP_2");
  const Board typed = BoardWhen([](const Board& b) { return b["编辑框5.text"] == "12"; });
  EXPECT_EQ(typed["focus"], "编辑框5");
  EXPECT_EQ(typed["编辑框5.text"], "12");
  // ... and keypad Enter reaches its key-down handler as 13: the amount is credited, the
  // box emptied, and the handler's "drop it" leaves no character behind.
  X("key KP_Enter");
  const Board credited =
      BoardWhen([&](const Board& b) { return b["编辑框9.text"] == std::to_string(score + 12); });
  EXPECT_EQ(credited["编辑框9.text"], std::to_string(score + 12));
  EXPECT_EQ(credited["编辑框5.text"], "");
  EXPECT_EQ(credited["focus"], "编辑框5");

  // Tab and Shift+Tab walk the tab stops that take input, in catalogue order.
  std::vector<std::string> walked = {"编辑框5"};
  for (int i = 0; i < 4; ++i) {
    X("key Tab");
    const Board now = BoardWhen([&](const Board& b) { return b["focus"] != walked.back(); });
    SCOPED_TRACE("Tab " + std::to_string(i + 1));
    EXPECT_EQ(now["focus"], NextStop(now, walked.back(), false));
    walked.push_back(now["focus"]);
  }
  EXPECT_NE(walked[1], walked[2]);
  for (int i = 4; i > 0; --i) {
    X("key shift+Tab");
    const Board now =
        BoardWhen([&](const Board& b) { return b["focus"] != walked[static_cast<size_t>(i)]; });
    SCOPED_TRACE("Shift+Tab " + std::to_string(i));
    EXPECT_EQ(now["focus"], NextStop(now, walked[static_cast<size_t>(i)], true));
    EXPECT_EQ(now["focus"], walked[static_cast<size_t>(i - 1)]);
  }
  // The keypad "-" reaches the whole-numbers box as the minus sign it stands for.
  X("key KP_Subtract KP_3");
  EXPECT_EQ(BoardWhen([](const Board& b) { return b["编辑框5.text"] == "-3"; })["编辑框5.text"],
            "-3");
}

// Counts the pixels of a rectangle (client coordinates) that differ between two grabs.
int Differing(const std::vector<uint8_t>& a, const std::vector<uint8_t>& b, int left, int top,
              int width, int height) {
  int count = 0;
  for (int y = top; y < top + height; ++y) {
    for (int x = left; x < left + width; ++x) {
      const uint8_t* p = Pixel(a, x, y);
      const uint8_t* q = Pixel(b, x, y);
      count += std::abs(p[0] - q[0]) + std::abs(p[1] - q[1]) + std::abs(p[2] - q[2]) > 30 ? 1 : 0;
    }
  }
  return count;
}

int Differing(const std::vector<uint8_t>& a, const std::vector<uint8_t>& b,
              const ControlPlace& place) {
  return Differing(a, b, place.left, place.top, place.width, place.height);
}

TEST_P(WindowSession, OkOnTheFolderFullBoxKeepsTheBoardAndTheNextSaveIsRecorded) {
  const fs::path last_slot = run_dir_ / "window" / "游戏数据保存50.txt";
  std::ofstream(last_slot) << "";
  const std::string window_id = OpenWindow();
  ASSERT_FALSE(window_id.empty()) << "the window did not appear";
  ASSERT_TRUE(WaitUntilStartUpEnds()) << "the start-up progress never ended";

  // OK pressed with the mouse, with Enter (the default button) and with the space bar.
  for (const std::string press : {"mouse", "key Return", "key space"}) {
    SCOPED_TRACE(press);
    Click("超级按钮1");  // "保存游戏数据"
    Area box;
    ASSERT_TRUE(WaitUntil([&] { return (box = OtherWindow(window_id)).w > 0; }))
        << "no message box";
    if (press == "mouse") {
      X("mousemove " + std::to_string(box.x + box.w / 2) + " " +
        std::to_string(box.y + box.h - 23) + " click 1");
    } else {
      X(press);
    }
    EXPECT_TRUE(WaitUntil([&] { return OtherWindow(window_id).w == 0; }))
        << "the box is still open";
    ASSERT_TRUE(Running()) << "the program ended";
    // The focus is back on the button that opened the box.
    EXPECT_EQ(BoardWhen([](const Board& b) { return b["focus"] == "超级按钮1"; })["focus"],
              "超级按钮1");
  }

  fs::remove(last_slot);
  Click("超级按钮1");
  EXPECT_TRUE(WaitUntil([&] { return fs::exists(run_dir_ / "window" / "游戏数据保存.txt"); }))
      << "no record after the folder was freed";
  EXPECT_TRUE(Running());
}

TEST_P(WindowSession, RenamingATeamLeavesTheScoreBoxesDrawn) {
  ASSERT_FALSE(OpenWindow().empty()) << "the window did not appear";
  ASSERT_TRUE(WaitUntilStartUpEnds()) << "the start-up progress never ended";
  const std::string lollipop_name = ReadBoard()["分组框1.text"];
  const std::string duck_name = ReadBoard()["分组框2.text"];
  Click("按钮21");  // the lollipops score 33
  ASSERT_TRUE(WaitUntil([&] { return ReadBoard()["编辑框9.text"] == "33"; }))
      << "编辑框9 shows " << ReadBoard()["编辑框9.text"];
  const std::vector<uint8_t> before = SteadyGrab();
  Click("按钮1");  // "更改": the lollipop team becomes "雷锋队"
  ASSERT_TRUE(WaitUntil([&] { return ReadBoard()["分组框1.text"] != lollipop_name; }))
      << "the lollipop team kept the name " << lollipop_name;
  const std::vector<uint8_t> changed = SteadyGrab();
  Click("按钮18");  // "还原"
  Click("按钮2");   // "更改" for the other team
  Click("按钮19");  // "还原"
  ASSERT_TRUE(WaitUntil([&] {
    const Board board = ReadBoard();
    return board["分组框1.text"] == lollipop_name && board["分组框2.text"] == duck_name;
  })) << "the names were not restored";
  const std::vector<uint8_t> restored = SteadyGrab();
  ASSERT_EQ(before.size(), 472u * 581u * 3u);
  const ControlPlace& caption = PlaceOf("分组框1");
  EXPECT_GT(Differing(before, changed, caption.left, caption.top, caption.width, 14), 10)
      << "the caption was not redrawn";
  // 编辑框9 and 编辑框10 keep every pixel.
  EXPECT_EQ(Differing(before, changed, PlaceOf("编辑框9")), 0);
  EXPECT_EQ(Differing(before, restored, PlaceOf("编辑框9")), 0);
  EXPECT_EQ(Differing(before, restored, PlaceOf("编辑框10")), 0);
  EXPECT_EQ(Differing(before, restored, caption), 0) << "the default name looks different";
}

TEST_P(WindowSession, ALongTeamLineWithoutSpacesWrapsOntoTheNextRow) {
  ASSERT_FALSE(OpenWindow().empty()) << "the window did not appear";
  ASSERT_TRUE(WaitUntilStartUpEnds()) << "the start-up progress never ended";
  const std::vector<uint8_t> before = Grab();
  ClickAt("编辑框1", 82, 10);  // its first row
  X("key ctrl+End");
  X("type --delay 20 ABCDEFGHIJKLMNOPQRSTUVWXYZABCDEFGHIJKLMNOP");
  const std::string typed = "Orvane队：ABCDEFGHIJKLMNOPQRSTUVWXYZABCDEFGHIJKLMNOP";
  EXPECT_TRUE(WaitUntil([&] { return ReadBoard()["编辑框1.text"] == typed; }))
      << "编辑框1 shows " << ReadBoard()["编辑框1.text"];
  const std::vector<uint8_t> after = SteadyGrab();
  // The line goes on in the second row instead of scrolling sideways.
  const ControlPlace& line = PlaceOf("编辑框1");
  EXPECT_GT(Differing(before, after, line.left + 2, line.top + 20, line.width - 4, 14), 40);
}

TEST_P(WindowSession, EnterStaysArrowsChooseTheGameTimeAndClicksGiveTheFocus) {
  const std::string window_id = OpenWindow();
  ASSERT_FALSE(window_id.empty()) << "the window did not appear";
  ASSERT_TRUE(WaitUntilStartUpEnds()) << "the start-up progress never ended";

  // Enter in the quantity box goes nowhere.
  Click("编辑框3");
  X("type 3");
  X("key Return");
  X("key KP_Enter");
  // Nothing is awaited for the keys that must change nothing: the board is read after them.
  Board board = BoardWhen([](const Board& b) { return b["编辑框3.text"] == "3"; });
  EXPECT_EQ(board["focus"], "编辑框3");
  EXPECT_EQ(board["编辑框3.text"], "3");

  // The arrow keys move between the two game times, and the fee follows.
  Click("单选框2");  // "1小时"
  board = BoardWhen([](const Board& b) { return b["focus"] == "单选框2"; });
  EXPECT_EQ(board["focus"], "单选框2");
  EXPECT_EQ(board["编辑框13.text"], "100");
  X("key Right");
  board = BoardWhen([](const Board& b) { return b["focus"] != "单选框2"; });
  EXPECT_EQ(board["focus"], "单选框3");
  EXPECT_EQ(board["单选框3.checked"], "1");
  EXPECT_EQ(board["单选框2.checked"], "0");
  EXPECT_EQ(board["编辑框13.text"], "200");
  X("key Left");
  board = BoardWhen([](const Board& b) { return b["focus"] != "单选框3"; });
  EXPECT_EQ(board["focus"], "单选框2");
  EXPECT_EQ(board["编辑框13.text"], "100");

  // A click on the slider's track right of the thumb takes the focus and moves one page;
  // the arrows then move it a line at a time.
  ClickAt("滑块条1", 90, 6);
  board = BoardWhen([](const Board& b) { return b["focus"] == "滑块条1"; });
  EXPECT_EQ(board["focus"], "滑块条1");
  EXPECT_EQ(board["滑块条1.position"], "16");
  X("key Right");
  EXPECT_EQ(
      BoardWhen([](const Board& b) { return b["滑块条1.position"] != "16"; })["滑块条1.position"],
      "17");

  // A palette cell shows its name in a tooltip after a moment; after a colour is picked,
  // the focus is on the picker again.
  Click("颜色选择器1");
  // The palette opens under the picker, its cells 18 pixels apart after a 4-pixel margin.
  const ControlPlace& picker = PlaceOf("颜色选择器1");
  const int palette_x = win_x_ + picker.left, palette_y = win_y_ + picker.top + picker.height;
  ASSERT_TRUE(WaitUntil([&] { return OtherWindow(window_id, 20, 1000, 20, 1000).w > 0; }))
      << "no palette";
  const std::string red_cell = std::to_string(palette_x + 4 + 18 + 9) + " " +
                               std::to_string(palette_y + 4 + 4 * 18 + 9);  // "红色"
  X("mousemove " + red_cell);
  X("mousemove_relative 1 1");
  Area tip;
  EXPECT_TRUE(WaitUntil([&] { return (tip = OtherWindow(window_id, 15, 90, 12, 24)).w > 0; }))
      << "no tooltip over the palette cell";
  EXPECT_GT(tip.y, palette_y + 4 + 4 * 18) << "the tooltip is not below the cell";
  X("mousemove " + red_cell + " click 1");
  EXPECT_EQ(BoardWhen([](const Board& b) { return b["focus"] == "颜色选择器1"; })["focus"],
            "颜色选择器1");
}

TEST_P(WindowSession, OverlayFilesFollowTheClicksAsTheReplayShowsThem) {
  const fs::path overlay = run_dir_ / "overlay";
  fs::create_directories(overlay);
  const std::string window_id = OpenWindow({"--overlay-dir", overlay.string()});
  ASSERT_FALSE(window_id.empty()) << "the window did not appear";
  // Waits up to 10 s for board.json to hold `wanted`; answers what it last held.
  auto board_json_with = [&](const std::string& wanted) {
    std::string seen;
    for (int i = 0; i < 200 && seen.find(wanted) == std::string::npos; ++i) {
      std::this_thread::sleep_for(50ms);
      seen = ReadAll(overlay / "board.json");
    }
    return seen;
  };
  // Written at start-up, before any click.
  const std::string first = board_json_with("\"score\":\"0\"");
  ASSERT_NE(first.find("\"leader\":\"\""), std::string::npos) << first;

  ASSERT_TRUE(WaitUntilTakesInput("按钮9")) << "the start-up step never enabled the gift";
  Click("编辑框3");
  X("type --delay 50 2");
  Click("按钮9");  // the 188-bean gift
  const std::string after = board_json_with("\"score\":\"376\"");
  ASSERT_NE(after.find("\"score\":\"376\""), std::string::npos) << after;
  EXPECT_EQ(ReadAll(overlay / "lollipop-score.txt"), "376");

  // The replay driver with the same switch writes the same files for the same actions.
  const fs::path replay_overlay = run_dir_ / "replay" / "overlay";
  fs::create_directories(replay_overlay);
  const fs::path script = run_dir_ / "overlay.script";
  std::ofstream(script) << "wait 3500\ntype 编辑框3 2\nclick 按钮9\n";
  Capture(std::string(REPLAY_BINARY) + " --dir " + (run_dir_ / "replay").string() +
          " --overlay-dir " + replay_overlay.string() + " " + script.string());
  for (const auto& entry : fs::directory_iterator(replay_overlay)) {
    SCOPED_TRACE(entry.path().filename().string());
    EXPECT_EQ(ReadAll(overlay / entry.path().filename()), ReadAll(entry.path()));
  }
  EXPECT_EQ(ReadAll(overlay / "board.json"), ReadAll(replay_overlay / "board.json"));

  // Closing the window ends the program, writer thread and all.
  X("windowclose " + window_id);
  EXPECT_EQ(WaitFor(app_, 10s), 0);
}

TEST_P(WindowSession, ServedBoardEventsAndClicksMatchTheReplay) {
  const fs::path overlay = run_dir_ / "overlay";
  fs::create_directories(overlay);
  const std::string window_id = OpenWindow({"--serve", "0", "--overlay-dir", overlay.string()});
  ASSERT_FALSE(window_id.empty()) << "the window did not appear";
  const auto [port, token] = Served();
  ASSERT_GT(port, 0) << "no remote-control.txt";
  EXPECT_EQ(fs::status(run_dir_ / "window" / "remote-control.txt").permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write);
  const std::string host = "Host: 127.0.0.1:" + std::to_string(port) + "\r\n";

  // The event stream, opened before anything changes.
  const int events = ConnectTo(port);
  ASSERT_GE(events, 0);
  ASSERT_TRUE(SendAll(events, "GET /events HTTP/1.1\r\n" + host + "\r\n"));
  std::string stream = ReadUntil(events, 10s, [](const std::string& got) {
    return got.find("\n\n", got.find("data: ")) != std::string::npos;
  });
  ASSERT_NE(stream.find("data: {"), std::string::npos) << stream;

  ASSERT_TRUE(WaitUntilTakesInput("按钮9")) << "the start-up step never enabled the gift";
  Click("编辑框3");
  X("type --delay 50 2");
  // 按钮9 through the API, then once more with the pointer.
  const std::string clicked =
      Exchange(port, "POST /click/%E6%8C%89%E9%92%AE9 HTTP/1.1\r\n" + host +
                         "Authorization: Bearer " + token + "\r\nContent-Length: 0\r\n\r\n");
  EXPECT_EQ(StatusOf(clicked), 204) << clicked;
  Click("编辑框3");  // the credit emptied it
  X("type --delay 50 2");
  Click("按钮9");
  std::string served;
  for (int i = 0; i < 200 && served.find("\"score\":\"752\"") == std::string::npos; ++i) {
    std::this_thread::sleep_for(50ms);
    served = BodyOf(Exchange(port, "GET /board.json HTTP/1.1\r\n" + host + "\r\n"));
  }
  ASSERT_NE(served.find("\"score\":\"752\""), std::string::npos) << served;
  stream += ReadUntil(events, 10s, [&](const std::string& more) {
    return (stream + more).find("752") != std::string::npos && (stream + more).ends_with("\n\n");
  });
  close(events);
  const size_t last = stream.rfind("data: ");
  ASSERT_NE(last, std::string::npos) << stream;
  EXPECT_EQ(stream.substr(last + 6), served.substr(0, served.size() - 1) + "\n\n");

  // The replay driver playing the same actions shows the same board.
  const fs::path replay_overlay = run_dir_ / "replay" / "overlay";
  fs::create_directories(replay_overlay);
  const fs::path script = run_dir_ / "served.script";
  std::ofstream(script) << "wait 3500\ntype 编辑框3 2\nclick 按钮9\ntype 编辑框3 2\nclick 按钮9\n";
  Capture(std::string(REPLAY_BINARY) + " --dir " + (run_dir_ / "replay").string() +
          " --overlay-dir " + replay_overlay.string() + " " + script.string());
  EXPECT_EQ(served, ReadAll(replay_overlay / "board.json"));
  for (const auto& entry : fs::directory_iterator(replay_overlay)) {
    SCOPED_TRACE(entry.path().filename().string());
    EXPECT_EQ(ReadAll(overlay / entry.path().filename()), ReadAll(entry.path()));
  }

  // Closing the window ends the program, server and all.
  X("windowclose " + window_id);
  EXPECT_EQ(WaitFor(app_, 10s), 0);
}

TEST_P(WindowSession, AClickThatOpensAMessageBoxIsAnsweredWhileTheBoxWaitsForTheHost) {
  std::ofstream(run_dir_ / "window" / "游戏数据保存50.txt") << "";
  const std::string window_id = OpenWindow({"--serve", "0"});
  ASSERT_FALSE(window_id.empty()) << "the window did not appear";
  const auto [port, token] = Served();
  ASSERT_GT(port, 0) << "no remote-control.txt";
  const auto click = [&, port = port, token = token](const std::string& name) {
    return Exchange(port, "POST /click/" + name +
                              " HTTP/1.1\r\nHost: 127.0.0.1:" + std::to_string(port) +
                              "\r\nAuthorization: Bearer " + token + "\r\n\r\n");
  };
  ASSERT_TRUE(WaitUntilTakesInput("超级按钮1")) << "the start-up step never enabled saving";
  // 超级按钮1 saves into the full folder: the box opens and the click is answered.
  const std::string saved = click("%E8%B6%85%E7%BA%A7%E6%8C%89%E9%92%AE1");
  EXPECT_EQ(StatusOf(saved), 204) << saved;
  Area box;
  for (int i = 0; i < 100 && box.w == 0; ++i) {
    std::this_thread::sleep_for(100ms);
    box = OtherWindow(window_id);
  }
  ASSERT_GT(box.w, 0) << "no message box";
  // While it waits for the host, no other click is taken.
  const std::string refused = click("%E6%8C%89%E9%92%AE9");
  EXPECT_EQ(StatusOf(refused), 409) << refused;
  X("mousemove " + std::to_string(box.x + box.w / 2) + " " + std::to_string(box.y + box.h - 23) +
    " click 1");
  for (int i = 0; i < 100 && box.w != 0; ++i) {
    std::this_thread::sleep_for(100ms);
    box = OtherWindow(window_id);
  }
  ASSERT_EQ(box.w, 0) << "the box is still open";
  const std::string taken = click("%E6%8C%89%E9%92%AE9");
  EXPECT_EQ(StatusOf(taken), 204) << taken;
  X("windowclose " + window_id);
  EXPECT_EQ(WaitFor(app_, 10s), 0);
}

// The real window killed (SIGKILL) mid-game and started again with --resume: every value
// and state the model holds is back, the clock's label aside (it shows the time now).
TEST_P(WindowSession, AKilledWindowComesBackAsItStoodWithResume) {
  ASSERT_FALSE(OpenWindow().empty()) << "the window did not appear";
  ASSERT_TRUE(WaitUntilTakesInput("按钮9")) << "the start-up step never enabled the gift";
  Click("编辑框3");
  X("type --delay 50 2");
  Click("按钮9");  // the 188-bean gift
  const fs::path journal = run_dir_ / "window" / "scoreboard-journal.txt";
  std::string kept;
  for (int i = 0; i < 200 && kept.find("click 按钮9") == std::string::npos; ++i) {
    std::this_thread::sleep_for(50ms);
    kept = ReadAll(journal);
  }
  ASSERT_NE(kept.find("click 按钮9"), std::string::npos) << kept;
  const Board before = ReadBoard();
  ASSERT_EQ(before["编辑框9.text"], "376");

  kill(app_, SIGKILL);
  ASSERT_EQ(WaitFor(app_, 10s), 128 + SIGKILL);
  ASSERT_FALSE(OpenWindow({"--resume"}).empty()) << "the window did not come back";
  Board after;
  for (int i = 0; i < 100 && after["编辑框9.text"] != "376"; ++i) after = ReadBoard();
  ASSERT_FALSE(before.order.empty());
  for (const std::string& name : before.order) {
    if (name == "标签22")
      continue;
    for (const char* what : {".text", ".takes_input"})
      EXPECT_EQ(after[name + what], before[name + what]) << name << what;
  }
  EXPECT_EQ(ReadAll(journal), kept) << "the resume itself kept nothing new";
}

// What the test dump shows for a text the host pastes: line breaks as the model keeps them.
std::string Dumped(const std::string& pasted) {
  std::string dumped;
  for (const char ch : pasted) dumped += ch == '\n' ? std::string("\\r\\n") : std::string(1, ch);
  return dumped;
}

TEST_P(WindowSession, LargePastesArriveWholeOrAreRefusedWithAMessage) {
  const std::string window_id = OpenWindow();
  ASSERT_FALSE(window_id.empty()) << "the window did not appear";
  ASSERT_TRUE(WaitUntilTakesInput("编辑框1")) << "the team line never took input";
  std::string rows;
  for (int i = 0; rows.size() < 100'000 - 20; ++i) rows += "member" + std::to_string(i) + "\n";
  std::string mixed;
  for (int i = 0; mixed.size() < 1'000'000 - 30; ++i)
    mixed += (i % 2 == 0 ? "棒棒糖队员" : "Orvane") + std::to_string(i) + "\n";
  std::string emoji;
  for (int i = 0; i < 100'000; ++i) emoji += "\xF0\x9F\x98\x80";  // U+1F600, four bytes
  struct Case {
    const char* what;
    std::string text;
    bool fits;
  };
  const Case cases[] = {{"100 KB of rows", rows, true},
                        {"1 MB, Chinese and Latin", mixed, true},
                        {"100,000 emoji", emoji, true},
                        {"one byte over 2 MiB", std::string((size_t{2} << 20) + 1, 'x'), false}};
  const Atom clipboard = XInternAtom(x_, "CLIPBOARD", False);
  std::string shown = "Orvane队：";  // the box's own line
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const ::Window before = XGetSelectionOwner(x_, clipboard);
    const pid_t server = ServeClipboardInPieces(display_->name(), c.text);
    ASSERT_GT(server, 0);
    for (int i = 0; i < 100 && XGetSelectionOwner(x_, clipboard) == before; ++i)
      std::this_thread::sleep_for(50ms);
    ASSERT_NE(XGetSelectionOwner(x_, clipboard), before) << "the clipboard server did not start";
    ClickAt("编辑框1", 82, 10);  // its first row
    X("key ctrl+a ctrl+v");      // the paste replaces the whole line
    std::string last;
    if (c.fits) {
      const std::string expected = Dumped(c.text);
      for (int i = 0; i < 100 && last != expected; ++i) last = ReadBoard()["编辑框1.text"];
      EXPECT_EQ(last.size(), expected.size());
      EXPECT_TRUE(last == expected) << "the box shows something else";
      shown = expected;
    } else {
      Area box;
      for (int i = 0; i < 100 && box.w == 0; ++i) {
        std::this_thread::sleep_for(100ms);
        box = OtherWindow(window_id);
      }
      EXPECT_GT(box.w, 0) << "no message box";
      X("key Return");
      last = ReadBoard()["编辑框1.text"];
      EXPECT_EQ(last.size(), shown.size());
      EXPECT_TRUE(last == shown) << "the box changed";
    }
    kill(server, SIGTERM);
    waitpid(server, nullptr, 0);
  }
}

// A centred box moves its whole text on each key, and a box that loses the focus takes
// its caret away: what the screen shows must be what a full repaint shows.
TEST_P(WindowSession, CentredBoxesShowWhatAFullRepaintShows) {
  const std::string window_id = OpenWindow();
  ASSERT_FALSE(window_id.empty()) << "the window did not appear";
  ASSERT_TRUE(WaitUntilStartUpEnds()) << "the start-up progress never ended";
  const char* const boxes[] = {"编辑框3", "编辑框4"};
  // 编辑框3 gets 456 typed key by key; 编辑框4 is emptied and left by Tab.
  Click("编辑框3");
  X("key ctrl+a BackSpace");
  X("type --delay 80 456");
  Click("编辑框4");
  X("key ctrl+a BackSpace");
  X("key Tab");
  const Board board = BoardWhen([](const Board& b) {
    return b["编辑框3.text"] == "456" && b["编辑框4.text"].empty() && b["focus"] != "编辑框4";
  });
  ASSERT_EQ(board["编辑框3.text"], "456");
  ASSERT_EQ(board["编辑框4.text"], "");
  ASSERT_NE(board["focus"], "编辑框4");
  const std::vector<uint8_t> shown = Grab();

  // Unmapping and mapping the window repaints every control whole.
  X("windowunmap --sync " + window_id);
  X("windowmap --sync " + window_id);
  const std::vector<uint8_t> repainted = SteadyGrab();
  for (const char* box : boxes) {
    EXPECT_EQ(Differing(shown, repainted, PlaceOf(box)), 0)
        << box << " shows something a full repaint does not";
  }
}

INSTANTIATE_TEST_SUITE_P(Locales, WindowSession, ::testing::Values("C", "zh_CN.UTF-8"),
                         [](const ::testing::TestParamInfo<const char*>& locale) {
                           return std::string(locale.param).substr(0, 5) == "zh_CN"
                                      ? std::string("zh_CN")
                                      : std::string(locale.param);
                         });

}  // namespace
#endif
