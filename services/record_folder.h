#pragma once
// Where the game records live. A program run from a folder of its own (the build folder,
// a copied program, the Windows exe wherever it was unpacked) keeps them beside itself.
// An installed program cannot write into its prefix, so it keeps them in the host's data
// folder instead. The rule looks only at the program's folder, never at permissions, so
// a host can always tell in advance where a save will land.
#include <filesystem>
#include <optional>
#include <string_view>

#include "services/platform_paths.h"
#include "services/text.h"

// The folder name under the host's data folder.
inline constexpr std::string_view kProgramName = "scoreboard";
// The desktop entry that an installation lays down in <prefix>/share/applications.
inline constexpr std::string_view kDesktopFileName = "io.github.scoreboard.Scoreboard.desktop";

// The host's base folders as the process environment gives them; absent when unset.
struct HostFolders {
  std::optional<std::filesystem::path> xdg_data_home;
  std::optional<std::filesystem::path> home;
};
HostFolders HostFoldersFromEnvironment();

// The program counts as installed when its folder is the `bin` folder of a prefix that
// holds share/applications/<desktop entry>. Then the records go to
// $XDG_DATA_HOME/scoreboard, or ~/.local/share/scoreboard when that variable is unset,
// empty or relative; when neither is an absolute path there is no record folder at all
// (absent), never the program's own folder, which belongs to the installation.
// Otherwise they stay beside the program.
std::optional<std::filesystem::path> RecordFolder(const std::filesystem::path& program_folder,
                                                  const HostFolders& host);

// The same decision with the host's folders from the environment, on the program's
// folder as the platform names it (never round-tripped through the program's text
// encoding, so any folder name works); absent when the program's folder is unknown or
// the rule gives no folder. When the answer is the host's data folder, it is remembered
// for MakeRecordFolder.
std::optional<NativePath> RecordFolderOfProgram(const std::optional<NativePath>& program_folder);

// Makes the host's data folder, with any missing parents, on the first save that needs
// it. A program that keeps its records beside itself never makes a folder: one that
// vanished under it stays a failed save that the host is told about.
void MakeRecordFolder();
