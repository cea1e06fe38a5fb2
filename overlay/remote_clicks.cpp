#include "overlay/remote_clicks.h"

#include <algorithm>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <utility>

#include "shell/application.h"
#include "shell/catalogue.h"

namespace {

// The kinds a mouse click reaches, and whether the click itself acts even without a
// handler (a radio box checks itself). A click on any other kind does nothing.
struct ClickKind {
  Kind kind;
  bool acts_unbound;
};
constexpr ClickKind kClickKinds[] = {
    {Kind::Button, false},
    {Kind::SuperBtn, false},
    {Kind::RadioBox, true},
};

bool ClickActs(const ControlSpec& entry) {
  for (const ClickKind& row : kClickKinds) {
    if (row.kind != entry.kind)
      continue;
    return row.acts_unbound ||
           std::any_of(entry.bindings.begin(), entry.bindings.end(),
                       [](const Binding& b) { return b.event == event::kClicked; });
  }
  return false;
}

}  // namespace

ClickTarget FindClickTarget(std::string_view utf8_name) {
  for (const ControlSpec& entry : MainCatalogue()) {
    if (entry.control.name == utf8_name)
      return {entry.control.id, ClickActs(entry)};
  }
  return {};
}

// One click on its way: shared by the asking thread and the queued work.
struct RemoteClicks::Ticket {
  std::optional<ClickOutcome> outcome;
  bool started = false;    // the user-interface thread took it: it runs, it is not dropped
  bool abandoned = false;  // the asker gave up before it started: it never runs
};

struct RemoteClicks::Shared {
  std::mutex mutex;
  std::condition_variable answered;
  bool closed = false;
  // The user-interface thread's own: no lock.
  Application* application = nullptr;  // null once closed there
  std::shared_ptr<Ticket> running;     // the click whose handler runs now
  int boxes_open = 0;

  void Answer(Ticket& ticket, ClickOutcome outcome) {
    {
      const std::lock_guard lock(mutex);
      if (ticket.outcome)
        return;
      ticket.outcome = outcome;
    }
    answered.notify_all();
  }

  // On the user-interface thread.
  void Run(const std::shared_ptr<Ticket>& ticket, ControlId control) {
    {
      const std::lock_guard lock(mutex);
      if (ticket->abandoned)
        return;
      ticket->started = true;
    }
    if (application == nullptr) {
      Answer(*ticket, ClickOutcome::kClosed);
      return;
    }
    if (boxes_open > 0) {
      Answer(*ticket, ClickOutcome::kNotNow);
      return;
    }
    running = ticket;
    const bool clicked = application->Click(control);
    if (running == ticket) {
      running = nullptr;
      Answer(*ticket, clicked ? ClickOutcome::kDone : ClickOutcome::kNotNow);
    }
  }

  void MessageBox(bool opening) {
    if (!opening) {
      --boxes_open;
      return;
    }
    ++boxes_open;
    // The click that opened it has run as far as the host lets it now.
    if (running != nullptr) {
      Answer(*running, ClickOutcome::kDone);
      running = nullptr;
    }
  }
};

namespace {

// Travels with the queued work: dropped unrun (the queue closed), it still answers.
struct AnswerWhenDropped {
  std::function<void()> answer;
  ~AnswerWhenDropped() {
    if (answer)
      answer();
  }
};

}  // namespace

RemoteClicks::RemoteClicks(Application& application) : shared_(std::make_shared<Shared>()) {
  shared_->application = &application;
  std::weak_ptr<Shared> weak = shared_;
  application.WatchMessageBoxes([weak](bool opening) {
    if (auto shared = weak.lock())
      shared->MessageBox(opening);
  });
}

RemoteClicks::~RemoteClicks() {
  Close();
  Application* application = nullptr;
  {
    const std::lock_guard lock(shared_->mutex);
    std::swap(application, shared_->application);
  }
  if (application != nullptr)
    application->WatchMessageBoxes(nullptr);
}

ClickOutcome RemoteClicks::Click(ControlId control, std::chrono::milliseconds deadline) {
  auto ticket = std::make_shared<Ticket>();
  Application* application = nullptr;
  {
    const std::lock_guard lock(shared_->mutex);
    if (shared_->closed)
      return ClickOutcome::kClosed;
    application = shared_->application;
  }
  // The work holds the shared state, so that a click run after this object is gone
  // finds it closed instead of freed; a click dropped unrun answers kClosed.
  auto dropped = std::make_shared<AnswerWhenDropped>();
  dropped->answer = [shared = shared_, ticket] { shared->Answer(*ticket, ClickOutcome::kClosed); };
  const bool posted = application->queue().Post(
      [shared = shared_, ticket, control, dropped] { shared->Run(ticket, control); });
  dropped.reset();
  if (!posted)
    return ClickOutcome::kClosed;

  std::unique_lock lock(shared_->mutex);
  const auto until = std::chrono::steady_clock::now() + deadline;
  shared_->answered.wait_until(lock, until, [&] { return ticket->outcome || shared_->closed; });
  if (!ticket->outcome && !ticket->started) {
    ticket->abandoned = true;
    return shared_->closed ? ClickOutcome::kClosed : ClickOutcome::kNotStarted;
  }
  // Started: it runs to its end or to a message box, whatever the deadline.
  shared_->answered.wait(lock, [&] { return ticket->outcome || shared_->closed; });
  return ticket->outcome ? *ticket->outcome : ClickOutcome::kClosed;
}

void RemoteClicks::Close() {
  {
    const std::lock_guard lock(shared_->mutex);
    shared_->closed = true;
  }
  shared_->answered.notify_all();
}
