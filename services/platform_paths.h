#pragma once
// What the file services ask of the platform, in its own file names: UTF-8 bytes on
// Linux, UTF-16 on Windows. Program texts cross into those names only here.
#include <optional>
#include <string>
#include <string_view>

#include "services/text.h"

#ifdef _WIN32
using NativePath = std::wstring;
inline constexpr const wchar_t* kNativeSeparators = L"\\/";
#else
using NativePath = std::string;
inline constexpr const char* kNativeSeparators = "/";
#endif

NativePath NativePathFromText(std::string_view path);
Text TextFromNativePath(const NativePath& path);
// UTF-8 (a command line as the driver reads it, a UTF-8 options file) as the platform's
// own path and back, never through the program's encoding. Bytes that are not UTF-8 stay
// as they are on Linux and become U+FFFD on Windows.
NativePath NativePathFromUtf8(std::string_view utf8);
std::string Utf8FromNativePath(const NativePath& path);

// The full path of the running executable; absent when the platform cannot tell (no
// readable /proc/self/exe, a failing GetModuleFileNameW).
std::optional<NativePath> ExecutablePath();
// Makes the run directory the current one (an empty one, or a bare drive, is its root)
// and keeps what later saves need to reach it. An absent one forgets the folder entered
// before and leaves the current directory as it is: saves then reach no folder at all.
bool EnterRunDirectory(const std::optional<NativePath>& directory);

enum class ReadResult { kRead, kMissing, kFailed };
// kMissing only when nothing stands at the path; a folder there is kFailed.
ReadResult ReadWholeFile(const NativePath& path, std::string& content);
// Creates or overwrites the file with exactly `content`.
bool WriteWholeFile(const NativePath& path, std::string_view content);
