// Starts a program, waits for its window (by title) to show its first drawn frame and
// then measures the program: start-up time, peak memory and CPU use while idle.
//   window_probe TITLE IDLE_SECONDS PROGRAM [ARGS...]
// Prints one line: first_frame_ms=... map_ms=... peak_rss_kb=... progress_cpu_percent=...
// idle_cpu_percent=...
// The pointer is parked in the screen's corner, away from the window, before the start:
// a pointer over a window makes some toolkits poll it. CPU is measured twice: over the
// first 4 s after the first frame (the scoreboard's start-up progress runs for 5 s after
// its window is built), and over IDLE_SECONDS from 6 s after the first frame on, when
// only the clock is left running. The display must start black (Xvfb -br): an undrawn
// window shows black there.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

double MillisecondsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

bool HasTitle(Display* display, Window window, const std::string& title) {
  const Atom net_name = XInternAtom(display, "_NET_WM_NAME", False);
  const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
  Atom type = 0;
  int format = 0;
  unsigned long items = 0, after = 0;
  unsigned char* value = nullptr;
  bool same = false;
  if (XGetWindowProperty(display, window, net_name, 0, 1024, False, utf8, &type, &format, &items,
                         &after, &value) == Success &&
      value != nullptr) {
    same = title == reinterpret_cast<char*>(value);
    XFree(value);
  }
  return same;
}

Window FindWindow(Display* display, Window root, const std::string& title) {
  Window unused_root = 0, unused_parent = 0, *children = nullptr;
  unsigned int count = 0;
  if (XQueryTree(display, root, &unused_root, &unused_parent, &children, &count) == 0)
    return 0;
  Window found = 0;
  for (unsigned int i = 0; i < count && found == 0; ++i) {
    if (HasTitle(display, children[i], title))
      found = children[i];
    else
      found = FindWindow(display, children[i], title);
  }
  if (children != nullptr)
    XFree(children);
  return found;
}

bool Drawn(Display* display, Window window) {
  XWindowAttributes attributes{};
  if (XGetWindowAttributes(display, window, &attributes) == 0 || attributes.map_state != IsViewable)
    return false;
  // A few points spread over the window; any of them not black means a frame was drawn.
  for (int i = 1; i <= 4; ++i) {
    const int x = attributes.width * i / 5, y = attributes.height * i / 5;
    XImage* image = XGetImage(display, window, x, y, 1, 1, AllPlanes, ZPixmap);
    if (image == nullptr)
      continue;
    const unsigned long pixel = XGetPixel(image, 0, 0);
    XDestroyImage(image);
    if ((pixel & 0xFFFFFF) != 0)
      return true;
  }
  return false;
}

long CpuTicks(pid_t pid) {
  std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
  std::string line;
  std::getline(stat, line);
  const size_t close = line.rfind(')');
  if (close == std::string::npos)
    return -1;
  std::istringstream fields(line.substr(close + 2));
  std::string field;
  long utime = 0, stime = 0;
  for (int i = 3; i <= 15 && fields >> field; ++i) {
    if (i == 14)
      utime = std::atol(field.c_str());
    if (i == 15)
      stime = std::atol(field.c_str());
  }
  return utime + stime;
}

long PeakRssKb(pid_t pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("VmHWM:", 0) == 0)
      return std::atol(line.c_str() + 6);
  }
  return -1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) {
    std::fprintf(stderr, "usage: window_probe TITLE IDLE_SECONDS PROGRAM [ARGS...]\n");
    return 2;
  }
  const std::string title = argv[1];
  const int idle_seconds = std::atoi(argv[2]);
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    std::fprintf(stderr, "window_probe: no display\n");
    return 2;
  }
  const Window root = DefaultRootWindow(display);
  XWarpPointer(display, None, root, 0, 0, 0, 0, 0, 0);
  XSync(display, False);
  const Clock::time_point start = Clock::now();
  pid_t pid = 0;
  if (posix_spawn(&pid, argv[3], nullptr, nullptr, argv + 3, environ) != 0) {
    std::fprintf(stderr, "window_probe: cannot start %s\n", argv[3]);
    return 2;
  }
  Window window = 0;
  double map_ms = -1, frame_ms = -1;
  while (MillisecondsSince(start) < 20000) {
    if (window == 0)
      window = FindWindow(display, root, title);
    if (window != 0) {
      XWindowAttributes attributes{};
      if (map_ms < 0 && XGetWindowAttributes(display, window, &attributes) != 0 &&
          attributes.map_state == IsViewable)
        map_ms = MillisecondsSince(start);
      if (Drawn(display, window)) {
        frame_ms = MillisecondsSince(start);
        break;
      }
    }
    std::this_thread::sleep_for(std::chrono::microseconds(500));
  }
  const Clock::time_point frame = Clock::now();
  const auto cpu_percent = [&](std::chrono::seconds from, std::chrono::seconds span) {
    std::this_thread::sleep_until(frame + from);
    const long before = CpuTicks(pid);
    std::this_thread::sleep_for(span);
    const long after = CpuTicks(pid);
    return 100.0 * static_cast<double>(after - before) / static_cast<double>(sysconf(_SC_CLK_TCK)) /
           static_cast<double>(span.count());
  };
  const double progress_cpu = cpu_percent(std::chrono::seconds(0), std::chrono::seconds(4));
  const double cpu = cpu_percent(std::chrono::seconds(6), std::chrono::seconds(idle_seconds));
  const long peak = PeakRssKb(pid);
  kill(pid, SIGTERM);
  waitpid(pid, nullptr, 0);
  XCloseDisplay(display);
  std::printf(
      "first_frame_ms=%.1f map_ms=%.1f peak_rss_kb=%ld progress_cpu_percent=%.2f "
      "idle_cpu_percent=%.2f\n",
      frame_ms, map_ms, peak, progress_cpu, cpu);
  return frame_ms < 0 ? 1 : 0;
}
