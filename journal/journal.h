#pragma once
// Keeps every action the host takes in the records folder, and brings the board back as
// it stood after the last of them (--resume). It sees the board only through the
// application's input paths and the property model; it never changes how the board
// behaves. Without a records folder it keeps nothing.
//
// Runs: a run is kept once the host does something. Its first action sets the journal of
// the run before aside (scoreboard-journal.txt becomes -1.txt, -1 becomes -2, -2 goes),
// so a board opened and closed untouched leaves the last game where --resume finds it.
// A resumed run goes on in the journal it was resumed from: it is the same game.
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "journal/journal_file.h"
#include "journal/journal_format.h"
#include "journal/journal_front_end.h"
#include "shell/application.h"

class Journal final : private ActionListener {
 public:
  // Made before the board starts, around the front end the application was given.
  Journal(const std::optional<NativePath>& records_folder, JournalFrontEnd& front_end);
  ~Journal() override;
  Journal(const Journal&) = delete;
  Journal& operator=(const Journal&) = delete;

  // Application::Start, and with `resume` the latest journal played again through the
  // board's own input paths, nothing shown, written or started twice. What the host
  // should know (nothing to resume, what was skipped) is added to `notes` (UTF-8). Then
  // the journal hears every action.
  void StartBoard(Application& application, bool resume, std::vector<std::string>& notes);

  // The clock of the last action kept or played (the start when there was none).
  int64_t last_action_ms() const { return last_ms_; }
  // How many actions the resume played.
  std::size_t actions_resumed() const { return resumed_; }

 private:
  void Starting() override;
  void Heard(const HostAction& action) override;
  bool Resume(Application& application, std::vector<std::string>& notes);
  // Sets the earlier runs aside and starts the journal of this run with `first_bytes`
  // (the header, or the part of a damaged journal that was played again).
  bool StartRun(const std::string& first_bytes);
  NativePath PathOf(int runs_back) const;

  std::optional<NativePath> folder_;
  JournalFrontEnd& front_end_;
  Application* application_ = nullptr;
  JournalHeader header_;
  std::unique_ptr<JournalFile> file_;
  bool refused_ = false;  // the folder would not take the journal: keep trying no more
  int64_t last_ms_ = 0;
  std::size_t resumed_ = 0;
};
