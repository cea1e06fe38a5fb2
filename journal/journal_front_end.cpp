#include "journal/journal_front_end.h"

namespace {
constexpr int32_t kOk = 1;
}  // namespace

void JournalFrontEnd::BeginReplay(int64_t clock_ms) {
  replaying_ = true;
  replay_clock_ms_ = clock_ms;
}

void JournalFrontEnd::SetReplayAnswers(const std::vector<int32_t>& answers,
                                       const std::vector<bool>& launches) {
  replay_answers_.assign(answers.begin(), answers.end());
  replay_launches_.assign(launches.begin(), launches.end());
}

int32_t JournalFrontEnd::MessageBox(const Text& text, const Text& caption, uint32_t flags) {
  if (replaying_) {
    if (replay_answers_.empty())
      return kOk;
    const int32_t answer = replay_answers_.front();
    replay_answers_.pop_front();
    return answer;
  }
  const int32_t answer = platform_.MessageBox(text, caption, flags);
  answers_heard_.push_back(answer);
  return answer;
}

bool JournalFrontEnd::LaunchProgram(const Text& command_line, int32_t show_window, bool wait) {
  if (replaying_) {
    if (replay_launches_.empty())
      return true;
    const bool launched = replay_launches_.front();
    replay_launches_.pop_front();
    return launched;
  }
  const bool launched = platform_.LaunchProgram(command_line, show_window, wait);
  launches_heard_.push_back(launched);
  return launched;
}
