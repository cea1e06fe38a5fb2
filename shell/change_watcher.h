#pragma once
// Something outside the board that follows what the host sees (the overlay files, later
// a server). The runtime tells it when a top-level event (a click with all the writes it
// set off, a timer tick, a typed text) has finished and one of the controls it watches
// changed; it never hears of the nested writes one by one.
#include "services/ids.h"

class ControlModel;

class ChangeWatcher {
 public:
  virtual ~ChangeWatcher() = default;
  // Whether a change of this control can matter to it; asked once per control when the
  // watcher is installed.
  virtual bool Watches(ControlId control) const = 0;
  // A change it watches has settled; runs on the user-interface thread.
  virtual void Settled(const ControlModel& model) = 0;
};
