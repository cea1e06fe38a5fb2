// Whole-file replacement on Linux: rename(2) over the old name is atomic for readers.
#ifndef _WIN32

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>

#include "services/replace_file.h"

namespace {

bool WriteAllTo(int fd, std::string_view content) {
  std::size_t done = 0;
  while (done < content.size()) {
    const ssize_t put = write(fd, content.data() + done, content.size() - done);
    if (put < 0) {
      if (errno == EINTR)
        continue;
      return false;
    }
    done += static_cast<std::size_t>(put);
  }
  return true;
}

}  // namespace

bool ReplaceFileWhole(const NativePath& folder, std::string_view name, std::string_view content,
                      std::string& error) {
  const std::string target = folder + "/" + std::string(name);
  // One temporary name per process and file: two copies of the program never share one,
  // and a killed run's leftover is simply overwritten by the next.
  const std::string draft =
      folder + "/~" + std::string(name) + "." + std::to_string(getpid()) + ".tmp";
  const int fd = open(draft.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0644);
  if (fd < 0) {
    error = std::strerror(errno);
    return false;
  }
  bool ok = WriteAllTo(fd, content) && fsync(fd) == 0;
  int saved = errno;
  if (close(fd) != 0 && ok) {
    ok = false;
    saved = errno;
  }
  if (ok && rename(draft.c_str(), target.c_str()) != 0) {
    ok = false;
    saved = errno;
  }
  if (!ok) {
    unlink(draft.c_str());
    error = std::strerror(saved);
  }
  return ok;
}

#endif
