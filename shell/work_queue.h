#pragma once
// Work handed to the user-interface thread by other threads (the local server's clicks):
// they post, the front end is woken and runs what is queued on its own thread, so that
// only that thread ever touches the control model.
#include <deque>
#include <functional>
#include <mutex>

class WorkQueue {
 public:
  using Work = std::function<void()>;
  // `wake` is called from the posting thread when the queue goes from empty to not
  // empty; it must make the user-interface thread call RunQueued soon.
  explicit WorkQueue(std::function<void()> wake);

  // Any thread. False when the queue is closed: the work is dropped at once.
  bool Post(Work work);
  // The user-interface thread: runs the queued work in order until none is left.
  void RunQueued();
  // Nothing runs any more; queued work is dropped (destroyed) now.
  void Close();

 private:
  std::function<void()> wake_;
  std::mutex mutex_;
  std::deque<Work> queued_;
  bool closed_ = false;
};
