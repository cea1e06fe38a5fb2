#include "services/file_services.h"

#include <cstddef>
#include <string>
#include <utility>

#include "services/ini_document.h"
#include "services/platform_paths.h"

namespace {

NativePath& RunDirectory() {
  static NativePath directory;
  return directory;
}

}  // namespace

bool FixRunDirectory(NativePath directory) {
  RunDirectory() = std::move(directory);
  return EnterRunDirectory(RunDirectory());
}

const NativePath& RunDirectoryPath() {
  return RunDirectory();
}

Text GetRunDirectory() {
  return TextFromNativePath(RunDirectory());
}

NativePath ExecutableDirectory() {
  const NativePath path = ExecutablePath();
  const std::size_t last = path.find_last_of(kNativeSeparators);
  if (last == NativePath::npos)
    return {};
  return path.substr(0, last);
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

bool WriteIniItem(std::string_view file, std::string_view section,
                  std::optional<std::string_view> key, std::optional<std::string_view> value) {
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
