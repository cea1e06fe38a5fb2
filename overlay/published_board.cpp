#include "overlay/published_board.h"

#include <algorithm>
#include <atomic>

void PublishedBoard::Publish(const BoardValues& values) {
  // The oldest of the publisher's snapshots is free again when no reader holds it: only
  // latest_ hands snapshots out, and it holds a newer one.
  std::shared_ptr<BoardSnapshot>& oldest = published_before_.back();
  std::shared_ptr<BoardSnapshot> snapshot;
  if (oldest != nullptr && oldest.use_count() == 1) {
    // What the last reader did with it happens before this reuse.
    std::atomic_thread_fence(std::memory_order_acquire);
    snapshot = std::move(oldest);
  } else {
    snapshot = std::make_shared<BoardSnapshot>();
  }
  snapshot->values = values;  // assigned into the strings' room: short texts copy in place
  bool anyone_waiting = false;
  {
    const std::lock_guard lock(mutex_);
    snapshot->version = latest_ ? latest_->version + 1 : 1;
    latest_ = snapshot;
    anyone_waiting = waiting_ > 0;
  }
  std::move_backward(published_before_.begin(), published_before_.end() - 1,
                     published_before_.end());
  published_before_.front() = std::move(snapshot);
  // A reader busy with an earlier snapshot looks again before it waits: no wake needed,
  // which spares the user-interface thread a system call on most clicks of a burst.
  if (anyone_waiting)
    published_.notify_all();
}

std::shared_ptr<const BoardSnapshot> PublishedBoard::Latest() const {
  const std::lock_guard lock(mutex_);
  return latest_;
}

std::shared_ptr<const BoardSnapshot> PublishedBoard::WaitNewerThan(uint64_t version) const {
  std::unique_lock lock(mutex_);
  ++waiting_;
  published_.wait(lock, [&] { return closed_ || (latest_ && latest_->version > version); });
  --waiting_;
  return latest_;
}

std::shared_ptr<const BoardSnapshot> PublishedBoard::WaitNewerThan(
    uint64_t version, std::chrono::milliseconds at_most) const {
  std::unique_lock lock(mutex_);
  ++waiting_;
  published_.wait_for(lock, at_most,
                      [&] { return closed_ || (latest_ && latest_->version > version); });
  --waiting_;
  return latest_;
}

void PublishedBoard::PauseUnlessClosed(std::chrono::milliseconds duration) const {
  std::unique_lock lock(mutex_);
  closing_.wait_for(lock, duration, [&] { return closed_; });
}

int32_t PublishedBoard::waiting_readers() const {
  const std::lock_guard lock(mutex_);
  return waiting_;
}

void PublishedBoard::Close() {
  {
    const std::lock_guard lock(mutex_);
    closed_ = true;
  }
  published_.notify_all();
  closing_.notify_all();
}

bool PublishedBoard::closed() const {
  const std::lock_guard lock(mutex_);
  return closed_;
}
