// The yardstick for the start-up benchmark: the least a Win32 program can show, a
// window with one button captioned in Chinese in the scoreboard's font, built with the
// same toolchain and runtime as scoreboard.exe.
#include <windows.h>

#include <commctrl.h>

namespace {

LRESULT CALLBACK BareProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(hwnd, message, wparam, lparam);
}

}  // namespace

extern "C" int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR /*command_line*/,
                               int /*show*/) {
  INITCOMMONCONTROLSEX classes{sizeof classes, ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&classes);
  WNDCLASSEXW window_class{};
  window_class.cbSize = sizeof window_class;
  window_class.lpfnWndProc = BareProc;
  window_class.hInstance = instance;
  window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  window_class.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  window_class.lpszClassName = L"BareWindow";
  RegisterClassExW(&window_class);
  HWND window = CreateWindowExW(0, L"BareWindow", L"BareWindow 直播计分板",
                                WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, CW_USEDEFAULT,
                                CW_USEDEFAULT, 478, 610, nullptr, nullptr, instance, nullptr);
  HWND button = CreateWindowExW(0, WC_BUTTONW, L"开始按钮", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON,
                                16, 16, 72, 24, window, nullptr, instance, nullptr);
  // The scoreboard's own font for its Chinese captions, so both open a CJK face.
  HFONT font =
      CreateFontW(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET, OUT_DEFAULT_PRECIS,
                  CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, L"宋体");
  SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  ShowWindow(window, SW_SHOW);
  UpdateWindow(window);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}
