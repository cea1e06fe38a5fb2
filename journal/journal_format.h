#pragma once
// The journal's text: a header line, then each action the host took as lines of the
// replay driver's script language, so that a game can be read, audited and played again
// by the driver as it stands. Before each action come the time that passed since the
// line before ("wait MS") and what the host answered to the message boxes it raised
// ("answer N") and whether the programs it started could be started ("launched 0|1"):
//
//   # scoreboard journal 1 catalogue=5f1e0c2a9d3b4e71 clock=1765222871043 date=46000.5
//   wait 2100
//   type 编辑框3 2
//   wait 800
//   click 按钮9
//   answer 1
//   click 超级按钮1
//
// An action is whole once its own line ends with a line feed; what stands after the last
// whole action (a line cut short by a crash, garbage, an action of a control the
// catalogue lacks) is skipped when the journal is read.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "services/platform_paths.h"
#include "shell/action_listener.h"

// The journal of the latest run, and of the runs before it, in the records folder.
// None of these is a record slot's name.
inline constexpr std::string_view kJournalFileName = "scoreboard-journal.txt";
// The runs kept, the latest one included: scoreboard-journal.txt, -1.txt, -2.txt.
inline constexpr int kJournalRunsKept = 3;
// "scoreboard-journal.txt" for run 0 (the latest), "scoreboard-journal-N.txt" for the
// Nth run before it.
std::string JournalFileName(int runs_back);
// True for the names JournalFileName gives.
bool IsJournalFileName(std::string_view name);

// A fingerprint of the control catalogue: a journal written for another catalogue names
// controls that may mean something else, so it is never played.
uint64_t CatalogueFingerprint();

struct JournalHeader {
  uint64_t catalogue = 0;
  int64_t clock_ms = 0;    // the front end's clock when the board started
  double date_days = 0.0;  // the date-time the board read at that moment
};
std::string HeaderLine(const JournalHeader& header);

// One action as the journal keeps it.
struct JournalAction {
  int64_t time_ms = 0;  // on the front end's clock
  std::vector<int32_t> answers;
  std::vector<bool> launches;
  HostAction::Kind kind = HostAction::Kind::kClick;
  ControlId control = 0;
  std::string text;  // kEdited, kType: the program's own bytes
  int32_t value = 0;
  int32_t modifiers = 0;
};

struct JournalContents {
  std::optional<JournalHeader> header;  // absent when unreadable: nothing is played
  std::vector<JournalAction> actions;   // the whole actions, in order
  std::size_t whole_bytes = 0;          // the bytes up to the end of the last whole action
  // Empty when everything was read; otherwise what was skipped and why (UTF-8).
  std::string skipped;
};
JournalContents ReadJournal(std::string_view bytes);

// The lines of one action the board took at `time_ms`, the last journaled line having
// been at `previous_ms`. `control_name` is the catalogue's name (UTF-8).
std::string ActionLines(const HostAction& action, std::string_view control_name,
                        int64_t previous_ms, int64_t time_ms, const std::vector<int32_t>& answers,
                        const std::vector<bool>& launches);
