#pragma once
// Pastes into the edit boxes. FLTK 1.3 receives a large selection (sent in pieces, X11's
// incremental transfer) by reading the next X event and giving up at the first one that
// is not the next piece, so a paste from some programs arrived cut short without a word.
// The boxes fetch the selection themselves instead: a paste arrives whole up to
// kPasteLimit, or the host is told why nothing was pasted.
#include <cstddef>

class Fl_Widget;

// The most a paste may bring, in bytes of UTF-8 (2 MiB).
inline constexpr size_t kPasteLimit = size_t{2} << 20;

// Whether the event in hand asks a box for a paste from the clipboard (Ctrl+V,
// Shift+Insert).
bool IsPasteKey();
// Fetches the selection (0 the primary selection, 1 the clipboard) for `box`, which
// gets it as an FL_PASTE event once the whole text is here. Returns at once.
void RequestPaste(Fl_Widget& box, int source);
// For a box's FL_PASTE event: whether its text may go in. A text over the limit (also
// one FLTK brought itself, as in a drop) is refused with the message.
bool PasteFits();
