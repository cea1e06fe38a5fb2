#pragma once
// The colour picker's pop-up: 32 named cells and "其它颜色..." for the system dialog.
// There is at most one, and it never takes the activation or the focus; it holds the
// mouse capture while open.
#include <windows.h>

#include <functional>

#include "services/control_model.h"

// Opens the pop-up under `picker`; `picked` runs after the pop-up is gone, only when the
// user chose a colour.
void OpenPalette(HWND picker, HWND owner, Colour current, std::function<void(Colour)> picked);
// The open pop-up, or nullptr.
HWND OpenPaletteWindow();
// Closes an open pop-up without a choice; true when one was open.
bool DismissPalette();
// Closes an open pop-up once the keyboard focus is no longer on its picker.
void DismissPaletteIfFocusLeft(HWND focus);
