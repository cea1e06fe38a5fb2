#pragma once
// FLTK keys as the Windows virtual-key codes the key-down handlers expect.
#include <cstdint>

// The virtual-key code of an FLTK key (Fl::event_key()); 0 for a key without one, such
// as the text an input method commits.
int32_t VirtualKeyOf(int fltk_key);
// Ctrl 1, Shift 2, Alt 4 from an FLTK event state; a modifier key's own press is not
// counted in its own event.
int32_t ModifiersOf(int fltk_state, int fltk_key);
