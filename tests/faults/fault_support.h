#pragma once
// What the fault, endurance and hostile tests share: a board started headless in a given
// run directory, a check that a record file is whole, and ways to make a folder fail.
#ifndef _WIN32
#include <sched.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "hostile/well_formed.h"
#include "journal/journal_format.h"
#include "platform/headless/headless_front_end.h"
#include "records/record_slots.h"
#include "services/property_model.h"
#include "shell/application.h"
#include "shell/control_ids.h"
#include "support/temporary_folder.h"
#include "support/utf8_path.h"

namespace faults {

namespace fs = std::filesystem;

// The program started as the application starts it, with what it showed kept as lines.
struct Board {
  explicit Board(const fs::path& run_directory)
      : front_end(DateTimeFromCalendar(2016, 5, 3, 14, 5, 9),
                  [this](const std::string& line) { shown.push_back(line); }),
        app(front_end) {
    front_end.Attach(app);
    app.Start(run_directory.native());
  }
  void Type(ControlId box, const std::string& utf8) { app.Type(box, TextFromUtf8(utf8)); }
  bool Save() { return app.Click(超级按钮1); }
  // The message boxes shown so far, as "CAPTION: TEXT" in UTF-8.
  std::vector<std::string> Messages() const {
    std::vector<std::string> messages;
    for (const std::string& line : shown) {
      if (line.rfind("message: ", 0) == 0)
        messages.push_back(line.substr(9));
    }
    return messages;
  }

  std::vector<std::string> shown;
  HeadlessFrontEnd front_end;
  Application app;
};

inline fs::path MakeTemporaryFolder(const std::string& stem) {
  return NewTemporaryFolder(stem);
}

inline fs::path SlotFile(const fs::path& folder, int slot) {
  return folder / PathFromUtf8(Utf8FromText(SlotFileName(slot)));
}

inline std::string ReadBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// Every entry of the folder by name (UTF-8), sorted.
// The journal of the host's actions that the board keeps beside its records is not one.
inline std::vector<std::string> Entries(const fs::path& folder) {
  std::vector<std::string> names;
  std::error_code ignored;
  for (const auto& entry : fs::directory_iterator(folder, ignored)) {
    if (!IsJournalFileName(entry.path().filename().string()))
      names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

// Temporary record files a save left behind.
inline std::vector<std::string> LeftoverTemporaries(const fs::path& folder) {
  std::vector<std::string> left;
  for (const std::string& name : Entries(folder)) {
    if (name.rfind("~scoreboard-record-", 0) == 0)
      left.push_back(name);
  }
  return left;
}

// Empty when the bytes are one whole record: exactly eight lines each ended by CR LF, no
// other line break, the section header, then the seven keys in their order, one value
// each, all of it well-formed GB18030. Otherwise what is wrong.
inline std::string RecordProblem(const std::string& bytes) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < bytes.size()) {
    const std::size_t end = bytes.find("\r\n", start);
    if (end == std::string::npos)
      return "the last line has no CR LF";
    lines.push_back(bytes.substr(start, end - start));
    start = end + 2;
  }
  if (lines.size() != 8)
    return std::to_string(lines.size()) + " lines instead of 8";
  if (lines[0] != "[" + Gb(kRecordSection) + "]")
    return "no section header";
  for (std::size_t key = 0; key < kRecordKeys.size(); ++key) {
    const std::string& line = lines[key + 1];
    const std::string head = Gb(kRecordKeys[key].name) + "=";
    if (line.rfind(head, 0) != 0)
      return "line " + std::to_string(key + 2) + " is not the key " +
             std::string(kRecordKeys[key].name);
    if (line.find_first_of("\r\n") != std::string::npos)
      return "a stray line break in line " + std::to_string(key + 2);
  }
  if (!well_formed::IsGb18030(bytes))
    return "bytes that are not GB18030 at offset " +
           std::to_string(well_formed::FirstBadGb18030(bytes));
  return {};
}

// The value of one key of a whole record (its raw, escaped bytes).
inline std::string RecordValue(const std::string& bytes, std::size_t key) {
  std::size_t pos = 0;
  for (std::size_t line = 0; line <= key; ++line) pos = bytes.find("\r\n", pos) + 2;
  const std::size_t end = bytes.find("\r\n", pos);
  const std::size_t equals = bytes.find('=', pos);
  return bytes.substr(equals + 1, end - equals - 1);
}

// After two copies that put "copy0" and "copy1" in the lollipop team line saved once
// each into an empty folder: "" when slots 0 and 1 hold one whole record each and
// nothing else is there, otherwise what is wrong.
inline std::string TwoCopiesProblem(const fs::path& folder) {
  if (Entries(folder).size() != 2)
    return std::to_string(Entries(folder).size()) + " entries, not 2";
  std::vector<std::string> team_lines;
  for (int slot = 0; slot < 2; ++slot) {
    const std::string record = ReadBytes(SlotFile(folder, slot));
    const std::string problem = RecordProblem(record);
    if (!problem.empty())
      return "slot " + std::to_string(slot) + ": " + problem;
    team_lines.push_back(RecordValue(record, 1));
  }
  std::sort(team_lines.begin(), team_lines.end());
  if (team_lines != std::vector<std::string>{"copy0", "copy1"})
    return "team lines " + team_lines[0] + ", " + team_lines[1];
  return "";
}

#ifndef _WIN32
// Mounts made by a test stay in a mount namespace of its own, so they vanish with the
// test process even when it dies. Empty on success, otherwise why it cannot be done.
inline std::string EnterPrivateMountNamespace() {
  static std::string why = [] {
    if (unshare(CLONE_NEWNS) != 0)
      return std::string("no mount namespace: ") + std::strerror(errno);
    if (mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
      return std::string("cannot make mounts private: ") + std::strerror(errno);
    return std::string();
  }();
  return why;
}

inline std::string MountTmpfs(const fs::path& where, const std::string& options,
                              unsigned long flags = 0) {
  if (std::string why = EnterPrivateMountNamespace(); !why.empty())
    return why;
  if (mount("tmpfs", where.c_str(), "tmpfs", flags, options.c_str()) != 0)
    return std::string("cannot mount a tmpfs: ") + std::strerror(errno);
  return {};
}

// Runs `work` in a forked child and answers what it returned (the child cannot use the
// test's assertions); an empty answer with `crashed` set when the child died.
inline std::string InChild(const std::function<std::string()>& work, bool* crashed = nullptr) {
  int channel[2];
  if (pipe(channel) != 0)
    return "pipe failed";
  const pid_t child = fork();
  if (child == 0) {
    close(channel[0]);
    const std::string answer = work();
    std::size_t done = 0;
    while (done < answer.size()) {
      const ssize_t put = write(channel[1], answer.data() + done, answer.size() - done);
      if (put <= 0)
        break;
      done += static_cast<std::size_t>(put);
    }
    _exit(0);
  }
  close(channel[1]);
  std::string answer;
  char buffer[4096];
  for (ssize_t got; (got = read(channel[0], buffer, sizeof buffer)) > 0;)
    answer.append(buffer, static_cast<std::size_t>(got));
  close(channel[0]);
  int status = 0;
  waitpid(child, &status, 0);
  if (crashed != nullptr)
    *crashed = !WIFEXITED(status) || WEXITSTATUS(status) != 0;
  return answer;
}
#endif  // !_WIN32

}  // namespace faults
