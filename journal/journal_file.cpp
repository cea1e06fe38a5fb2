#include "journal/journal_file.h"

#include <fcntl.h>

#include <cerrno>
#include <chrono>

#ifdef _WIN32
#include <io.h>
#include <sys/stat.h>
#else
#include <unistd.h>
#endif

namespace {

// A power cut loses at most what was written in this long.
constexpr std::chrono::milliseconds kFlushEvery{1000};

int OpenForAppending(const NativePath& path, bool fresh) {
#ifdef _WIN32
  return _wopen(
      path.c_str(),
      _O_WRONLY | _O_APPEND | _O_CREAT | _O_BINARY | _O_NOINHERIT | (fresh ? _O_TRUNC : 0),
      _S_IREAD | _S_IWRITE);
#else
  return open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC | (fresh ? O_TRUNC : 0),
              0644);
#endif
}

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
#ifdef _WIN32
    const int wrote = _write(fd, bytes.data(), static_cast<unsigned>(bytes.size()));
#else
    const ssize_t wrote = write(fd, bytes.data(), bytes.size());
#endif
    if (wrote < 0 && errno == EINTR)
      continue;
    if (wrote <= 0)
      return false;
    bytes.remove_prefix(static_cast<std::size_t>(wrote));
  }
  return true;
}

void FlushToDisk(int fd) {
#ifdef _WIN32
  _commit(fd);  // FlushFileBuffers
#else
  fdatasync(fd);
#endif
}

void Close(int fd) {
#ifdef _WIN32
  _close(fd);
#else
  close(fd);
#endif
}

}  // namespace

std::unique_ptr<JournalFile> JournalFile::Open(const NativePath& path, bool fresh) {
  const int fd = OpenForAppending(path, fresh);
  if (fd < 0)
    return nullptr;
  return std::unique_ptr<JournalFile>(new JournalFile(fd));
}

JournalFile::JournalFile(int fd) : fd_(fd), flusher_([this] { FlushNowAndThen(); }) {}

JournalFile::~JournalFile() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    stopping_ = true;
  }
  wake_.notify_one();
  flusher_.join();
  Close(fd_);
}

bool JournalFile::Append(std::string_view bytes) {
  const bool whole = WriteAll(fd_, bytes);
  written_since_flush_.store(true, std::memory_order_release);
  return whole;
}

void JournalFile::FlushNowAndThen() {
  std::unique_lock<std::mutex> lock(mutex_);
  while (true) {
    const bool stop = wake_.wait_for(lock, kFlushEvery, [this] { return stopping_; });
    if (written_since_flush_.exchange(false, std::memory_order_acq_rel))
      FlushToDisk(fd_);
    if (stop)
      return;
  }
}
