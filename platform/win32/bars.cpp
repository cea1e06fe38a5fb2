// ProcessBar (msctls_progress32) and SliderBar (msctls_trackbar32).
#include <windows.h>

#include <commctrl.h>

#include <algorithm>

#include "platform/win32/native_control.h"
#include "shell/catalogue.h"

HWND CreateBarKind(const Control& c, HWND parent) {
  const OwnProperties& own = c.entry->own;
  const bool progress = c.kind == Kind::ProcessBar;
  DWORD style = CreationStyle(c) | BorderStyle(own.border);
  if (!progress)
    style |= TBS_AUTOTICKS | (own.horizontal ? TBS_HORZ | TBS_BOTTOM : TBS_VERT | TBS_RIGHT);
  else if (!own.horizontal)
    style |= PBS_VERTICAL;
  HWND hwnd =
      CreateWindowExW(BorderExStyle(own.border), progress ? PROGRESS_CLASSW : TRACKBAR_CLASSW, L"",
                      style, c.rect.left, c.rect.top, c.rect.width, c.rect.height, parent, nullptr,
                      GetModuleHandleW(nullptr), nullptr);
  if (hwnd == nullptr)
    return nullptr;
  if (progress) {
    SendMessageW(hwnd, PBM_SETRANGE32, static_cast<WPARAM>(c.minimum),
                 static_cast<LPARAM>(c.maximum));
    // The stored position may lie past the range; the bar shows it limited.
    SendMessageW(
        hwnd, PBM_SETPOS,
        static_cast<WPARAM>(std::clamp(c.position, c.minimum, std::max(c.minimum, c.maximum))), 0);
  } else {
    SendMessageW(hwnd, TBM_SETRANGEMIN, FALSE, c.minimum);
    SendMessageW(hwnd, TBM_SETRANGEMAX, FALSE, c.maximum);
    SendMessageW(hwnd, TBM_SETPAGESIZE, 0, own.page_step);
    SendMessageW(hwnd, TBM_SETLINESIZE, 0, own.line_step);
    SendMessageW(hwnd, TBM_SETTICFREQ, static_cast<WPARAM>(own.tick_frequency), 0);
    SendMessageW(hwnd, TBM_SETPOS, TRUE, c.position);
  }
  return hwnd;
}
