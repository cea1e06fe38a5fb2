#include "overlay/published_board.h"

void PublishedBoard::Publish(const BoardValues& values) {
  auto snapshot = std::make_shared<BoardSnapshot>();
  snapshot->values = values;
  {
    const std::lock_guard lock(mutex_);
    snapshot->version = latest_ ? latest_->version + 1 : 1;
    latest_ = std::move(snapshot);
  }
  published_.notify_all();
}

std::shared_ptr<const BoardSnapshot> PublishedBoard::Latest() const {
  const std::lock_guard lock(mutex_);
  return latest_;
}

std::shared_ptr<const BoardSnapshot> PublishedBoard::WaitNewerThan(uint64_t version) const {
  std::unique_lock lock(mutex_);
  published_.wait(lock, [&] { return closed_ || (latest_ && latest_->version > version); });
  return latest_;
}

void PublishedBoard::Close() {
  {
    const std::lock_guard lock(mutex_);
    closed_ = true;
  }
  published_.notify_all();
}

bool PublishedBoard::closed() const {
  const std::lock_guard lock(mutex_);
  return closed_;
}
