// Starting a program: posix_spawn, no shell, detached from the window. The window
// never waits for it except when asked to wait for its end. A minimised start is asked
// of the window manager once the program's window appears, within a few seconds.
#include <FL/Fl.H>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "platform/fltk/fltk_front_end.h"
#include "platform/fltk/program_launch.h"
#include "platform/fltk/x11_window.h"

extern char** environ;

namespace {

constexpr int kShowMinimised = 6;
constexpr int kShowMinimisedActive = 2;

// Children that were not waited for are collected later, so that none lingers.
void Reap(void* data) {
  const auto pid = static_cast<pid_t>(reinterpret_cast<intptr_t>(data));
  if (waitpid(pid, nullptr, WNOHANG) == 0)
    Fl::repeat_timeout(1.0, Reap, data);
}

}  // namespace

bool FltkFrontEnd::LaunchProgram(const Text& command_line, int32_t show_window, bool wait) {
  const char* path = std::getenv("PATH");
  std::vector<std::string> words =
      ProgramArguments(Utf8FromText(command_line), path != nullptr ? path : "/usr/bin:/bin");
  if (words.empty())
    return false;  // nothing to start: answered silently
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);

  // The child starts in a session of its own, so that it outlives the window and takes
  // no keyboard signals meant for it.
  posix_spawnattr_t attributes;
  posix_spawnattr_init(&attributes);
  posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSID);
  pid_t pid = 0;
  const int failed = posix_spawn(&pid, argv[0], nullptr, &attributes, argv.data(), environ);
  posix_spawnattr_destroy(&attributes);
  if (failed != 0)
    return false;
  if (wait) {
    while (waitpid(pid, nullptr, 0) < 0 && errno == EINTR) {
    }
    return true;
  }
  Fl::add_timeout(1.0, Reap, reinterpret_cast<void*>(static_cast<intptr_t>(pid)));
  if (show_window == kShowMinimised || show_window == kShowMinimisedActive)
    IconifyWhenShown(pid);
  return true;
}
