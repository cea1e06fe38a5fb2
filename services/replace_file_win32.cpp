// Whole-file replacement on Windows: MoveFileExW with MOVEFILE_REPLACE_EXISTING swaps the
// new file in under the old name in one step.
#ifdef _WIN32

#include "services/windows_api.h"

#include <string>

#include "services/replace_file.h"

namespace {

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

bool WriteAllTo(HANDLE file, std::string_view content) {
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

}  // namespace

bool ReplaceFileWhole(const NativePath& folder, std::string_view name, std::string_view content,
                      std::string& error) {
  const NativePath target = folder + L"\\" + NativePathFromUtf8(name);
  const NativePath draft = folder + L"\\~" + NativePathFromUtf8(name) + L"." +
                           std::to_wstring(GetCurrentProcessId()) + L".tmp";
  HANDLE file = CreateFileW(draft.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    error = Reason(GetLastError());
    return false;
  }
  bool ok = WriteAllTo(file, content) && FlushFileBuffers(file) != 0;
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

#endif
