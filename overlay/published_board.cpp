#include "overlay/published_board.h"

void PublishedBoard::Publish(const BoardValues& values) {
  auto snapshot = std::make_shared<BoardSnapshot>();
  snapshot->values = values;
  bool anyone_waiting = false;
  {
    const std::lock_guard lock(mutex_);
    snapshot->version = latest_ ? latest_->version + 1 : 1;
    latest_ = std::move(snapshot);
    anyone_waiting = waiting_ > 0;
  }
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

void PublishedBoard::PauseUnlessClosed(std::chrono::milliseconds duration) const {
  std::unique_lock lock(mutex_);
  closing_.wait_for(lock, duration, [&] { return closed_; });
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
