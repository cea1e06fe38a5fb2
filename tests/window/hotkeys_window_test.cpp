// Hotkeys in the real window under Xvfb while a window of another X client has the focus:
// every binding of the sample file clicks its button as the mouse would (the board then
// shows what the replay driver shows for the same clicks), with NumLock off and on; a
// held key clicks once; a line that cannot be read, a key bound twice and a key another
// client grabbed first are each reported, and the other bindings work all the same; while
// the message box that reports them is open, a hotkey clicks nothing.
#include <gtest/gtest.h>

#include "child_output.h"
#include "test_dump.h"

#ifdef SCOREBOARD_BINARY
#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/keysym.h>
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <sstream>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "control_places.h"
#include "private_display.h"
#include "shell/control_ids.h"
#include "shell/control_roles.h"
#include "shell/hotkey_file.h"
#include "support/temporary_folder.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

// Polls `done` every 50 ms for up to `limit`; answers whether it came true.
bool WaitUntil(const std::function<bool()>& done, std::chrono::milliseconds limit = 10s) {
  const auto end = std::chrono::steady_clock::now() + limit;
  while (std::chrono::steady_clock::now() < end) {
    if (done())
      return true;
    std::this_thread::sleep_for(50ms);
  }
  return done();
}

// The name xdotool gives the key of a binding: "ctrl+alt+KP_3".
std::string XdotoolKeys(const HotKey& key) {
  std::string keys;
  if ((key.modifiers & hotkey_modifier::kCtrl) != 0)
    keys += "ctrl+";
  if ((key.modifiers & hotkey_modifier::kAlt) != 0)
    keys += "alt+";
  if ((key.modifiers & hotkey_modifier::kShift) != 0)
    keys += "shift+";
  if ((key.modifiers & hotkey_modifier::kWin) != 0)
    keys += "super+";
  const int32_t vk = key.virtual_key;
  if (vk >= 'A' && vk <= 'Z')
    return keys + static_cast<char>(vk - 'A' + 'a');
  if (vk >= '0' && vk <= '9')
    return keys + static_cast<char>(vk);
  if (vk >= 0x70 && vk <= 0x87)
    return keys + "F" + std::to_string(vk - 0x70 + 1);
  if (vk >= 0x60 && vk <= 0x69)
    return keys + "KP_" + std::to_string(vk - 0x60);
  ADD_FAILURE() << "no xdotool name for the key " << vk;
  return keys;
}

// The id of the shown window whose title is `title` (UTF-8); empty when there is none.
// Compared here rather than by xdotool's pattern, which a C locale cannot match to Chinese.
std::string WindowNamed(const std::string& title) {
  std::istringstream ids(Capture("xdotool search --onlyvisible --name . 2>/dev/null"));
  std::string id;
  while (ids >> id) {
    std::string name = Capture("xdotool getwindowname " + id + " 2>/dev/null");
    if (!name.empty() && name.back() == '\n')
      name.pop_back();
    if (name == title)
      return id;
  }
  return "";
}

// Xvfb on a display number it picks itself, and the test's own connection to it: the
// other client, with a window of its own that takes the focus and a key it grabs.
class HotkeysWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* tool : {"Xvfb", "xdotool"}) {
      ASSERT_EQ(std::system((std::string("command -v ") + tool + " >/dev/null").c_str()), 0)
          << tool << " is not installed (scripts/install-deps.sh all)";
    }
    dir_ = NewTemporaryFolder("hotkeys-window");
    ASSERT_FALSE(dir_.empty());
    display_ = std::make_unique<PrivateDisplay>("1280x1024x24");
    ASSERT_FALSE(display_->name().empty()) << "Xvfb did not start";
    display_->ServeChildrenAtScaleOne();
    x_ = XOpenDisplay(display_->name().c_str());
    ASSERT_NE(x_, nullptr);
    // The other program's window, which has the focus whenever a hotkey is pressed.
    other_ = XCreateSimpleWindow(x_, DefaultRootWindow(x_), 0, 0, 200, 100, 0, 0, 0xffffff);
    XMapWindow(x_, other_);
    XSync(x_, False);
    dump_ = dir_ / "board.txt";
    setenv("SCOREBOARD_TEST_DUMP", dump_.c_str(), 1);
  }

  void TearDown() override {
    if (app_ > 0) {
      kill(app_, SIGKILL);
      waitpid(app_, nullptr, 0);
    }
    if (x_ != nullptr)
      XCloseDisplay(x_);
    display_.reset();
    std::error_code ignored;
    fs::remove_all(dir_, ignored);
  }

  // The program from a folder of its own (its records go there), standard error kept.
  void Start(const fs::path& hotkeys) {
    fs::create_directories(dir_ / "window");
    fs::copy_file(SCOREBOARD_BINARY, dir_ / "window" / "scoreboard");
    const std::string program = (dir_ / "window" / "scoreboard").string();
    const std::string err = (dir_ / "stderr.txt").string();
    const std::string keys = hotkeys.string();
    const char* argv[] = {program.c_str(), "--hotkeys", keys.c_str(), nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    ASSERT_EQ(
        posix_spawn(&app_, program.c_str(), &actions, nullptr, const_cast<char**>(argv), environ),
        0);
    posix_spawn_file_actions_destroy(&actions);
  }

  // What the model holds, through the program's test dump: "NAME.text", "focus", ...
  std::map<std::string, std::string> Board() {
    const auto pairs = AskTestDump(app_, dump_, 5s);
    return {pairs.begin(), pairs.end()};
  }
  std::string Shown(const std::string& control) { return Board()[control + ".text"]; }

  void Xdotool(const std::string& arguments) {
    ASSERT_EQ(std::system(("xdotool " + arguments).c_str()), 0) << arguments;
  }
  // The other client's window takes the focus, and keeps it until the board is clicked.
  void FocusTheOtherWindow() {
    XSetInputFocus(x_, other_, RevertToParent, CurrentTime);
    XSync(x_, False);
    ::Window focus = 0;
    int revert = 0;
    XGetInputFocus(x_, &focus, &revert);
    ASSERT_EQ(focus, other_) << "the other window did not take the focus";
  }
  bool NumLockOn() {
    XkbStateRec state;
    XkbGetState(x_, XkbUseCoreKbd, &state);
    const unsigned mask = XkbKeysymToModifiers(x_, XK_Num_Lock);
    return (state.locked_mods & mask) != 0;
  }
  void SetNumLock(bool on) {
    if (NumLockOn() != on)
      Xdotool("key Num_Lock");
    ASSERT_TRUE(WaitUntil([&] { return NumLockOn() == on; })) << "NumLock did not change";
  }

  fs::path dir_, dump_;
  std::unique_ptr<PrivateDisplay> display_;
  pid_t app_ = -1;
  Display* x_ = nullptr;
  ::Window other_ = 0;
};

const ClickableControl& ClickableOf(ControlId control) {
  for (const ClickableControl& entry : ClickableControls()) {
    if (entry.control.id == control)
      return entry;
  }
  throw std::runtime_error("a binding to a control without a role");
}

bool g_grab_refused = false;
int NoteGrabRefused(Display*, XErrorEvent* error) {
  g_grab_refused |= error->error_code == BadAccess;
  return 0;
}

TEST_F(HotkeysWindow, TheSampleClicksAsTheMouseDoesWhileAnotherWindowHasTheFocus) {
  const fs::path sample = fs::path(TEST_SOURCE_DIR) / ".." / "packaging" / "hotkeys-sample.txt";
  const std::string sample_text = ReadAll(sample);
  ASSERT_FALSE(sample_text.empty()) << sample;
  const HotkeyFile bindings = ParseHotkeys(sample_text, "sample");
  ASSERT_TRUE(bindings.problems.empty());
  ASSERT_GE(bindings.bindings.size(), 19u);
  const int sample_lines =
      static_cast<int>(std::count(sample_text.begin(), sample_text.end(), '\n'));

  // Another client holds Ctrl+Alt+W before the board starts.
  const int w_key = XKeysymToKeycode(x_, XK_w);
  auto* previous = XSetErrorHandler(NoteGrabRefused);
  XGrabKey(x_, w_key, ControlMask | Mod1Mask, DefaultRootWindow(x_), True, GrabModeAsync,
           GrabModeAsync);
  XSync(x_, False);
  XSetErrorHandler(previous);
  ASSERT_FALSE(g_grab_refused);

  // The sample, then a key held elsewhere, a key bound twice, a line that is no binding,
  // and a key for the held-key check.
  const fs::path file = dir_ / "keys.txt";
  std::ofstream(file) << sample_text << "Ctrl+Alt+W = 清除\n"
                      << "Ctrl+Alt+1 = 保存\n"
                      << "this is no binding\n"
                      << "Ctrl+Shift+F11 = 棒棒糖队 加10\n";
  Start(file);
  const std::string where = file.string() + ":";
  const std::vector<std::string> expected_problems = {
      where + std::to_string(sample_lines + 2) + ": Ctrl+Alt+1 is bound already on line",
      where + std::to_string(sample_lines + 3) + ": not a binding",
      where + std::to_string(sample_lines + 1) +
          ": Ctrl+Alt+W is held by another program; choose another key",
  };
  std::string err;
  const bool all_said = WaitUntil([&] {
    err = ReadAll(dir_ / "stderr.txt");
    for (const std::string& problem : expected_problems) {
      if (err.find(problem) == std::string::npos)
        return false;
    }
    return true;
  });
  ASSERT_TRUE(all_said) << "standard error said:\n" << err;
  // The message box with the same problems: OK closes it, then the board takes clicks.
  std::string box;
  ASSERT_TRUE(WaitUntil([&] { return !(box = WindowNamed("计分板")).empty(); }))
      << "no message box after start-up";
  // While the box holds the program a hotkey clicks nothing, as the mouse cannot: the
  // lollipop team's loss pressed now must not show in the first step's comparison below.
  FocusTheOtherWindow();
  Xdotool("key ctrl+alt+8");
  Xdotool("windowfocus --sync " + box + " key Return");
  ASSERT_TRUE(WaitUntil([&] { return WindowNamed("计分板").empty(); }))
      << "the message box stayed open";
  ASSERT_TRUE(WaitUntil([&] { return Board()["按钮9.takes_input"] == "1"; }))
      << "the start-up step never enabled the gifts";
  const std::string window_id =
      WindowNamed("LirvoLv7163Orvane専属游戏计数器_TobrikV2.4 无账号正式版");
  const std::string geometry = Capture("xdotool getwindowgeometry --shell " + window_id);
  auto field = [&](const std::string& name) {
    const size_t at = geometry.find(name + "=");
    return at == std::string::npos ? 0 : std::atoi(geometry.c_str() + at + name.size() + 1);
  };
  const int win_x = field("X"), win_y = field("Y");

  // The same session for the replay driver: what a mouse click on each button gives.
  const std::vector<std::string> watched = {"编辑框9",  "编辑框10", "编辑框12", "编辑框28",
                                            "编辑框22", "编辑框23", "编辑框3",  "编辑框4",
                                            "编辑框1",  "编辑框2",  "编辑框17", "编辑框18"};
  std::string script = "wait 3500\n";
  struct Step {
    const HotkeyBinding* binding;
    std::string quantity_box;  // for a picture gift: the box typed into first
    std::string quantity;
  };
  std::vector<Step> steps;
  for (const HotkeyBinding& b : bindings.bindings) {
    Step step{&b, "", ""};
    const ClickableControl& clicked = ClickableOf(b.control);
    if (clicked.role.find("礼物") != std::string::npos) {
      step.quantity_box = clicked.role.rfind("棒棒糖队", 0) == 0 ? "编辑框3" : "编辑框4";
      step.quantity = std::to_string(steps.size() % 3 + 2);
      script += "type " + step.quantity_box + " " + step.quantity + "\n";
    }
    script += std::string("click ") + clicked.control.name + "\n";
    for (const std::string& box_name : watched) script += "print " + box_name + "\n";
    steps.push_back(step);
  }
  const fs::path script_file = dir_ / "session.script";
  std::ofstream(script_file) << script;
  fs::create_directories(dir_ / "replay");
  std::istringstream replay(Capture(std::string(REPLAY_BINARY) + " --dir " +
                                    (dir_ / "replay").string() + " " + script_file.string()));
  std::vector<std::map<std::string, std::string>> expected(steps.size());
  std::string line;
  for (size_t i = 0, printed = 0; std::getline(replay, line);) {
    const size_t eq = line.find(".content=");
    if (eq == std::string::npos)
      continue;
    expected[i][line.substr(0, eq)] = line.substr(eq + 9);
    if (++printed % watched.size() == 0)
      ++i;
  }
  ASSERT_EQ(expected.back().size(), watched.size()) << "the replay driver printed too little";

  for (size_t i = 0; i < steps.size(); ++i) {
    const Step& step = steps[i];
    SCOPED_TRACE(step.binding->keys + " (" + step.binding->where + ")");
    // NumLock off for the first half of the session, on for the second: the keypad's
    // gifts are pressed in both states.
    SetNumLock(i >= steps.size() / 2);
    if (!step.quantity_box.empty()) {
      const ControlPlace& quantity = PlaceOf(step.quantity_box);
      // Without a window manager a click gives no window the focus: the test gives it.
      Xdotool("windowfocus --sync " + window_id + " mousemove " +
              std::to_string(win_x + quantity.centre_x()) + " " +
              std::to_string(win_y + quantity.centre_y()) + " click 1 type " + step.quantity);
      ASSERT_TRUE(WaitUntil([&] { return Shown(step.quantity_box) == step.quantity; }));
    }
    FocusTheOtherWindow();
    Xdotool("key " + XdotoolKeys(step.binding->key));
    std::map<std::string, std::string> seen;
    const bool as_replay = WaitUntil([&] {
      const auto board = Board();
      for (const std::string& box_name : watched)
        seen[box_name] =
            board.count(box_name + ".text") ? board.at(box_name + ".text") : "<missing>";
      return seen == expected[i];
    });
    EXPECT_TRUE(as_replay) << [&] {
      std::string diff;
      for (const auto& [name, value] : expected[i])
        if (seen[name] != value)
          diff += name + ": window " + seen[name] + ", replay " + value + "\n";
      return diff;
    }();
  }
  // The save wrote its record into the program's folder.
  EXPECT_TRUE(WaitUntil([&] { return fs::exists(dir_ / "window" / "游戏数据保存.txt"); }));

  // A held key clicks once, whatever repeats the server makes while it is down.
  FocusTheOtherWindow();
  const std::string before = Shown("编辑框9");
  const std::string after = std::to_string(std::stol(before) + 10);
  Xdotool("keydown ctrl+shift+F11");
  EXPECT_TRUE(WaitUntil([&] { return Shown("编辑框9") == after; })) << Shown("编辑框9");
  Xdotool("keydown F11");  // a repeated press without a release, as auto-repeat sends it
  // While the key stays down nothing more may come: watch for a second.
  EXPECT_FALSE(WaitUntil([&] { return Shown("编辑框9") != after; }, 1s)) << Shown("编辑框9");
  Xdotool("keyup F11 keyup shift keyup ctrl");
  EXPECT_FALSE(WaitUntil([&] { return Shown("编辑框9") != after; }, 500ms)) << Shown("编辑框9");
  // Pressed again, it clicks again.
  const std::string again = std::to_string(std::stol(before) + 20);
  Xdotool("key ctrl+shift+F11");
  EXPECT_TRUE(WaitUntil([&] { return Shown("编辑框9") == again; })) << Shown("编辑框9");
}

}  // namespace
#endif
