// File services on Linux: program texts become UTF-8 file names.
#ifndef _WIN32

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstddef>
#include <cstdio>
#include <string>

#include "services/file_services.h"
#include "services/platform_paths.h"

namespace {

class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  ~Descriptor() {
    if (fd_ >= 0) {
      close(fd_);
    }
  }
  int get() const { return fd_; }
  // Closing reports the last write errors of some file systems, so writers check it.
  bool Close() {
    const int fd = fd_;
    fd_ = -1;
    return close(fd) == 0;
  }

 private:
  int fd_;
};

std::size_t NextUtf8Char(std::string_view text, std::size_t pos) {
  ++pos;
  while (pos < text.size() && (static_cast<unsigned char>(text[pos]) & 0xC0) == 0x80) ++pos;
  return pos;
}

// "*" matches any run of characters, "?" exactly one; every other byte stands for itself
// (no brackets, no escapes), as the Windows file search reads a pattern.
bool WildcardMatch(std::string_view pattern, std::string_view name) {
  std::size_t p = 0;
  std::size_t n = 0;
  std::size_t star_pattern = std::string_view::npos;
  std::size_t star_name = 0;
  while (n < name.size()) {
    if (p < pattern.size() && pattern[p] == '*') {
      star_pattern = ++p;
      star_name = n;
    } else if (p < pattern.size() && pattern[p] == '?') {
      ++p;
      n = NextUtf8Char(name, n);
    } else if (p < pattern.size() && pattern[p] == name[n]) {
      ++p;
      ++n;
    } else if (star_pattern != std::string_view::npos) {
      p = star_pattern;
      star_name = NextUtf8Char(name, star_name);
      n = star_name;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

bool AnyEntryMatches(const std::string& folder, std::string_view pattern) {
  DIR* directory = opendir(folder.c_str());
  if (directory == nullptr) {
    return false;
  }
  bool found = false;
  while (const dirent* entry = readdir(directory)) {
    const std::string_view name = entry->d_name;
    if (name == "." || name == "..") {
      continue;
    }
    if (WildcardMatch(pattern, name)) {
      found = true;
      break;
    }
  }
  closedir(directory);
  return found;
}

}  // namespace

NativePath NativePathFromText(std::string_view path) {
  return Utf8FromText(path);
}

Text TextFromNativePath(const NativePath& path) {
  return TextFromUtf8(path);
}

NativePath ExecutablePath() {
  std::string buffer(256, '\0');
  while (true) {
    const ssize_t length = readlink("/proc/self/exe", buffer.data(), buffer.size());
    if (length < 0)
      return {};
    if (static_cast<std::size_t>(length) < buffer.size()) {
      buffer.resize(static_cast<std::size_t>(length));
      return buffer;
    }
    buffer.resize(buffer.size() * 2);  // possibly cut short: ask again with more room
  }
}

bool ChangeDirectory(const NativePath& directory) {
  return chdir(directory.c_str()) == 0;
}

ReadResult ReadWholeFile(const NativePath& path, std::string& content) {
  Descriptor file(open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (file.get() < 0) {
    return errno == ENOENT ? ReadResult::kMissing : ReadResult::kFailed;
  }
  struct stat status {};
  if (fstat(file.get(), &status) != 0 || !S_ISREG(status.st_mode)) {
    return ReadResult::kFailed;
  }
  content.clear();
  char chunk[16384];
  while (true) {
    const ssize_t got = read(file.get(), chunk, sizeof chunk);
    if (got == 0) {
      return ReadResult::kRead;
    }
    if (got < 0) {
      if (errno == EINTR) {
        continue;
      }
      return ReadResult::kFailed;
    }
    content.append(chunk, static_cast<std::size_t>(got));
  }
}

bool WriteWholeFile(const NativePath& path, std::string_view content) {
  Descriptor file(open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666));
  if (file.get() < 0) {
    return false;
  }
  std::size_t done = 0;
  while (done < content.size()) {
    const ssize_t put = write(file.get(), content.data() + done, content.size() - done);
    if (put < 0) {
      if (errno == EINTR) {
        continue;
      }
      return false;
    }
    done += static_cast<std::size_t>(put);
  }
  return file.Close();
}

bool MoveByLink(const NativePath& from, const NativePath& to) {
  if (link(from.c_str(), to.c_str()) != 0) {
    return false;
  }
  // The file now stands under its new name, which is what the caller asked for; an old
  // name that will not go away leaves a spare name, never a lost file.
  unlink(from.c_str());
  return true;
}

bool FileExists(std::string_view path) {
  if (path.empty()) {
    return false;
  }
  const NativePath native = NativePathFromText(path);
  const std::size_t slash = native.rfind('/');
  const std::string_view last = slash == std::string::npos
                                    ? std::string_view(native)
                                    : std::string_view(native).substr(slash + 1);
  if (last.find_first_of("*?") != std::string_view::npos) {
    const std::string folder =
        slash == std::string::npos ? "." : (slash == 0 ? "/" : native.substr(0, slash));
    return AnyEntryMatches(folder, last);
  }
  // lstat: a link that points nowhere still takes the name.
  struct stat status {};
  return lstat(native.c_str(), &status) == 0;
}

bool FlushFileToDisk(std::string_view path) {
  Descriptor file(open(NativePathFromText(path).c_str(), O_RDONLY | O_CLOEXEC));
  if (file.get() < 0) {
    return false;
  }
  return fsync(file.get()) == 0;
}

bool MoveFileNoReplace(std::string_view from, std::string_view to) {
  const NativePath source = NativePathFromText(from);
  const NativePath target = NativePathFromText(to);
  if (renameat2(AT_FDCWD, source.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) == 0) {
    return true;
  }
  // Older kernels and some file systems (network, FUSE) do not know the flag.
  if (errno == EINVAL || errno == ENOSYS || errno == ENOTSUP) {
    return MoveByLink(source, target);
  }
  return false;
}

bool RemoveFile(std::string_view path) {
  return unlink(NativePathFromText(path).c_str()) == 0;
}

#endif  // !_WIN32
