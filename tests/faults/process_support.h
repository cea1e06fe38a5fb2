#pragma once
// The replay driver as a real process against real folders, for the fault tests that
// need what only a separate process has: its own signals, limits, namespaces and pid.
#ifndef _WIN32  // Linux only: fork, signals, namespaces and rlimits.
#include <fcntl.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "faults/fault_support.h"

namespace faults {

struct Outcome {
  int status = -1;    // the exit code, or 128 + the signal that ended the process
  bool hung = false;  // killed after the time limit
  std::string out;    // what the driver printed
};

// A script that types `team_line` into the lollipop team line and saves `saves` times.
inline std::string SavingScript(int saves, const std::string& team_line = "Orvane队：甲") {
  std::string script = "type 编辑框1 " + team_line + "\n";
  for (int i = 0; i < saves; ++i) script += "click 超级按钮1\n";
  return script;
}

// Starts `argv` (a shell command line when `shell` is set) with `script` on its
// standard input; `Finish` collects it.
struct Process {
  pid_t pid = -1;
  int out = -1;
  int in = -1;  // the script's pipe, when the test feeds it as it goes
};

// Starts `argv` reading its script from a pipe the test writes to (Process::in).
inline Process LaunchFed(const std::vector<std::string>& argv) {
  int in[2];
  int out[2];
  if (pipe2(in, O_CLOEXEC) != 0 || pipe2(out, O_CLOEXEC) != 0)
    return {};
  const pid_t pid = fork();
  if (pid == 0) {
    dup2(in[0], 0);
    dup2(out[1], 1);
    // The pipes are close-on-exec; only the duplicates stay open in the driver.
    std::vector<char*> args;
    for (const std::string& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
    args.push_back(nullptr);
    execvp(args[0], args.data());
    _exit(127);
  }
  close(in[0]);
  close(out[1]);
  return {pid, out[0], in[1]};
}

inline bool Feed(const Process& process, const std::string& text) {
  return write(process.in, text.data(), text.size()) == static_cast<ssize_t>(text.size());
}

// Waits until the process has read everything fed to it so far (its output is not
// flushed before it ends, so that cannot tell); false after ten seconds.
inline bool AwaitConsumed(const Process& process) {
  for (int waited = 0; waited < 10000; ++waited) {
    int unread = 0;
    if (ioctl(process.in, FIONREAD, &unread) != 0)
      return false;
    if (unread == 0)
      return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  return false;
}

inline Process Launch(const std::vector<std::string>& argv, const std::string& script) {
  const fs::path script_file =
      fs::temp_directory_path() /
      ("replay-script-" + std::to_string(getpid()) + "-" + std::to_string(std::rand()) + ".txt");
  std::ofstream(script_file, std::ios::binary) << script;
  int out[2];
  if (pipe2(out, O_CLOEXEC) != 0)
    return {};
  const pid_t pid = fork();
  if (pid == 0) {
    const int in = open(script_file.c_str(), O_RDONLY);
    unlink(script_file.c_str());
    dup2(in, 0);
    dup2(out[1], 1);
    close(out[0]);
    close(out[1]);
    std::vector<char*> args;
    for (const std::string& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
    args.push_back(nullptr);
    execvp(args[0], args.data());
    _exit(127);
  }
  close(out[1]);
  return {pid, out[0]};
}

inline Outcome Finish(Process process, std::chrono::seconds limit = std::chrono::seconds(60)) {
  if (process.in >= 0)
    close(process.in);
  Outcome run;
  std::thread reader([&] {
    char buffer[4096];
    for (ssize_t got; (got = read(process.out, buffer, sizeof buffer)) > 0;)
      run.out.append(buffer, static_cast<std::size_t>(got));
  });
  const auto deadline = std::chrono::steady_clock::now() + limit;
  int status = 0;
  while (waitpid(process.pid, &status, WNOHANG) == 0) {
    if (std::chrono::steady_clock::now() > deadline) {
      run.hung = true;
      kill(process.pid, SIGKILL);
      waitpid(process.pid, &status, 0);
      break;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  reader.join();
  close(process.out);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  return run;
}

inline std::vector<std::string> ReplayArgs(const fs::path& folder) {
  return {REPLAY_BINARY, "--dir", folder.string(), "--now", "2016-05-03 14:05:09"};
}

inline Outcome Replay(const fs::path& folder, const std::string& script) {
  return Finish(Launch(ReplayArgs(folder), script));
}

// The lines of a run that report a message box.
inline int CountMessages(const std::string& out, const std::string& text) {
  int count = 0;
  for (std::size_t pos = 0; (pos = out.find("message: ", pos)) != std::string::npos; ++pos) {
    const std::size_t end = out.find('\n', pos);
    // `text` may be the start of the message only.
    if (out.compare(pos, std::min(end - pos, 9 + text.size()), "message: " + text) == 0)
      ++count;
  }
  return count;
}

// Slot files of the folder, each checked to be a whole record in a plain file.
inline int CountWholeRecords(const fs::path& folder, std::string* problem) {
  int records = 0;
  for (int slot = 0; slot <= kLastSlot; ++slot) {
    const fs::path path = SlotFile(folder, slot);
    const fs::file_status status = fs::symlink_status(path);
    if (!fs::exists(status))
      continue;
    ++records;
    if (!fs::is_regular_file(status)) {
      *problem += path.filename().string() + " is not a plain file; ";
      continue;
    }
    if (const std::string wrong = RecordProblem(ReadBytes(path)); !wrong.empty())
      *problem += path.filename().string() + ": " + wrong + "; ";
  }
  return records;
}

}  // namespace faults
#endif  // !_WIN32
