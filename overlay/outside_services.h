#pragma once
// What the switches start around the board: the published snapshot, the overlay
// folder's writer and the local server. The front ends and the replay driver make one after
// start-up and keep it until the window is gone. Without a switch it starts nothing: no snapshot,
// no thread, no file.
#include <memory>
#include <string>
#include <vector>

#include "overlay/board_feed.h"
#include "overlay/board_server.h"
#include "overlay/overlay_files.h"
#include "overlay/published_board.h"
#include "overlay/remote_clicks.h"
#include "shell/application.h"
#include "shell/program_switches.h"

class OutsideServices : private ChangeWatcher {
 public:
  // Call after Application::Start. Problems starting (a folder that refuses the overlay
  // files) are added to `problems`, which the caller then tells the host.
  OutsideServices(const ProgramSwitches& switches, Application& application,
                  std::vector<std::string>& problems);
  // Stops following the board, ends the server (event streams and waiting clicks end
  // first), writes the newest snapshot and ends the writer.
  ~OutsideServices();
  OutsideServices(const OutsideServices&) = delete;
  OutsideServices& operator=(const OutsideServices&) = delete;

  // The published board; null when no switch needs it.
  const PublishedBoard* board() const { return feed_ ? &board_ : nullptr; }
  // The local server; null when not asked for or when it could not start.
  const BoardServer* server() const { return server_.get(); }

 private:
  bool Watches(ControlId control) const override;
  void Settled(const ControlModel& model) override;
  void StartServer(const ServeAddress& address, std::vector<std::string>& problems);

  Application& application_;
  PublishedBoard board_;
  std::unique_ptr<BoardFeed> feed_;
  std::unique_ptr<OverlayFiles> files_;
  std::unique_ptr<RemoteClicks> clicks_;
  std::unique_ptr<BoardServer> server_;
  bool telling_ = false;
};
