#pragma once
// The program's switches, read the same way by both windows and the replay driver: from
// the command line and from scoreboard-options.txt in the records folder, one switch a
// line, so that a host who never types a command line can set them too. The command
// line wins over the file. Nothing given, nothing changes: the program then starts
// exactly as it always did.
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "services/platform_paths.h"

inline constexpr std::string_view kOptionsFileName = "scoreboard-options.txt";

// Where the local server listens: "PORT" (on 127.0.0.1) or "ADDRESS:PORT" with an IPv4
// address; port 0 lets the system pick a free one.
struct ServeAddress {
  std::string host = "127.0.0.1";
  uint16_t port = 0;
};
// nullopt when `text` is neither form.
std::optional<ServeAddress> ReadServeAddress(std::string_view text);

struct ProgramSwitches {
  // Each given switch by name (without "--"); a switch without a value maps to "".
  std::map<std::string, NativePath, std::less<>> given;
  // What could not be read, each naming where and why (UTF-8); the board starts without it.
  std::vector<std::string> problems;

  const NativePath* Value(std::string_view name) const;
  std::optional<NativePath> overlay_dir() const;
  std::optional<ServeAddress> serve() const;
  // The board comes back as the journal of the last run left it.
  bool resume() const;
};

// Whether `name` (without "--") is a switch that takes a value; false for an unknown one.
bool SwitchTakesValue(std::string_view name);

// The command line's switches (the arguments after the program's name). Relative folders
// are made absolute against the current directory, since start-up changes it.
void ReadCommandLineSwitches(const std::vector<NativePath>& arguments, ProgramSwitches& into);
// An options file's content; `label` names it in problems. Relative folders are taken
// from `folder`. A switch the command line gave already is left as it is.
void ReadOptionsText(std::string_view content, std::string_view label, const NativePath& folder,
                     ProgramSwitches& into);
// scoreboard-options.txt in `records_folder`, when it exists, after the command line.
void ReadOptionsFile(const NativePath& records_folder, ProgramSwitches& into);
// Both: the command line, then the options file of the records folder; a program that
// has no records folder has no options file either.
ProgramSwitches ReadProgramSwitches(const std::vector<NativePath>& arguments,
                                    const std::optional<NativePath>& records_folder);
