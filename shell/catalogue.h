#pragma once
// The control catalogue: the one window and every control on it, as data. Catalogue
// order is stacking order among siblings, top to bottom; the window is built from it.
// The rows bind the handlers, so they live in the layer above the handler folders,
// which installs them here, with the timers' wake rules kept beside the tick handlers,
// before the program starts: the shell names nothing above it.
#include <span>

#include "services/catalogue_types.h"
#include "shell/timer_wakes.h"

// The program's one form; empty when nothing installed one (the start-up then fails).
const WindowSpec& MainWindowSpec();
std::span<const ControlSpec> MainCatalogue();
// When each timer's ticks can change what the host sees; none installed: every tick.
std::span<const TimerWake> MainTimerWakes();

// Defined once, at namespace scope, by the layer that holds the rows: installs them
// during static initialisation, before anything asks for them.
class InstalledCatalogue {
 public:
  InstalledCatalogue(const WindowSpec& window, std::span<const ControlSpec> controls,
                     std::span<const TimerWake> timer_wakes);
};
