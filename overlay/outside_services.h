#pragma once
// What the switches start around the board: the published snapshot and the overlay
// folder's writer. The front ends and the replay driver make one after start-up and
// keep it until the window is gone. Without a switch it starts nothing: no snapshot,
// no thread, no file.
#include <memory>
#include <string>
#include <vector>

#include "overlay/board_feed.h"
#include "overlay/overlay_files.h"
#include "overlay/published_board.h"
#include "shell/application.h"
#include "shell/program_switches.h"

class OutsideServices : private ChangeWatcher {
 public:
  // Call after Application::Start. Problems starting (a folder that refuses the overlay
  // files) are added to `problems`, which the caller then tells the host.
  OutsideServices(const ProgramSwitches& switches, Application& application,
                  std::vector<std::string>& problems);
  // Stops following the board, writes the newest snapshot and ends the writer.
  ~OutsideServices();
  OutsideServices(const OutsideServices&) = delete;
  OutsideServices& operator=(const OutsideServices&) = delete;

  // The published board; null when no switch needs it.
  const PublishedBoard* board() const { return feed_ ? &board_ : nullptr; }

 private:
  bool Watches(ControlId control) const override;
  void Settled(const ControlModel& model) override;

  Application& application_;
  PublishedBoard board_;
  std::unique_ptr<BoardFeed> feed_;
  std::unique_ptr<OverlayFiles> files_;
  bool telling_ = false;
};
