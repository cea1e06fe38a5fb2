#include "platform/headless/headless_front_end.h"

#include <cstdio>
#include <limits>

#include "services/control_model.h"
#include "shell/application.h"

namespace {
constexpr int64_t kMillisecondsPerDay = 86'400'000;
}  // namespace

std::string PrintableText(const Text& text) {
  std::string utf8 = Utf8FromText(text);
  std::string shown;
  shown.reserve(utf8.size());
  for (size_t i = 0; i < utf8.size(); ++i) {
    if (utf8[i] == '\r') {
      if (i + 1 < utf8.size() && utf8[i + 1] == '\n')
        ++i;
      shown += "\\n";
    } else if (utf8[i] == '\n') {
      shown += "\\n";
    } else {
      shown += utf8[i];
    }
  }
  return shown;
}

HeadlessFrontEnd::HeadlessFrontEnd(DateTime start, Output output)
    : start_(start), output_(std::move(output)) {
  SetDateTimeSource([this] {
    const int64_t whole_seconds_ms = now_ms_ / 1000 * 1000;
    return DateTime{start_.days + static_cast<double>(whole_seconds_ms) /
                                      static_cast<double>(kMillisecondsPerDay)};
  });
}

HeadlessFrontEnd::~HeadlessFrontEnd() {
  SetDateTimeSource(nullptr);
}

void HeadlessFrontEnd::Emit(const std::string& line) {
  if (output_)
    output_(line);
}

void HeadlessFrontEnd::CreateWindow(const ControlModel& model) {
  model_ = &model;
}

void HeadlessFrontEnd::Changed(ControlId control, Aspect aspect) {
  if (record_changes)
    changes.emplace_back(control, aspect);
}

void HeadlessFrontEnd::StartTimer(ControlId timer, int32_t period_ms) {
  size_t order = 0;
  if (model_ != nullptr) {
    const auto& controls = model_->controls();
    for (size_t i = 0; i < controls.size(); ++i) {
      if (controls[i].id == timer)
        order = i;
    }
  }
  timers_[timer] = RunningTimer{period_ms, now_ms_ + period_ms, order};
}

void HeadlessFrontEnd::StopTimer(ControlId timer) {
  timers_.erase(timer);
}

void HeadlessFrontEnd::Advance(int64_t milliseconds) {
  const int64_t target = now_ms_ + (milliseconds > 0 ? milliseconds : 0);
  for (;;) {
    ControlId due = 0;
    const RunningTimer* first = nullptr;
    for (const auto& [id, timer] : timers_) {
      if (timer.next_due > target)
        continue;
      if (first == nullptr || timer.next_due < first->next_due ||
          (timer.next_due == first->next_due && timer.order < first->order)) {
        first = &timer;
        due = id;
      }
    }
    if (first == nullptr)
      break;
    now_ms_ = first->next_due;
    timers_[due].next_due += first->period;
    if (application_ != nullptr)
      application_->TimerTick(due);
  }
  now_ms_ = target;
  if (application_ != nullptr && catch_up_after_advance)
    application_->CatchUpTimers();
}

void HeadlessFrontEnd::ContinueAt(int64_t ms) {
  if (ms <= now_ms_)
    return;
  now_ms_ = ms;
  for (auto& [id, timer] : timers_) {
    if (timer.next_due < now_ms_)
      timer.next_due = now_ms_;
  }
}

int32_t HeadlessFrontEnd::MessageBox(const Text& text, const Text& caption, uint32_t flags) {
  (void)flags;
  ++message_boxes;
  Emit("message: " + PrintableText(caption) + ": " + PrintableText(text));
  return message_box_answer;
}

bool HeadlessFrontEnd::LaunchProgram(const Text& command_line, int32_t show_window, bool wait) {
  ++launches;
  Emit("run: " + PrintableText(command_line) + " show=" + std::to_string(show_window) +
       " wait=" + (wait ? "1" : "0"));
  return launch_result;
}

void HeadlessFrontEnd::ShowFatalError(const Text& text) {
  Emit("fatal: " + PrintableText(text));
}
