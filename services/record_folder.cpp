#include "services/record_folder.h"

#include <cstdlib>
#include <system_error>

#include "services/file_services.h"
#include "services/platform_paths.h"

namespace fs = std::filesystem;

namespace {

std::optional<fs::path> Variable(const char* name) {
  const char* value = std::getenv(name);
  if (value == nullptr)
    return std::nullopt;
  return fs::path(value);
}

bool IsInstalled(const fs::path& program_folder) {
  if (program_folder.filename() != "bin")
    return false;
  std::error_code ignored;
  return fs::is_regular_file(
      program_folder.parent_path() / "share" / "applications" / kDesktopFileName, ignored);
}

// XDG_DATA_HOME counts only when it is an absolute path; anything else is ignored.
std::optional<fs::path> DataHome(const HostFolders& host) {
  if (host.xdg_data_home && host.xdg_data_home->is_absolute())
    return host.xdg_data_home;
  if (host.home && host.home->is_absolute())
    return *host.home / ".local" / "share";
  return std::nullopt;
}

std::optional<fs::path>& DataFolderToMake() {
  static std::optional<fs::path> folder;
  return folder;
}

}  // namespace

HostFolders HostFoldersFromEnvironment() {
  return {.xdg_data_home = Variable("XDG_DATA_HOME"), .home = Variable("HOME")};
}

std::optional<fs::path> RecordFolder(const fs::path& program_folder, const HostFolders& host) {
  if (!IsInstalled(program_folder))
    return program_folder;
  const std::optional<fs::path> data_home = DataHome(host);
  if (!data_home)
    return std::nullopt;  // every save fails and says so, whatever the prefix allows
  return *data_home / kProgramName;
}

std::optional<NativePath> RecordFolderOfProgram(const std::optional<NativePath>& program_folder) {
  DataFolderToMake() = std::nullopt;
  if (!program_folder)
    return std::nullopt;
  const fs::path program(*program_folder);
  const std::optional<fs::path> folder = RecordFolder(program, HostFoldersFromEnvironment());
  if (!folder)
    return std::nullopt;
  if (*folder != program)
    DataFolderToMake() = folder;
  return folder->native();
}

void MakeRecordFolder() {
  if (!DataFolderToMake() || RecordWritesHeld())
    return;
  std::error_code ignored;  // a folder that cannot be made fails the save, which says so
  fs::create_directories(*DataFolderToMake(), ignored);
}
