#include "journal/journal.h"

#include <cmath>
#include <filesystem>
#include <system_error>

#include "services/control_model.h"
#include "services/convert.h"
#include "services/file_services.h"

namespace {

constexpr double kSecondsPerDay = 86400.0;

int64_t WholeSeconds(int64_t ms) {
  return ms >= 0 ? ms / 1000 : -((-ms + 999) / 1000);
}

// Plays one kept action through the board's own input path.
void Play(Application& application, FrontEnd& front_end, const JournalAction& action) {
  switch (action.kind) {
    case HostAction::Kind::kClick:
      application.Click(action.control);
      break;
    case HostAction::Kind::kEdited:
      // A live edit shows in its widget already; played again, the widget is told.
      application.Edited(action.control, action.text);
      front_end.Changed(action.control, Aspect::Caption);
      break;
    case HostAction::Kind::kType:
      application.Type(action.control, action.text);
      break;
    case HostAction::Kind::kKeyDown:
      application.KeyDown(action.control, action.value, action.modifiers);
      break;
    case HostAction::Kind::kSelect:
      application.Select(action.control, action.value);
      break;
    case HostAction::Kind::kSlide:
      application.Slide(action.control, action.value);
      break;
    case HostAction::Kind::kPick:
      application.Pick(action.control, static_cast<Colour>(action.value));
      break;
  }
}

// While the journal plays, the board reads the date-time the journal's clock stands at:
// the date at the start, moved on by the whole seconds the clock moved since.
DateTimeSource JournalDateTime(const JournalHeader& header, const JournalFrontEnd& clock) {
  return [header, &clock] {
    const int64_t seconds = WholeSeconds(clock.NowMs()) - WholeSeconds(header.clock_ms);
    return DateTime{header.date_days + static_cast<double>(seconds) / kSecondsPerDay};
  };
}

}  // namespace

Journal::Journal(const std::optional<NativePath>& records_folder, JournalFrontEnd& front_end)
    : folder_(records_folder), front_end_(front_end) {}

Journal::~Journal() {
  if (application_ != nullptr)
    application_->Listen(nullptr);
}

NativePath Journal::PathOf(int runs_back) const {
  return (std::filesystem::path(*folder_) / NativePathFromUtf8(JournalFileName(runs_back)))
      .native();
}

void Journal::StartBoard(Application& application, bool resume, std::vector<std::string>& notes) {
  application_ = &application;
  header_ = JournalHeader{CatalogueFingerprint(), front_end_.NowMs(), CurrentDateTime().days};
  last_ms_ = header_.clock_ms;
  bool resumed = false;
  if (resume) {
    if (!folder_)
      notes.push_back("--resume: there is no records folder, so there is nothing to resume");
    else
      resumed = Resume(application, notes);
  }
  if (!resumed)
    application.Start(folder_);
  if (folder_)
    application.Listen(this);
}

bool Journal::Resume(Application& application, std::vector<std::string>& notes) {
  const NativePath latest = PathOf(0);
  std::string bytes;
  if (ReadWholeFile(latest, bytes) != ReadResult::kRead) {
    notes.push_back("--resume: no game to resume in " + Utf8FromNativePath(latest) +
                    "; the board starts afresh");
    return false;
  }
  const JournalContents contents = ReadJournal(bytes);
  if (!contents.header) {
    notes.push_back("--resume: " + Utf8FromNativePath(latest) + " cannot be resumed (" +
                    contents.skipped + "); the board starts afresh");
    return false;
  }
  header_ = *contents.header;
  front_end_.BeginReplay(header_.clock_ms);
  DateTimeSource live_date_time = ExchangeDateTimeSource(JournalDateTime(header_, front_end_));
  HoldRecordWrites(true);
  application.Start(folder_);
  for (const JournalAction& action : contents.actions) {
    front_end_.SetReplayClock(action.time_ms);
    front_end_.SetReplayAnswers(action.answers, action.launches);
    Play(application, front_end_, action);
  }
  last_ms_ = contents.actions.empty() ? header_.clock_ms : contents.actions.back().time_ms;
  HoldRecordWrites(false);
  ExchangeDateTimeSource(std::move(live_date_time));
  front_end_.EndReplay();
  resumed_ = contents.actions.size();
  if (contents.skipped.empty()) {
    // The same game goes on in the same journal.
    file_ = JournalFile::Open(latest, false);
  } else {
    notes.push_back("--resume: " + Utf8FromNativePath(latest) + ": the board is back after " +
                    std::to_string(contents.actions.size()) + " actions; " + contents.skipped);
    // The damaged journal is set aside whole; the game goes on from what was played.
    StartRun(bytes.substr(0, contents.whole_bytes));
  }
  refused_ = file_ == nullptr;
  return true;
}

bool Journal::StartRun(const std::string& first_bytes) {
  std::error_code ignored;
  std::filesystem::remove(PathOf(kJournalRunsKept - 1), ignored);
  for (int back = kJournalRunsKept - 2; back >= 0; --back)
    std::filesystem::rename(PathOf(back), PathOf(back + 1), ignored);
  file_ = JournalFile::Open(PathOf(0), true);
  if (file_ != nullptr && !file_->Append(first_bytes))
    file_.reset();
  refused_ = file_ == nullptr;
  return file_ != nullptr;
}

void Journal::Starting() {
  // A box shown outside any action (the start-up notice, a timer's) is never played
  // again, so its answer is no action's.
  front_end_.TakeAnswers();
  front_end_.TakeLaunches();
}

void Journal::Heard(const HostAction& action) {
  if (refused_ || application_ == nullptr || !application_->window_exists())
    return;
  if (file_ == nullptr && !StartRun(HeaderLine(header_)))
    return;
  const Control* control = application_->model().Find(action.control);
  if (control == nullptr)
    return;
  const int64_t now = front_end_.NowMs();
  file_->Append(ActionLines(action, control->name, last_ms_, now, front_end_.TakeAnswers(),
                            front_end_.TakeLaunches()));
  if (now > last_ms_)
    last_ms_ = now;
}
