#pragma once
// Reads a replay script from a descriptor one line at a time. A read that a signal
// interrupts is simply read again, and a real read error is told apart from the end of
// the script, so a script never ends early without a word.
#include <unistd.h>

#include <cerrno>
#include <cstddef>
#include <string>

class ScriptReader {
 public:
  explicit ScriptReader(int fd) : fd_(fd) {}

  // The next line without its line feed; false at the end of the script or after a
  // read error (error() then holds its errno). A last line without a line feed counts.
  bool Next(std::string& line) {
    while (true) {
      const std::size_t end = buffer_.find('\n', start_);
      if (end != std::string::npos) {
        line.assign(buffer_, start_, end - start_);
        start_ = end + 1;
        return true;
      }
      if (at_end_) {
        if (start_ >= buffer_.size())
          return false;
        line.assign(buffer_, start_, std::string::npos);
        start_ = buffer_.size();
        return true;
      }
      buffer_.erase(0, start_);
      start_ = 0;
      char chunk[4096];
      const ssize_t got = read(fd_, chunk, sizeof chunk);
      if (got > 0) {
        buffer_.append(chunk, static_cast<std::size_t>(got));
      } else if (got == 0) {
        at_end_ = true;
      } else if (errno != EINTR) {
        error_ = errno;
        return false;
      }
    }
  }

  int error() const { return error_; }

 private:
  int fd_;
  std::string buffer_;
  std::size_t start_ = 0;
  bool at_end_ = false;
  int error_ = 0;
};
