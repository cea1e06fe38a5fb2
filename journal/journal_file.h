#pragma once
// The journal as a file: each action goes to the system with one write as it happens (so a
// killed program loses nothing the board took), and a thread of its own asks the disk to
// keep what was written at most every second (so a power cut loses at most that), never
// the user-interface thread.
#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <string_view>
#include <thread>

#include "services/platform_paths.h"

class JournalFile {
 public:
  // Opens `path` for appending, created when missing (emptied first when `fresh`);
  // nullptr when the folder refuses it.
  static std::unique_ptr<JournalFile> Open(const NativePath& path, bool fresh);
  // Ends the flushing thread after a last flush.
  ~JournalFile();
  JournalFile(const JournalFile&) = delete;
  JournalFile& operator=(const JournalFile&) = delete;

  // Hands the bytes to the system whole; false when it refused them.
  bool Append(std::string_view bytes);

 private:
  explicit JournalFile(int fd);
  void FlushNowAndThen();

  int fd_;
  std::atomic<bool> written_since_flush_{false};
  std::mutex mutex_;
  std::condition_variable wake_;
  bool stopping_ = false;
  std::thread flusher_;
};
