#pragma once
// Follows the board's change notices and publishes a snapshot whenever what the host
// sees outside the window changed: once per event from outside, after all its nested
// writes, and only when a value differs from the last published one.
#include <array>

#include "overlay/published_board.h"
#include "shell/change_watcher.h"

class BoardFeed : public ChangeWatcher {
 public:
  explicit BoardFeed(PublishedBoard& board);

  // Publishes the board as it stands (the first snapshot at start-up).
  void PublishNow(const ControlModel& model);

  bool Watches(ControlId control) const override;
  void Settled(const ControlModel& model) override;

 private:
  PublishedBoard& board_;
  BoardValuesTaker taker_;
};
