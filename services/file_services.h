#pragma once
// File services of the handlers. Paths given as program texts (GB18030) become the
// platform's own file names at this edge (UTF-8 on Linux, UTF-16 on Windows); the run
// directory and the record names stay in the platform's own form throughout.
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "services/platform_paths.h"
#include "services/text.h"

// Separator between the run directory and a file name on this platform.
#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif

// What the process needs before it touches a file: on Linux a write past the file-size
// limit must fail with an error the save reports, not end the program (SIGXFSZ).
void PrepareProcessForFiles();

// The run directory is fixed once at start-up and made the current directory. It is
// kept as the platform gave it, never round-tripped through the program's encoding, so
// a folder whose name is not valid in it (GBK bytes unzipped on Linux) still works.
// Returns false when the directory cannot be entered (it is kept all the same).
// An absent run directory (the program's place is unknown, or it has no record folder)
// is a state of its own, never the root or the current folder: every save fails and
// says so, and the current directory stays where the program was started.
bool FixRunDirectory(std::optional<NativePath> directory);
const std::optional<NativePath>& RunDirectoryPath();
// The run directory as a program text, for handlers that show or join it; empty when
// there is none.
Text GetRunDirectory();
// The folder of the running executable, without a trailing separator (empty for one at
// the root); absent when the platform cannot tell where the executable is.
std::optional<NativePath> ExecutableDirectory();
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

// What a record needs to be written whole or not at all, in the run directory.

// True when anything at all stands under `name` in the run directory: a file, a folder,
// a link (even one that points nowhere).
bool NameTakenBeside(const NativePath& name);

// Temporary files of a save carry this prefix and end in ".tmp".
inline constexpr std::string_view kDraftPrefix = "~scoreboard-record-";

// The name of a save's temporary file: the prefix, the creating process's id in
// decimal, "-", 64 random bits as 16 lower-case hex digits, ".tmp".
std::string DraftName(std::uint32_t process_id, std::uint64_t random_bits);
// True exactly for the names DraftName gives; the cleanup considers nothing else ours.
bool IsDraftName(std::string_view name);

// A file that a save composes before it takes a slot. It is created in the run directory
// under a name no entry had (exclusively, never through a link or into a FIFO), written
// and flushed through the descriptor that created it, and moved to its slot through that
// same descriptor, so nothing swapped in at its name can be written or placed. Unless it
// was placed it is removed again when it goes out of scope.
class DraftFile {
 public:
  DraftFile();  // creates the file; ok() says whether the folder took it
  ~DraftFile();
  DraftFile(const DraftFile&) = delete;
  DraftFile& operator=(const DraftFile&) = delete;

  bool ok() const;
  // The whole content, then flushed to the disk.
  bool WriteAndFlush(std::string_view content);

  enum class Placed { kPlaced, kNameTaken, kFailed };
  // Gives the file `name` in the run directory; never replaces an entry of that name.
  Placed PlaceAs(const NativePath& name);

  struct State;

 private:
  std::unique_ptr<State> state_;
};

// While a resumed game is played again from its journal, nothing is written into the
// records folder: no draft is made (a save ends as one the folder refused, and the
// message box that says so is answered from the journal), no folder is made, nothing is
// cleaned up and no INI item is written. Off again once the board is live.
void HoldRecordWrites(bool held);
bool RecordWritesHeld();

// Removes temporary files that a killed save left behind, and nothing the program did
// not make: only names that IsDraftName accepts, only regular files with a single link
// (never a second name of a file elsewhere), owned by the user running the program,
// a minute old or older (a save that has just created its file is never disturbed) and
// held by no running copy. Each is opened without following links and checked through
// what was opened, so nothing swapped in at the name meanwhile is removed.
void RemoveStaleDrafts();
