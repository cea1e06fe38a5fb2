// The real window under Xvfb, read back pixel by pixel: a control that stays disabled after
// start-up draws its caption only in the system's grey (over a white copy where Windows
// etches it) and none of its own caption colour, while an enabled control of the same kind
// draws its caption in its colour; a disabled edit box takes the face colour, an enabled
// one stays white.
#include <gtest/gtest.h>

#include "child_output.h"
#include "test_dump.h"

#ifdef SCOREBOARD_BINARY
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <thread>

#include "private_display.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

constexpr int kScreenW = 1280, kScreenH = 1024;

struct Rgb {
  int r, g, b;
};

// What a caption's pixels are counted as.
enum class Ink { Black, Red };

bool OfInk(Rgb p, Ink ink) {
  if (ink == Ink::Black)
    return p.r < 0x50 && p.g < 0x50 && p.b < 0x50;
  return p.r > 0xB0 && p.g < 0x60 && p.b < 0x60;
}
bool Neutral(Rgb p) {
  return std::abs(p.r - p.g) <= 4 && std::abs(p.g - p.b) <= 4;
}
// The greyed text colour is #A0A0A0; glyph edges blend it into the face (#F0F0F0).
bool IsGreyedText(Rgb p) {
  return Neutral(p) && p.g >= 0x9C && p.g <= 0xC8;
}
// Lighter than the face: the white copy under the grey.
bool IsWhite(Rgb p) {
  return Neutral(p) && p.g >= 0xFA;
}

struct Area {
  int left = 0, top = 0, width = 0, height = 0;
};

// How many pixels of an area are of each sort.
struct Counts {
  int ink = 0, grey = 0, white = 0, total = 0;
};

std::string Said(const std::string& control, const Counts& c) {
  return control + ": of " + std::to_string(c.total) + " pixels, " + std::to_string(c.ink) +
         " of its colour, " + std::to_string(c.grey) + " grey, " + std::to_string(c.white) +
         " white";
}

class GreyedControls : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(std::system("command -v Xvfb >/dev/null"), 0)
        << "Xvfb is not installed (scripts/install-deps.sh all)";
    display_ = std::make_unique<PrivateDisplay>(
        std::to_string(kScreenW) + "x" + std::to_string(kScreenH) + "x24", "-br");
    ASSERT_FALSE(display_->name().empty()) << "Xvfb did not start";
    display_->ServeChildrenAtScaleOne();
    x_ = XOpenDisplay(display_->name().c_str());
    ASSERT_NE(x_, nullptr) << display_->name();
    char pattern[] = "/tmp/greyed-test-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    dir_ = pattern;
    fs::copy_file(SCOREBOARD_BINARY, dir_ / "scoreboard");
    dump_ = dir_ / "board.txt";
    setenv("SCOREBOARD_TEST_DUMP", dump_.c_str(), 1);
    const std::string program = (dir_ / "scoreboard").string();
    char* argv[] = {const_cast<char*>(program.c_str()), nullptr};
    ASSERT_EQ(posix_spawn(&app_, argv[0], nullptr, nullptr, argv, environ), 0);
  }

  void TearDown() override {
    if (image_ != nullptr)
      XDestroyImage(image_);
    if (app_ > 0) {
      kill(app_, SIGKILL);
      waitpid(app_, nullptr, 0);
    }
    if (x_ != nullptr)
      XCloseDisplay(x_);
    display_.reset();
    if (!dir_.empty())
      fs::remove_all(dir_);
  }

  // The program's test dump (SIGUSR1), as NAME.KEY=VALUE pairs; empty if none came.
  std::map<std::string, std::string> Dump() {
    const auto pairs = AskTestDump(app_, dump_);
    return {pairs.begin(), pairs.end()};
  }

  // Waits for the window (the program answers the dump's signal only once it is up), then
  // for the start-up to have run its course: progress full, the buttons it enables enabled.
  void WaitForBoard() {
    const auto end = std::chrono::steady_clock::now() + 20s;
    while (client_ == 0 && std::chrono::steady_clock::now() < end) {
      std::this_thread::sleep_for(100ms);
      Window root = 0, parent = 0, *children = nullptr;
      unsigned count = 0;
      XQueryTree(x_, DefaultRootWindow(x_), &root, &parent, &children, &count);
      for (unsigned i = 0; i < count && client_ == 0; ++i) client_ = Titled(children[i]);
      if (children != nullptr)
        XFree(children);
    }
    ASSERT_NE(client_, 0u) << "no window titled TobrikV2.4";
    while (std::chrono::steady_clock::now() < end) {
      board_ = Dump();
      if (board_["进度条1.position"] == "100" && board_["按钮20.takes_input"] == "1")
        break;
      std::this_thread::sleep_for(100ms);
    }
    ASSERT_EQ(board_["进度条1.position"], "100") << "the start-up never ended";
    ASSERT_EQ(board_["按钮20.takes_input"], "1") << "the start-up enabled no button";
    ASSERT_EQ(board_["scale"], "1");
    // The pointer off the window, so that no control is drawn hot.
    XWarpPointer(x_, None, DefaultRootWindow(x_), 0, 0, 0, 0, kScreenW - 1, kScreenH - 1);
    XSync(x_, False);
    image_ = SteadyImage();
  }

  // The window's picture once its repaints are over: two grabs 100 ms apart agree
  // (within 5 s; the last grab after that).
  XImage* SteadyImage() {
    XWindowAttributes at{};
    XGetWindowAttributes(x_, client_, &at);
    const auto grab = [&] {
      return XGetImage(x_, client_, 0, 0, at.width, at.height, AllPlanes, ZPixmap);
    };
    const auto same = [](const XImage* a, const XImage* b) {
      return a != nullptr && b != nullptr && a->bytes_per_line == b->bytes_per_line &&
             a->height == b->height &&
             std::equal(a->data, a->data + a->bytes_per_line * a->height, b->data);
    };
    XImage* last = grab();
    for (int i = 0; i < 50; ++i) {
      std::this_thread::sleep_for(100ms);
      XImage* again = grab();
      const bool steady = same(last, again);
      if (last != nullptr)
        XDestroyImage(last);
      last = again;
      if (steady)
        break;
    }
    return last;
  }

  Window Titled(Window w) {
    char* name = nullptr;
    Window found = 0;
    if (XFetchName(x_, w, &name) != 0 && name != nullptr) {
      if (std::string(name).find("TobrikV2.4") != std::string::npos)
        found = w;
      XFree(name);
    }
    if (found != 0)
      return found;
    Window root = 0, parent = 0, *children = nullptr;
    unsigned count = 0;
    if (XQueryTree(x_, w, &root, &parent, &children, &count) != 0) {
      for (unsigned i = 0; i < count && found == 0; ++i) found = Titled(children[i]);
      if (children != nullptr)
        XFree(children);
    }
    return found;
  }

  // The control's place in the client area, from the dump.
  Area PlaceOf(const std::string& control) {
    Area a;
    const std::string value = board_[control + ".rect"];
    EXPECT_EQ(std::sscanf(value.c_str(), "%d,%d,%d,%d", &a.left, &a.top, &a.width, &a.height), 4)
        << control << " has no place in the dump";
    return a;
  }

  Counts Count(const Area& a, Ink ink) {
    Counts c;
    if (image_ == nullptr) {
      ADD_FAILURE() << "no picture of the window";
      return c;
    }
    for (int y = a.top; y < a.top + a.height && y < image_->height; ++y)
      for (int x = a.left; x < a.left + a.width && x < image_->width; ++x) {
        const unsigned long pixel = XGetPixel(image_, x, y);
        const Rgb p{static_cast<int>((pixel >> 16) & 0xFF), static_cast<int>((pixel >> 8) & 0xFF),
                    static_cast<int>(pixel & 0xFF)};
        c.ink += OfInk(p, ink) ? 1 : 0;
        c.grey += IsGreyedText(p) ? 1 : 0;
        c.white += IsWhite(p) ? 1 : 0;
        ++c.total;
      }
    return c;
  }

  std::unique_ptr<PrivateDisplay> display_;
  Display* x_ = nullptr;
  Window client_ = 0;
  XImage* image_ = nullptr;
  fs::path dir_, dump_;
  pid_t app_ = -1;
  std::map<std::string, std::string> board_;
};

TEST_F(GreyedControls, DisabledCaptionsAreGreyAndEnabledOnesKeepTheirColour) {
  ASSERT_NO_FATAL_FAILURE(WaitForBoard());
  // Each pair: a control disabled after start-up, an enabled one of the same kind with the
  // same caption colour, and whether the greyed caption sits on a white copy. A group
  // box's caption lies in the top strip of its frame.
  struct Pair {
    const char* disabled;
    const char* enabled;
    Ink ink;
    bool etched;
    bool caption_strip_only;
  };
  const Pair pairs[] = {
      {"按钮49", "按钮20", Ink::Black, true, false},
      {"按钮39", "按钮20", Ink::Black, true, false},
      {"按钮55", "按钮20", Ink::Black, true, false},
      {"透明标签8", "透明标签6", Ink::Red, false, false},
      {"透明标签7", "透明标签6", Ink::Red, false, false},
      {"分组框8", "分组框6", Ink::Red, false, true},
  };
  for (const Pair& p : pairs) {
    SCOPED_TRACE(std::string(p.disabled) + " against " + p.enabled);
    EXPECT_EQ(board_[std::string(p.disabled) + ".takes_input"], "0");
    EXPECT_EQ(board_[std::string(p.enabled) + ".takes_input"], "1");
    Area off = PlaceOf(p.disabled), on = PlaceOf(p.enabled);
    if (p.caption_strip_only)
      off.height = on.height = 14;
    if (p.etched) {  // inside the button's frame, whose edges are light too
      off = {off.left + 3, off.top + 3, off.width - 6, off.height - 6};
      on = {on.left + 3, on.top + 3, on.width - 6, on.height - 6};
    }
    const Counts greyed = Count(off, p.ink), coloured = Count(on, p.ink);
    SCOPED_TRACE(Said(p.disabled, greyed) + "; " + Said(p.enabled, coloured));
    EXPECT_EQ(greyed.ink, 0) << "pixels of its own colour in a greyed caption";
    EXPECT_GE(greyed.grey, 10) << "no grey caption";
    if (p.etched) {
      EXPECT_GE(greyed.white, 10) << "no white copy under the grey";
    }
    EXPECT_GE(coloured.ink, 10) << "the enabled caption lacks its colour";
  }
  // Edit boxes with a white background: the disabled one's inside takes the face colour,
  // the enabled one's stays white.
  const Area off = PlaceOf("编辑框8"), on = PlaceOf("编辑框3");
  const Area off_inside{off.left + 3, off.top + 3, off.width - 6, off.height - 6};
  const Area on_inside{on.left + 3, on.top + 3, on.width - 6, on.height - 6};
  const Counts greyed = Count(off_inside, Ink::Black), plain = Count(on_inside, Ink::Black);
  SCOPED_TRACE(Said("编辑框8", greyed) + "; " + Said("编辑框3", plain));
  EXPECT_EQ(greyed.white, 0) << "a disabled edit box drawn white";
  EXPECT_GT(plain.white, plain.total / 2) << "an enabled edit box not white";
}

}  // namespace
#endif
