#pragma once
// Clicks from other threads (the local server), run on the user-interface thread exactly
// as a mouse click would, each exactly once: the asking thread waits for the answer. A
// click that opens a message box is answered when the box opens, so the box waiting for
// the host never holds the asker; while a box is open, other clicks are refused.
#include <chrono>
#include <memory>
#include <string_view>

#include "services/ids.h"

class Application;

enum class ClickOutcome : uint8_t {
  kDone,        // the click ran (or opened a message box that now waits for the host)
  kNotNow,      // the control takes no input now (hidden, disabled) or a box is open
  kNotStarted,  // the user-interface thread did not take it before the deadline: not run
  kClosed,      // the window is closing: not run
};

// What a name in a click's address stands for.
struct ClickTarget {
  ControlId control = 0;  // 0: no control has that name
  bool acts = false;      // whether a click does anything to it
};
// From the catalogue: a click acts on a button or super button with a handler bound to
// its click, and on a radio box (the click checks it); on nothing else.
ClickTarget FindClickTarget(std::string_view utf8_name);

class RemoteClicks {
 public:
  // On the user-interface thread, after Application::Start.
  explicit RemoteClicks(Application& application);
  // On the user-interface thread: closes, and no queued click runs afterwards.
  ~RemoteClicks();
  RemoteClicks(const RemoteClicks&) = delete;
  RemoteClicks& operator=(const RemoteClicks&) = delete;

  // Any thread but the user-interface thread. Waits until the click ran, or until
  // `deadline` passed without the user-interface thread taking it (then it never runs).
  ClickOutcome Click(ControlId control, std::chrono::milliseconds deadline);
  // Any thread: every waiting click answers kClosed now, every later one at once.
  void Close();

 private:
  struct Shared;
  struct Ticket;
  std::shared_ptr<Shared> shared_;
};
