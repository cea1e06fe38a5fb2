#pragma once
// Runs replay scripts against the program started headless, as the application starts.
#include <cstdio>
#include <istream>
#include <memory>
#include <string>
#include <vector>

#include "journal/journal.h"
#include "journal/journal_front_end.h"
#include "platform/headless/headless_front_end.h"
#include "shell/application.h"

struct ReplayOptions {
  std::string run_directory;  // as the system names the folder, never converted
  DateTime start;
  // The driver keeps the journal in its records folder, as the program does (only when
  // it was given one: a script run in the current folder leaves nothing behind).
  bool keep_journal = false;
  bool resume = false;  // the board comes back as the journal left it
};

class ReplayRunner {
 public:
  explicit ReplayRunner(const ReplayOptions& options, std::FILE* out = stdout);
  // Runs every line; answers the process exit status (0, or 2 after a script error).
  int Run(std::istream& script);
  // Runs one line; false after an error (already reported on standard error).
  bool RunLine(const std::string& line, int number);
  Application& application() { return application_; }
  // What start-up has to tell the host (nothing to resume, what a resume skipped).
  const std::vector<std::string>& notes() const { return notes_; }

 private:
  bool Execute(const struct ScriptLine& line);
  void Print(const std::string& utf8);
  // The focus moves as in the window: lost focus for the old control, got for the new.
  void MoveFocus(ControlId to);

  std::FILE* out_;
  HeadlessFrontEnd front_end_;
  JournalFrontEnd journal_front_end_;
  Application application_;
  std::vector<std::string> notes_;
  std::unique_ptr<Journal> journal_;
  ControlId focused_ = 0;  // the control with the keyboard focus, 0 for none
};

// "YYYY-MM-DD HH:MM:SS" as a date-time; nullopt when malformed.
std::optional<DateTime> ParseLocalTime(const std::string& text);
