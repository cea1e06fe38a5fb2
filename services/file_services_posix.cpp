// File services on Linux: program texts become UTF-8 file names.
#ifndef _WIN32

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <ctime>
#include <optional>
#include <random>
#include <string>

#include "services/file_services.h"
#include "services/platform_paths.h"
#include "services/replace_file.h"

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
  int release() {
    const int fd = fd_;
    fd_ = -1;
    return fd;
  }
  void reset(int fd) {
    if (fd_ >= 0)
      close(fd_);
    fd_ = fd;
  }
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

NativePath NativePathFromUtf8(std::string_view utf8) {
  return NativePath(utf8);
}

std::string Utf8FromNativePath(const NativePath& path) {
  return path;
}

std::optional<NativePath> ExecutablePath() {
  std::string buffer(256, '\0');
  while (true) {
    const ssize_t length = readlink("/proc/self/exe", buffer.data(), buffer.size());
    if (length <= 0)
      return std::nullopt;  // no /proc (a private mount namespace, a chroot): unknown
    if (static_cast<std::size_t>(length) < buffer.size()) {
      buffer.resize(static_cast<std::size_t>(length));
      return buffer;
    }
    buffer.resize(buffer.size() * 2);  // possibly cut short: ask again with more room
  }
}

namespace {

// The run directory as entered at start-up. Saves open the directory by its path, as
// the host may have replaced the folder meanwhile; this descriptor serves when the path
// itself is too long for the system, while the current directory still reaches it.
int entered_directory = -1;

// The run directory for one save, or -1 when it cannot be opened.
int OpenRunDirectory() {
  if (!RunDirectoryPath())
    return -1;  // no record folder: a save reaches no folder at all
  const NativePath& path = *RunDirectoryPath();
  // A relative path named the folder from where the program started, not from inside it.
  const bool relative = !path.empty() && path.front() != '/';
  if (!relative) {
    const int fd = open(path.empty() ? "/" : path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0 || errno != ENAMETOOLONG)
      return fd;
  }
  return entered_directory < 0 ? -1 : fcntl(entered_directory, F_DUPFD_CLOEXEC, 0);
}

}  // namespace

void PrepareProcessForFiles() {
  signal(SIGXFSZ, SIG_IGN);
}

bool EnterRunDirectory(const std::optional<NativePath>& directory) {
  if (entered_directory >= 0) {
    close(entered_directory);
    entered_directory = -1;
  }
  if (!directory)
    return false;
  if (chdir(directory->empty() ? "/" : directory->c_str()) != 0)
    return false;
  entered_directory = open(".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  return true;
}

namespace {

// Opens a file whose path may be longer than the system takes in one call (a run folder
// can be 4,000 bytes deep): when it is, the folders are entered one at a time.
int OpenAnyLength(const NativePath& path, int flags) {
  const int fd = open(path.c_str(), flags);
  if (fd >= 0 || errno != ENAMETOOLONG)
    return fd;
  Descriptor folder(open(path.front() == '/' ? "/" : ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  std::size_t start = 0;
  while (folder.get() >= 0) {
    const std::size_t slash = path.find('/', start);
    const std::string name = path.substr(start, slash == NativePath::npos ? slash : slash - start);
    if (slash == NativePath::npos)
      return openat(folder.get(), name.c_str(), flags);
    if (!name.empty())
      folder.reset(openat(folder.get(), name.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    start = slash + 1;
  }
  return -1;
}

}  // namespace

ReadResult ReadWholeFile(const NativePath& path, std::string& content) {
  Descriptor file(OpenAnyLength(path, O_RDONLY | O_CLOEXEC));
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

bool NameTakenBeside(const NativePath& name) {
  Descriptor directory(OpenRunDirectory());
  struct stat status {};
  // AT_SYMLINK_NOFOLLOW: a link that points nowhere still takes the name.
  return directory.get() >= 0 &&
         fstatat(directory.get(), name.c_str(), &status, AT_SYMLINK_NOFOLLOW) == 0;
}

struct DraftFile::State {
  Descriptor directory{-1};
  Descriptor file{-1};
  std::string name;
  bool placed = false;
};

namespace {

// Fresh random bits for every name: a generator seeded once would repeat its names in
// a forked copy. Exclusive creation keeps even a repeated name safe; it only costs a retry.
std::string NewDraftName() {
  std::uint64_t bits = 0;
  if (getrandom(&bits, sizeof bits, 0) != static_cast<ssize_t>(sizeof bits)) {
    static std::random_device device;
    bits = static_cast<std::uint64_t>(device()) << 32 | device();
  }
  return DraftName(static_cast<std::uint32_t>(getpid()), bits);
}

bool SameFile(const struct stat& a, const struct stat& b) {
  return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// Whether `name` in `directory` is still the very file open as `fd`.
bool NameIsFile(int directory, const std::string& name, int fd) {
  struct stat at_name {};
  struct stat held {};
  return fstatat(directory, name.c_str(), &at_name, AT_SYMLINK_NOFOLLOW) == 0 &&
         fstat(fd, &held) == 0 && SameFile(at_name, held);
}

}  // namespace

DraftFile::DraftFile() : state_(std::make_unique<State>()) {
  if (RecordWritesHeld())
    return;
  Descriptor directory(OpenRunDirectory());
  if (directory.get() < 0)
    return;
  for (int attempt = 0; attempt < 16; ++attempt) {
    const std::string name = NewDraftName();
    // O_EXCL: a new file or nothing; an entry already there (a link, a FIFO, another
    // copy's file) is never opened, let alone followed.
    const int fd = openat(directory.get(), name.c_str(),
                          O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0) {
      if (errno == EEXIST)
        continue;
      return;
    }
    // Held for the file's whole life: a copy cleaning up leaves a locked file alone.
    flock(fd, LOCK_EX | LOCK_NB);
    state_->file.reset(fd);
    state_->name = name;
    state_->directory.reset(directory.release());
    return;
  }
}

DraftFile::~DraftFile() {
  State& state = *state_;
  if (state.file.get() < 0 || state.placed)
    return;
  // Only our own file goes: whatever else stands at the name now is left alone.
  if (NameIsFile(state.directory.get(), state.name, state.file.get()))
    unlinkat(state.directory.get(), state.name.c_str(), 0);
}

bool DraftFile::ok() const {
  return state_->file.get() >= 0;
}

namespace {

// Writes all of `content`; false on the first failure (a full disk, or EFBIG past the
// file-size limit).
bool WriteAll(int fd, std::string_view content) {
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

bool DraftFile::WriteAndFlush(std::string_view content) {
  const int fd = state_->file.get();
  if (fd < 0)
    return false;
  return WriteAll(fd, content) && fsync(fd) == 0;
}

bool ReplaceFileWhole(const NativePath& folder, std::string_view name, std::string_view content,
                      std::string& error, Readers readers) {
  const std::string target = folder + "/" + std::string(name);
  // One temporary name per process and file: two copies of the program never share one,
  // and a killed run's leftover is simply overwritten by the next.
  const std::string draft =
      folder + "/~" + std::string(name) + "." + std::to_string(getpid()) + ".tmp";
  int flags = O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC;
  mode_t mode = 0644;
  if (readers == Readers::kOwnerOnly) {
    // A leftover under the draft's name keeps its own mode when opened: a secret goes
    // only into a file made here and now, private from its first byte.
    unlink(draft.c_str());
    flags |= O_EXCL;
    mode = 0600;
  }
  const int fd = open(draft.c_str(), flags, mode);
  if (fd < 0) {
    error = std::strerror(errno);
    return false;
  }
  bool ok = WriteAll(fd, content) && fsync(fd) == 0;
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

DraftFile::Placed DraftFile::PlaceAs(const NativePath& name) {
  State& state = *state_;
  const int fd = state.file.get();
  const int directory = state.directory.get();
  if (fd < 0 || state.placed)
    return Placed::kFailed;
  // A second name for the very file we hold, through the descriptor; like the rename,
  // linkat refuses a name that exists.
  const std::string held = "/proc/self/fd/" + std::to_string(fd);
  if (linkat(AT_FDCWD, held.c_str(), directory, name.c_str(), AT_SYMLINK_FOLLOW) == 0) {
    state.placed = true;
    if (NameIsFile(directory, state.name, fd))
      unlinkat(directory, state.name.c_str(), 0);
    fsync(directory);  // the new name, too, should survive a power cut
    return Placed::kPlaced;
  }
  if (errno == EEXIST)
    return Placed::kNameTaken;
  struct stat status {};
  if (fstat(fd, &status) != 0 || status.st_nlink == 0)
    return Placed::kFailed;  // someone removed our file: there is nothing to place
  // No /proc, or a file system without hard links (FAT, some network shares): the file
  // moves by its name, and the slot is checked to hold our file afterwards.
  if (renameat2(directory, state.name.c_str(), directory, name.c_str(), RENAME_NOREPLACE) != 0) {
    if (errno == EEXIST)
      return Placed::kNameTaken;
    if ((errno != EINVAL && errno != ENOSYS && errno != ENOTSUP) ||
        linkat(directory, state.name.c_str(), directory, name.c_str(), 0) != 0)
      return errno == EEXIST ? Placed::kNameTaken : Placed::kFailed;
    if (NameIsFile(directory, state.name, fd))
      unlinkat(directory, state.name.c_str(), 0);
  }
  if (!NameIsFile(directory, name, fd)) {
    // What moved was swapped in at our file's name: it must not stand as a record.
    unlinkat(directory, name.c_str(), 0);
    return Placed::kFailed;
  }
  state.placed = true;
  fsync(directory);
  return Placed::kPlaced;
}

void RemoveStaleDrafts() {
  if (RecordWritesHeld())
    return;
  Descriptor directory(OpenRunDirectory());
  if (directory.get() < 0)
    return;
  const int listing_fd = openat(directory.get(), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  DIR* listing = listing_fd >= 0 ? fdopendir(listing_fd) : nullptr;
  if (listing == nullptr) {
    if (listing_fd >= 0)
      close(listing_fd);
    return;
  }
  const time_t now = time(nullptr);
  const uid_t user = geteuid();  // the owner our saves give their files
  while (const dirent* entry = readdir(listing)) {
    const std::string name = entry->d_name;
    if (!IsDraftName(name))
      continue;
    // O_NOFOLLOW: a link at the name is never opened. O_NONBLOCK: a FIFO of that name
    // must not stall the save. Everything after is asked of what was opened.
    Descriptor file(
        openat(directory.get(), name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    struct stat status {};
    if (file.get() < 0 || fstat(file.get(), &status) != 0 || !S_ISREG(status.st_mode) ||
        status.st_nlink != 1 || status.st_uid != user || now - status.st_mtime < 60 ||
        flock(file.get(), LOCK_EX | LOCK_NB) != 0)
      continue;
    if (NameIsFile(directory.get(), name, file.get()))
      unlinkat(directory.get(), name.c_str(), 0);
  }
  closedir(listing);
}

#endif  // !_WIN32
