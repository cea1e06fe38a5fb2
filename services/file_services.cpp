#include "services/file_services.h"

#include <cstddef>
#include <cstdio>
#include <string>
#include <utility>

#include "services/ini_document.h"
#include "services/platform_paths.h"

namespace {

std::optional<NativePath>& RunDirectory() {
  static std::optional<NativePath> directory;
  return directory;
}

constexpr std::string_view kDraftSuffix = ".tmp";
constexpr std::size_t kDraftRandomDigits = 16;

bool IsLowerHexDigit(char c) {
  return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f');
}

// A process id as std::to_string writes a 32-bit one: "0", or no leading zero and a
// value that fits.
bool IsProcessIdText(std::string_view digits) {
  if (digits.empty() || digits.size() > 10)
    return false;
  if (digits.size() > 1 && digits.front() == '0')
    return false;
  std::uint64_t value = 0;
  for (const char c : digits) {
    if (c < '0' || c > '9')
      return false;
    value = value * 10 + static_cast<std::uint64_t>(c - '0');
  }
  return value <= 0xFFFFFFFFu;
}

}  // namespace

bool FixRunDirectory(std::optional<NativePath> directory) {
  RunDirectory() = std::move(directory);
  return EnterRunDirectory(RunDirectory());
}

const std::optional<NativePath>& RunDirectoryPath() {
  return RunDirectory();
}

Text GetRunDirectory() {
  return RunDirectory() ? TextFromNativePath(*RunDirectory()) : Text();
}

std::optional<NativePath> ExecutableDirectory() {
  const std::optional<NativePath> path = ExecutablePath();
  if (!path)
    return std::nullopt;
  const std::size_t last = path->find_last_of(kNativeSeparators);
  if (last == NativePath::npos)
    return NativePath();
  return path->substr(0, last);
}

std::string DraftName(std::uint32_t process_id, std::uint64_t random_bits) {
  char random[kDraftRandomDigits + 1];
  std::snprintf(random, sizeof random, "%016llx", static_cast<unsigned long long>(random_bits));
  return std::string(kDraftPrefix) + std::to_string(process_id) + "-" + random +
         std::string(kDraftSuffix);
}

bool IsDraftName(std::string_view name) {
  if (name.substr(0, kDraftPrefix.size()) != kDraftPrefix)
    return false;
  name.remove_prefix(kDraftPrefix.size());
  const std::size_t dash = name.find('-');
  if (dash == std::string_view::npos || !IsProcessIdText(name.substr(0, dash)))
    return false;
  name.remove_prefix(dash + 1);
  if (name.size() != kDraftRandomDigits + kDraftSuffix.size() ||
      name.substr(kDraftRandomDigits) != kDraftSuffix)
    return false;
  for (std::size_t i = 0; i < kDraftRandomDigits; ++i) {
    if (!IsLowerHexDigit(name[i]))
      return false;
  }
  return true;
}

Text DirectoryOfPath(std::string_view path, char separator) {
  std::size_t last = std::string_view::npos;
  for (std::size_t pos = 0; pos < path.size(); pos += GbCharLength(path, pos)) {
    if (path[pos] == separator) {
      last = pos;
    }
  }
  if (last == std::string_view::npos)
    return {};
  return Text(path.substr(0, last));
}

namespace {
bool& WritesHeld() {
  static bool held = false;  // the user-interface thread's alone
  return held;
}
}  // namespace

void HoldRecordWrites(bool held) {
  WritesHeld() = held;
}

bool RecordWritesHeld() {
  return WritesHeld();
}

bool WriteIniItem(std::string_view file, std::string_view section,
                  std::optional<std::string_view> key, std::optional<std::string_view> value) {
  if (RecordWritesHeld())
    return false;
  try {
    const NativePath native = NativePathFromText(file);
    std::string content;
    switch (ReadWholeFile(native, content)) {
      case ReadResult::kFailed:
        return false;
      case ReadResult::kMissing:
        // Created only by a write: removing from no content changes nothing.
        content.clear();
        break;
      case ReadResult::kRead:
        break;
    }
    const std::optional<std::string> edited = EditIniContent(content, section, key, value);
    if (!edited) {
      return true;
    }
    return WriteWholeFile(native, *edited);
  } catch (...) {
    // Services report failure through their result; a handler never sees an exception.
    return false;
  }
}

Text ConcatTexts(std::initializer_list<std::string_view> pieces) {
  std::size_t length = 0;
  for (const std::string_view piece : pieces) length += piece.size();
  Text joined;
  joined.reserve(length);
  for (const std::string_view piece : pieces) joined.append(piece);
  return joined;
}
