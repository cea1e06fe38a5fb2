#include "shell/work_queue.h"

#include <utility>

WorkQueue::WorkQueue(std::function<void()> wake) : wake_(std::move(wake)) {}

bool WorkQueue::Post(Work work) {
  bool was_empty = false;
  {
    const std::lock_guard lock(mutex_);
    if (closed_)
      return false;
    was_empty = queued_.empty();
    queued_.push_back(std::move(work));
  }
  // A wake per batch: the user-interface thread takes everything queued when it runs.
  if (was_empty && wake_)
    wake_();
  return true;
}

void WorkQueue::RunQueued() {
  // One at a time from the shared queue, run outside the lock: the work may post, or open
  // a message box whose own loop runs the queue again and must find the rest there.
  for (;;) {
    Work work;
    {
      const std::lock_guard lock(mutex_);
      if (queued_.empty())
        return;
      work = std::move(queued_.front());
      queued_.pop_front();
    }
    work();
  }
}

void WorkQueue::Close() {
  std::deque<Work> dropped;
  {
    const std::lock_guard lock(mutex_);
    closed_ = true;
    dropped.swap(queued_);
  }
  // Destroyed outside the lock: dropping work may answer whoever waits for it.
}
