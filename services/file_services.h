#pragma once
// File services of the handlers. Paths are program texts (GB18030); each platform turns
// them into its own file names at this edge (UTF-8 on Linux, UTF-16 on Windows).
#include <initializer_list>
#include <optional>
#include <string_view>

#include "services/text.h"

// Separator between the run directory and a file name on this platform.
#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif

// The run directory is fixed once at start-up and made the current directory.
// Returns false when the directory cannot be entered (the text is kept all the same).
bool FixRunDirectory(Text directory);
Text GetRunDirectory();
// The folder of the running executable, as a program text.
Text ExecutableDirectory();
// Everything before the last separator; a path without one gives the empty text.
// Backslash scanning is double-byte aware: a trail byte equal to "\" is no separator.
Text DirectoryOfPath(std::string_view path, char separator);

// True when a file or folder matches the path (which may hold "*" or "?").
bool FileExists(std::string_view path);

// Sets one item of an INI file, creating the file with its section when missing.
// An omitted key removes the whole section; an omitted value removes the key.
// Line breaks inside a value are written as the two characters "\n", so that every
// key keeps exactly one line. Lines end with CR LF; other content is kept.
bool WriteIniItem(std::string_view file, std::string_view section,
                  std::optional<std::string_view> key, std::optional<std::string_view> value);

// Joins the pieces in order; never absent (all-empty pieces give an empty text).
Text ConcatTexts(std::initializer_list<std::string_view> pieces);

// The pieces a record needs to be written whole or not at all.
bool FlushFileToDisk(std::string_view path);
// Moves a file to a name that must not exist yet; never replaces an existing file.
bool MoveFileNoReplace(std::string_view from, std::string_view to);
bool RemoveFile(std::string_view path);
