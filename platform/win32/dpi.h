#pragma once
// The display's dots per inch as the program, aware of each monitor's own, sees them. The
// calls that tell a window's monitor apart came with Windows 10; before, every monitor
// has the system's dpi.
#include <windows.h>

#ifndef WM_DPICHANGED
#define WM_DPICHANGED 0x02E0
#endif

// The dpi of the primary display, which the system's fonts and metrics are made for.
UINT SystemDpi();

// The dpi of the monitor the window is on (the system's where Windows cannot tell).
UINT DpiOfWindow(HWND window);

// `client` grown by the frame a window of these styles has at `dpi`.
RECT FrameAround(RECT client, DWORD style, DWORD ex_style, UINT dpi);
