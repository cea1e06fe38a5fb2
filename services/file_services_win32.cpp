// File services on Windows: program texts become UTF-16 file names, so the record names
// come out right whatever the system's ANSI code page is.
#ifdef _WIN32

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <climits>
#include <cstddef>
#include <string>

#include "services/file_services.h"
#include "services/platform_paths.h"

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

 private:
  HANDLE handle_;
};

}  // namespace

NativePath NativePathFromText(std::string_view path) {
  // GB18030 to UTF-8 first: that step already turns bad bytes into "?", and valid
  // UTF-8 always has a UTF-16 form.
  const std::string utf8 = Utf8FromText(path);
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

NativePath ExecutablePath() {
  std::wstring buffer(MAX_PATH, L'\0');
  while (buffer.size() <= 32768 * 2) {
    const DWORD size = static_cast<DWORD>(buffer.size());
    const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), size);
    if (length == 0)
      return {};
    if (length < size) {
      buffer.resize(length);
      return buffer;
    }
    buffer.resize(buffer.size() * 2);  // cut short: ask again with more room
  }
  return {};
}

bool ChangeDirectory(const NativePath& directory) {
  return SetCurrentDirectoryW(directory.c_str()) != 0;
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

bool WriteWholeFile(const NativePath& path, std::string_view content) {
  // OPEN_ALWAYS and SetEndOfFile rather than CREATE_ALWAYS, which refuses a file that
  // is hidden or marked as a system file.
  Handle file(CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                          FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.valid()) {
    return false;
  }
  std::size_t done = 0;
  while (done < content.size()) {
    const std::size_t left = content.size() - done;
    const DWORD ask = left > (1u << 30) ? (1u << 30) : static_cast<DWORD>(left);
    DWORD put = 0;
    if (!WriteFile(file.get(), content.data() + done, ask, &put, nullptr) || put == 0) {
      return false;
    }
    done += put;
  }
  return SetEndOfFile(file.get()) != 0;
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

bool FlushFileToDisk(std::string_view path) {
  // FlushFileBuffers needs a handle with write access.
  Handle file(CreateFileW(NativePathFromText(path).c_str(), GENERIC_WRITE,
                          FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                          FILE_ATTRIBUTE_NORMAL, nullptr));
  return file.valid() && FlushFileBuffers(file.get()) != 0;
}

bool MoveFileNoReplace(std::string_view from, std::string_view to) {
  // Without MOVEFILE_REPLACE_EXISTING the move fails when the target exists.
  return MoveFileExW(NativePathFromText(from).c_str(), NativePathFromText(to).c_str(), 0) != 0;
}

bool RemoveFile(std::string_view path) {
  return DeleteFileW(NativePathFromText(path).c_str()) != 0;
}

#endif  // _WIN32
