#include "overlay/overlay_files.h"

#include <cstdio>

#include "overlay/board_json.h"
#include "services/replace_file.h"

namespace {
constexpr std::chrono::milliseconds kShortestInterval{10};
}  // namespace

OverlayFiles::OverlayFiles(NativePath folder, PublishedBoard& board)
    : folder_(std::move(folder)), board_(board) {}

OverlayFiles::~OverlayFiles() {
  if (writer_.joinable())
    writer_.join();
}

void OverlayFiles::StartWriting() {
  writer_ = std::thread([this] { WriteLoop(); });
}

std::optional<std::string> OverlayFiles::WriteNow() {
  const auto snapshot = board_.Latest();
  if (snapshot == nullptr)
    return std::nullopt;
  const auto problem = Write(*snapshot);
  if (!problem)
    return std::nullopt;
  Failed(*problem, true);
  return Described(*problem);
}

void OverlayFiles::WriteLoop() {
  for (;;) {
    const auto snapshot = board_.WaitNewerThan(written_version_);
    if (snapshot != nullptr && snapshot->version > written_version_) {
      if (auto problem = Write(*snapshot))
        Failed(*problem, false);
      // The streaming software polls far less often: a burst of clicks is written at
      // most this often, as it stands at each write, and the last state always follows.
      board_.PauseUnlessClosed(kShortestInterval);
      continue;
    }
    if (board_.closed())
      return;
  }
}

std::optional<std::string> OverlayFiles::Write(const BoardSnapshot& snapshot) {
  // The version counts as written even after a failure: the next change tries again,
  // rather than this thread spinning on a folder that refuses.
  written_version_ = snapshot.version;
  bool any_changed = !json_written_;
  std::string error;
  for (std::size_t i = 0; i < kBoardFieldCount; ++i) {
    const std::string& value = snapshot.values[i];
    if (written_[i] && *written_[i] == value)
      continue;
    any_changed = true;
    const std::string name = FieldFileName(kBoardFields[i]);
    if (!ReplaceFileWhole(folder_, name, value, error))
      return name + ": " + error;
    written_[i] = value;
  }
  if (any_changed) {
    if (!ReplaceFileWhole(folder_, kBoardJsonName, BoardJson(snapshot.values), error)) {
      json_written_ = false;
      return std::string(kBoardJsonName) + ": " + error;
    }
    json_written_ = true;
  }
  return std::nullopt;
}

std::string OverlayFiles::Described(const std::string& problem) const {
  return "the overlay folder " + Utf8FromNativePath(folder_) + " cannot be written (" + problem +
         "); the board runs on without it";
}

void OverlayFiles::Failed(const std::string& problem, bool on_ui_thread) {
  const std::lock_guard lock(failure_mutex_);
  if (failure_told_)
    return;
  failure_told_ = true;
  // The start-up write's problem is told with the other start-up problems; a later one
  // goes to standard error now and to the host at the next change the board settles.
  if (!on_ui_thread) {
    const std::string message = Described(problem);
    std::fprintf(stderr, "scoreboard: %s\n", message.c_str());
    std::fflush(stderr);
    failure_to_show_ = message;
  }
}

std::optional<std::string> OverlayFiles::TakeFailureToShow() {
  const std::lock_guard lock(failure_mutex_);
  auto shown = std::move(failure_to_show_);
  failure_to_show_.reset();
  return shown;
}
