// The calls of Windows 10 are looked up at run time, so the program still starts on the
// systems before it.
#include "platform/win32/dpi.h"

namespace {

template <typename Function>
Function FromUser32(const char* name) {
  HMODULE user32 = GetModuleHandleW(L"user32.dll");
  if (user32 == nullptr)
    return nullptr;
  // The looked-up address has the type its name was declared with.
  return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(user32, name)));
}

}  // namespace

UINT SystemDpi() {
  using GetDpiForSystemFunction = UINT(WINAPI*)();
  static const auto get_dpi_for_system = FromUser32<GetDpiForSystemFunction>("GetDpiForSystem");
  if (get_dpi_for_system != nullptr) {
    const UINT dpi = get_dpi_for_system();
    if (dpi > 0)
      return dpi;
  }
  HDC screen = GetDC(nullptr);
  if (screen == nullptr)
    return 96;
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return dpi > 0 ? static_cast<UINT>(dpi) : 96;
}

UINT DpiOfWindow(HWND window) {
  using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
  static const auto get_dpi_for_window = FromUser32<GetDpiForWindowFunction>("GetDpiForWindow");
  if (get_dpi_for_window != nullptr && window != nullptr) {
    const UINT dpi = get_dpi_for_window(window);
    if (dpi > 0)
      return dpi;
  }
  return SystemDpi();
}

RECT FrameAround(RECT client, DWORD style, DWORD ex_style, UINT dpi) {
  using AdjustForDpiFunction = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
  static const auto adjust_for_dpi = FromUser32<AdjustForDpiFunction>("AdjustWindowRectExForDpi");
  RECT outer = client;
  if (adjust_for_dpi != nullptr && adjust_for_dpi(&outer, style, FALSE, ex_style, dpi))
    return outer;
  outer = client;
  AdjustWindowRectEx(&outer, style, FALSE, ex_style);
  return outer;
}
