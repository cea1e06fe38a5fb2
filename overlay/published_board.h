#pragma once
// The newest board snapshot, published by the user-interface thread and read by any
// other (the overlay writer, the local server): readers hold an immutable snapshot, so a
// slow reader never holds up the board nor sees half of a change.
#include <array>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>

#include "overlay/board_snapshot.h"

class PublishedBoard {
 public:
  // Publishes the values as the next version and wakes every waiting reader. Only one
  // thread publishes (the user-interface thread).
  void Publish(const BoardValues& values);
  // The newest snapshot; null until the first is published.
  std::shared_ptr<const BoardSnapshot> Latest() const;
  // Waits until a snapshot newer than `version` is published or the board is closed,
  // then answers the newest (null only when none was ever published).
  std::shared_ptr<const BoardSnapshot> WaitNewerThan(uint64_t version) const;
  // The same, waiting at most `at_most` (then the newest, maybe not newer).
  std::shared_ptr<const BoardSnapshot> WaitNewerThan(uint64_t version,
                                                     std::chrono::milliseconds at_most) const;
  // Waits `duration` unless the board is closed meanwhile (a publish does not end it).
  void PauseUnlessClosed(std::chrono::milliseconds duration) const;
  // Readers blocked in WaitNewerThan now.
  int32_t waiting_readers() const;
  // No more snapshots come: every waiter returns, now and from now on.
  void Close();
  bool closed() const;

 private:
  mutable std::mutex mutex_;
  mutable std::condition_variable published_;
  mutable std::condition_variable closing_;
  mutable int32_t waiting_ = 0;  // readers blocked in WaitNewerThan
  std::shared_ptr<const BoardSnapshot> latest_;
  bool closed_ = false;
  // The publisher's own: snapshots it published before, reused once no reader holds
  // them, so that a click neither allocates nor frees one.
  std::array<std::shared_ptr<BoardSnapshot>, 3> published_before_;
};
