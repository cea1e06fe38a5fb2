#include "private_display.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <vector>

extern char** environ;

PrivateDisplay::PrivateDisplay(const std::string& screen, const std::string& extra) {
  int number_pipe[2];
  if (pipe(number_pipe) != 0)
    return;
  const std::string write_end = std::to_string(number_pipe[1]);
  std::vector<const char*> argv = {"Xvfb", "-displayfd",   write_end.c_str(), "-screen",
                                   "0",    screen.c_str(), "-nolisten",       "tcp"};
  if (!extra.empty())
    argv.push_back(extra.c_str());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addclose(&actions, number_pipe[0]);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  const int spawned =
      posix_spawnp(&pid_, "Xvfb", &actions, nullptr, const_cast<char**>(argv.data()), environ);
  posix_spawn_file_actions_destroy(&actions);
  close(number_pipe[1]);
  if (spawned != 0) {
    pid_ = -1;
    close(number_pipe[0]);
    return;
  }
  // The number arrives once the server listens; a server that fails closes the pipe.
  std::string number;
  char digit = 0;
  while (read(number_pipe[0], &digit, 1) == 1 && digit != '\n') number += digit;
  close(number_pipe[0]);
  if (!number.empty())
    name_ = ":" + number;
}

PrivateDisplay::~PrivateDisplay() {
  if (pid_ > 0) {
    kill(pid_, SIGTERM);
    waitpid(pid_, nullptr, 0);
  }
}

void PrivateDisplay::ServeChildrenAtScaleOne() const {
  setenv("DISPLAY", name_.c_str(), 1);
  setenv("SCOREBOARD_SCALE", "1", 1);
  unsetenv("GDK_SCALE");
}
