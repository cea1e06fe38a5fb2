#pragma once
// The overlay folder that the streaming software polls: board.json and one UTF-8 text
// file per value, each replaced whole, so it never reads half of one. Written by a
// thread of its own from the newest published snapshot, so a click never waits for the
// disk; a burst of clicks is written once, as it stands after the last.
#include <array>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

#include "overlay/published_board.h"
#include "services/platform_paths.h"

inline constexpr std::string_view kBoardJsonName = "board.json";

class OverlayFiles {
 public:
  OverlayFiles(NativePath folder, PublishedBoard& board);
  // Writes what is still unwritten of the newest snapshot, then ends the thread. The
  // board must be closed first.
  ~OverlayFiles();
  OverlayFiles(const OverlayFiles&) = delete;
  OverlayFiles& operator=(const OverlayFiles&) = delete;

  // Writes the newest snapshot on the calling thread; answers the problem, if any.
  std::optional<std::string> WriteNow();
  // From now on the thread writes each newer snapshot.
  void StartWriting();
  // A failure of the thread not yet shown to the host, at most once in the run.
  std::optional<std::string> TakeFailureToShow();

 private:
  void WriteLoop();
  std::optional<std::string> Write(const BoardSnapshot& snapshot);
  void Failed(const std::string& problem, bool on_ui_thread);
  std::string Described(const std::string& problem) const;

  const NativePath folder_;
  PublishedBoard& board_;
  // The writer's own state: what each file holds now (touched by one thread at a time).
  std::array<std::optional<std::string>, kBoardFieldCount> written_;
  bool json_written_ = false;
  uint64_t written_version_ = 0;

  std::mutex failure_mutex_;
  bool failure_told_ = false;
  std::optional<std::string> failure_to_show_;
  std::thread writer_;
};
