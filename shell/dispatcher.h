#pragma once
// Hands an event of a control to the one handler the catalogue binds to it.
#include <cstdint>
#include <initializer_list>

#include "services/event.h"
#include "services/ids.h"

// Raises (control, event index) with its arguments. Answers the handler's value when
// it returned one; nothing when events are suspended, the event is unbound, or the
// handler returned nothing. A window or control that does not exist is fatal.
HandlerResult RaiseEvent(WindowId window, ControlId control, int32_t event,
                         std::initializer_list<int32_t> arguments = {});
// The window's own events (created, 3, 4).
HandlerResult RaiseWindowEvent(int32_t event);

// Events are delivered only while nothing suspends them.
class SuspendEvents {
 public:
  SuspendEvents();
  ~SuspendEvents();
  SuspendEvents(const SuspendEvents&) = delete;
  SuspendEvents& operator=(const SuspendEvents&) = delete;
};
