#pragma once
// The few window-manager requests FLTK 1.3 has no call for, made through X11 directly.
// Kept apart because the X11 headers name global types (Font, Window) that clash with
// the program's own. Each does nothing where there is no X11 display.
#include <sys/types.h>

class Fl_Window;

// The keep-above state of a shown window.
void SetKeepAbove(Fl_Window& window);
// A frame with move and close only: no minimise, no maximise.
void SetMoveAndCloseOnly(Fl_Window& window);
// Minimises the first top-level window of the process once it appears, trying for a
// few seconds without blocking.
void IconifyWhenShown(pid_t pid);
// Whether a display can be opened at all (for the last-ditch error box).
bool DisplayAvailable();
