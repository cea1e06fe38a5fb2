// File services on Windows: program texts become UTF-16 file names, so the record names
// come out right whatever the system's ANSI code page is.
#ifdef _WIN32

#include "services/windows_api.h"

#include <aclapi.h>

#include <climits>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "services/file_services.h"
#include "services/platform_paths.h"
#include "services/replace_file.h"

namespace {

class Handle {
 public:
  explicit Handle(HANDLE handle) : handle_(handle) {}
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;
  ~Handle() {
    if (valid()) {
      CloseHandle(handle_);
    }
  }
  bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
  HANDLE get() const { return handle_; }
  void reset(HANDLE handle) {
    if (valid())
      CloseHandle(handle_);
    handle_ = handle;
  }

 private:
  HANDLE handle_;
};

}  // namespace

NativePath NativePathFromText(std::string_view path) {
  // GB18030 to UTF-8 first: that step already turns bad bytes into "?", and valid
  // UTF-8 always has a UTF-16 form.
  return NativePathFromUtf8(Utf8FromText(path));
}

NativePath NativePathFromUtf8(std::string_view utf8) {
  if (utf8.empty() || utf8.size() > static_cast<std::size_t>(INT_MAX))
    return {};
  const int length = static_cast<int>(utf8.size());
  const int wide_length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), length, nullptr, 0);
  if (wide_length <= 0)
    return {};
  std::wstring wide(static_cast<std::size_t>(wide_length), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), length, wide.data(), wide_length);
  return wide;
}

std::string Utf8FromNativePath(const NativePath& path) {
  if (path.empty() || path.size() > static_cast<std::size_t>(INT_MAX))
    return {};
  const int length = static_cast<int>(path.size());
  const int utf8_length =
      WideCharToMultiByte(CP_UTF8, 0, path.data(), length, nullptr, 0, nullptr, nullptr);
  if (utf8_length <= 0)
    return {};
  std::string utf8(static_cast<std::size_t>(utf8_length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, path.data(), length, utf8.data(), utf8_length, nullptr, nullptr);
  return utf8;
}

Text TextFromNativePath(const NativePath& path) {
  if (path.empty() || path.size() > static_cast<std::size_t>(INT_MAX))
    return {};
  const int length = static_cast<int>(path.size());
  // A lone surrogate in a file name becomes U+FFFD here rather than failing the whole name.
  const int utf8_length =
      WideCharToMultiByte(CP_UTF8, 0, path.data(), length, nullptr, 0, nullptr, nullptr);
  if (utf8_length <= 0)
    return {};
  std::string utf8(static_cast<std::size_t>(utf8_length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, path.data(), length, utf8.data(), utf8_length, nullptr, nullptr);
  return TextFromUtf8(utf8);
}

std::optional<NativePath> ExecutablePath() {
  std::wstring buffer(MAX_PATH, L'\0');
  while (buffer.size() <= 32768 * 2) {
    const DWORD size = static_cast<DWORD>(buffer.size());
    const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), size);
    if (length == 0)
      return std::nullopt;
    if (length < size) {
      buffer.resize(length);
      return buffer;
    }
    buffer.resize(buffer.size() * 2);  // cut short: ask again with more room
  }
  return std::nullopt;  // longer than any path the system allows: unknown
}

namespace {

// A name in the run directory as a full path. Long paths take the "\\?\" form, which
// is not limited to MAX_PATH characters.
// Absent when there is no run directory: a save then reaches no folder at all.
std::optional<std::wstring> PathBeside(const NativePath& name) {
  if (!RunDirectoryPath())
    return std::nullopt;
  // A relative run directory was entered at start-up and is the current folder now, as
  // on Linux; repeating it would name a folder inside itself.
  const NativePath& directory = *RunDirectoryPath();
  const bool relative = !directory.empty() && directory[0] != L'\\' && directory[0] != L'/' &&
                        !(directory.size() >= 2 && directory[1] == L':');
  std::wstring path = relative ? name : directory + L"\\" + name;
  if (path.size() >= MAX_PATH - 12 && path.rfind(L"\\\\", 0) != 0 && path.size() > 2 &&
      path[1] == L':')
    path = L"\\\\?\\" + path;
  else if (path.size() >= MAX_PATH - 12 && path.rfind(L"\\\\", 0) == 0 &&
           path.rfind(L"\\\\?\\", 0) != 0)
    path = L"\\\\?\\UNC\\" + path.substr(2);
  return path;
}

}  // namespace

void PrepareProcessForFiles() {}

bool EnterRunDirectory(const std::optional<NativePath>& directory) {
  if (!directory)
    return false;
  // "C:" alone is the drive's current folder; its root needs the separator.
  NativePath target = *directory;
  if (target.empty() || target.back() == L':')
    target += L'\\';
  return SetCurrentDirectoryW(target.c_str()) != 0;
}

ReadResult ReadWholeFile(const NativePath& path, std::string& content) {
  Handle file(CreateFileW(path.c_str(), GENERIC_READ,
                          FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                          OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.valid()) {
    const DWORD error = GetLastError();
    const bool missing = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
    return missing ? ReadResult::kMissing : ReadResult::kFailed;
  }
  content.clear();
  char chunk[16384];
  while (true) {
    DWORD got = 0;
    if (!ReadFile(file.get(), chunk, sizeof chunk, &got, nullptr)) {
      return ReadResult::kFailed;
    }
    if (got == 0) {
      return ReadResult::kRead;
    }
    content.append(chunk, got);
  }
}

namespace {

// Writes all of `content`, in pieces WriteFile can take; false on the first failure.
bool WriteAll(HANDLE file, std::string_view content) {
  std::size_t done = 0;
  while (done < content.size()) {
    const std::size_t left = content.size() - done;
    const DWORD ask = left > (1u << 30) ? (1u << 30) : static_cast<DWORD>(left);
    DWORD put = 0;
    if (!WriteFile(file, content.data() + done, ask, &put, nullptr) || put == 0)
      return false;
    done += put;
  }
  return true;
}

// A system error code as the system words it, in UTF-8.
std::string Reason(DWORD code) {
  wchar_t* text = nullptr;
  const DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::string reason = "error " + std::to_string(code);
  if (length > 0 && text != nullptr) {
    std::wstring wide(text, length);
    while (!wide.empty() && (wide.back() == L'\n' || wide.back() == L'\r' || wide.back() == L' '))
      wide.pop_back();
    reason = Utf8FromNativePath(wide);
  }
  LocalFree(text);
  return reason;
}

}  // namespace

bool ReplaceFileWhole(const NativePath& folder, std::string_view name, std::string_view content,
                      std::string& error, Readers /*readers*/) {
  const NativePath target = folder + L"\\" + NativePathFromUtf8(name);
  const NativePath draft = folder + L"\\~" + NativePathFromUtf8(name) + L"." +
                           std::to_wstring(GetCurrentProcessId()) + L".tmp";
  HANDLE file = CreateFileW(draft.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    error = Reason(GetLastError());
    return false;
  }
  bool ok = WriteAll(file, content) && FlushFileBuffers(file) != 0;
  DWORD code = ok ? 0 : GetLastError();
  CloseHandle(file);
  // A reader that holds the old file open without sharing deletion refuses the move for
  // a moment; the streaming software lets go quickly, so try a few times.
  for (int attempt = 0; ok && attempt < 10; ++attempt) {
    if (MoveFileExW(draft.c_str(), target.c_str(),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0) {
      code = 0;
      break;
    }
    code = GetLastError();
    if (code != ERROR_SHARING_VIOLATION && code != ERROR_ACCESS_DENIED)
      break;
    Sleep(10);
  }
  if (!ok || code != 0) {
    DeleteFileW(draft.c_str());
    error = Reason(code);
    return false;
  }
  return true;
}

bool WriteWholeFile(const NativePath& path, std::string_view content) {
  // OPEN_ALWAYS and SetEndOfFile rather than CREATE_ALWAYS, which refuses a file that
  // is hidden or marked as a system file.
  Handle file(CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                          FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.valid()) {
    return false;
  }
  return WriteAll(file.get(), content) && SetEndOfFile(file.get()) != 0;
}

namespace {

bool IsDotEntry(const wchar_t* name) {
  return name[0] == L'.' && (name[1] == L'\0' || (name[1] == L'.' && name[2] == L'\0'));
}

}  // namespace

bool FileExists(std::string_view path) {
  if (path.empty()) {
    return false;
  }
  const NativePath native = NativePathFromText(path);
  WIN32_FIND_DATAW found;
  const HANDLE search = FindFirstFileW(native.c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) {
    return false;
  }
  // A pattern also matches a folder's "." and "..", which name no file of their own; the
  // Linux build answers from the entries alone, and both must agree.
  const std::size_t separator = native.find_last_of(L"\\/");
  const bool pattern =
      native.find_first_of(L"*?", separator == NativePath::npos ? 0 : separator + 1) !=
      NativePath::npos;
  bool exists = !pattern || !IsDotEntry(found.cFileName);
  while (!exists && FindNextFileW(search, &found)) {
    exists = !IsDotEntry(found.cFileName);
  }
  FindClose(search);
  return exists;
}

bool NameTakenBeside(const NativePath& name) {
  const std::optional<std::wstring> path = PathBeside(name);
  if (!path)
    return false;
  WIN32_FIND_DATAW found;
  const HANDLE search = FindFirstFileW(path->c_str(), &found);
  if (search == INVALID_HANDLE_VALUE)
    return false;
  FindClose(search);
  return true;
}

struct DraftFile::State {
  Handle file{INVALID_HANDLE_VALUE};
  bool placed = false;
};

namespace {

// Draft names are plain ASCII, so each byte is one UTF-16 unit.
std::wstring Wide(std::string_view ascii) {
  return std::wstring(ascii.begin(), ascii.end());
}

std::wstring NewDraftName() {
  static std::random_device device;
  static std::mt19937_64 numbers((static_cast<std::uint64_t>(device()) << 32 | device()) ^
                                 GetCurrentProcessId() ^ GetTickCount64());
  return Wide(DraftName(GetCurrentProcessId(), numbers()));
}

bool Dispose(HANDLE file) {
  FILE_DISPOSITION_INFO dispose{};
  dispose.DeleteFile = TRUE;
  return SetFileInformationByHandle(file, FileDispositionInfo, &dispose, sizeof dispose) != 0;
}

}  // namespace

DraftFile::DraftFile() : state_(std::make_unique<State>()) {
  if (RecordWritesHeld() || !RunDirectoryPath())
    return;  // no record folder: the save fails and says so
  for (int attempt = 0; attempt < 16; ++attempt) {
    // CREATE_NEW: a new file or nothing, never an existing entry or what a link names.
    // No sharing for writing or deleting: no other copy can touch it while we hold it.
    // FILE_FLAG_OPEN_REPARSE_POINT: never follow a link that appears at the name.
    const HANDLE file = CreateFileW(PathBeside(NewDraftName())->c_str(), GENERIC_WRITE | DELETE,
                                    FILE_SHARE_READ, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
      state_->file.reset(file);
      return;
    }
    const DWORD error = GetLastError();
    if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS)
      return;
  }
}

DraftFile::~DraftFile() {
  if (state_->file.valid() && !state_->placed)
    Dispose(state_->file.get());
}

bool DraftFile::ok() const {
  return state_->file.valid();
}

bool DraftFile::WriteAndFlush(std::string_view content) {
  if (!ok())
    return false;
  return WriteAll(state_->file.get(), content) && FlushFileBuffers(state_->file.get()) != 0;
}

DraftFile::Placed DraftFile::PlaceAs(const NativePath& name) {
  if (!ok() || state_->placed)
    return Placed::kFailed;
  // The rename goes through our handle; without ReplaceIfExists it refuses a taken name.
  const std::optional<std::wstring> beside = PathBeside(name);
  if (!beside)
    return Placed::kFailed;
  const std::wstring& target = *beside;
  const std::size_t bytes = target.size() * sizeof(wchar_t);
  std::vector<unsigned char> buffer(sizeof(FILE_RENAME_INFO) + bytes);
  auto* rename = reinterpret_cast<FILE_RENAME_INFO*>(buffer.data());
  rename->ReplaceIfExists = FALSE;
  rename->RootDirectory = nullptr;
  rename->FileNameLength = static_cast<DWORD>(bytes);
  std::memcpy(rename->FileName, target.data(), bytes);
  if (SetFileInformationByHandle(state_->file.get(), FileRenameInfo, rename,
                                 static_cast<DWORD>(buffer.size())) != 0) {
    state_->placed = true;
    return Placed::kPlaced;
  }
  const DWORD error = GetLastError();
  if (error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS)
    return Placed::kNameTaken;
  return Placed::kFailed;
}

namespace {

// The SID of the user this process runs as, in `storage`; null when it cannot be had.
PSID ProcessUserSid(std::vector<unsigned char>& storage) {
  HANDLE token = nullptr;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token))
    return nullptr;
  DWORD size = 0;
  GetTokenInformation(token, TokenUser, nullptr, 0, &size);
  storage.resize(size);
  const bool got = size > 0 && GetTokenInformation(token, TokenUser, storage.data(), size, &size);
  CloseHandle(token);
  return got ? reinterpret_cast<TOKEN_USER*>(storage.data())->User.Sid : nullptr;
}

bool OwnedBy(HANDLE file, PSID user) {
  PSID owner = nullptr;
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  if (GetSecurityInfo(file, SE_FILE_OBJECT, OWNER_SECURITY_INFORMATION, &owner, nullptr, nullptr,
                      nullptr, &descriptor) != ERROR_SUCCESS)
    return false;
  const bool same = owner != nullptr && EqualSid(owner, user);
  LocalFree(descriptor);
  return same;
}

std::uint64_t Ticks(const FILETIME& time) {
  return static_cast<std::uint64_t>(time.dwHighDateTime) << 32 | time.dwLowDateTime;
}

// The name as the ASCII that every draft name is; empty for anything else.
std::string AsciiName(const wchar_t* name) {
  std::string ascii;
  for (; *name != L'\0'; ++name) {
    if (*name > 0x7F)
      return {};
    ascii += static_cast<char>(*name);
  }
  return ascii;
}

}  // namespace

void RemoveStaleDrafts() {
  if (RecordWritesHeld())
    return;
  const std::optional<std::wstring> pattern = PathBeside(Wide(kDraftPrefix) + L"*.tmp");
  if (!pattern)
    return;
  std::vector<unsigned char> user_storage;
  const PSID user = ProcessUserSid(user_storage);
  if (user == nullptr)
    return;  // whose files are ours cannot be told: nothing is removed
  WIN32_FIND_DATAW found;
  const HANDLE search = FindFirstFileW(pattern->c_str(), &found);
  if (search == INVALID_HANDLE_VALUE)
    return;
  FILETIME now_time;
  GetSystemTimeAsFileTime(&now_time);
  const std::uint64_t minute = 60ull * 10000000ull;
  do {
    if (!IsDraftName(AsciiName(found.cFileName)))
      continue;
    // FILE_FLAG_OPEN_REPARSE_POINT: a link at the name is opened as itself, never
    // followed. No sharing: a copy still saving holds its file, so the open fails for
    // it; and nothing can open the file while it is checked and removed. Everything
    // after is asked of the opened handle.
    Handle file(CreateFileW(PathBeside(found.cFileName)->c_str(),
                            DELETE | READ_CONTROL | FILE_READ_ATTRIBUTES, 0, nullptr, OPEN_EXISTING,
                            FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
    BY_HANDLE_FILE_INFORMATION info{};
    if (!file.valid() || !GetFileInformationByHandle(file.get(), &info))
      continue;
    const bool plain_file =
        (info.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) == 0;
    if (plain_file && info.nNumberOfLinks == 1 &&
        Ticks(info.ftLastWriteTime) + minute <= Ticks(now_time) && OwnedBy(file.get(), user))
      Dispose(file.get());
  } while (FindNextFileW(search, &found));
  FindClose(search);
}

#endif  // _WIN32
