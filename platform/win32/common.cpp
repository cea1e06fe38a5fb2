// Small pieces every control kind shares: borders, colours, fonts, notice forwarding.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <cwchar>

#include "platform/win32/native_control.h"
#include "platform/win32/wide.h"
#include "shell/catalogue.h"

bool RegisterSuperclass(const wchar_t* base, const wchar_t* name, WNDPROC proc,
                        WNDPROC& base_proc) {
  WNDCLASSEXW window_class{};
  window_class.cbSize = sizeof window_class;
  if (GetClassInfoExW(nullptr, base, &window_class) == FALSE)
    return false;
  base_proc = window_class.lpfnWndProc;
  window_class.lpfnWndProc = proc;
  window_class.hInstance = GetModuleHandleW(nullptr);
  window_class.lpszClassName = name;
  window_class.style &= ~static_cast<UINT>(CS_GLOBALCLASS);
  return RegisterClassExW(&window_class) != 0;
}

DWORD CreationStyle(const Control& c) {
  return WS_CHILD | WS_CLIPSIBLINGS | (c.disabled ? WS_DISABLED : 0) |
         (c.tab_stop ? WS_TABSTOP : 0);
}

DWORD BorderStyle(int32_t border) {
  return border == border::kSingleLine ? WS_BORDER : 0;
}

DWORD BorderExStyle(int32_t border) {
  switch (border) {
    case border::kSunken:
      return WS_EX_CLIENTEDGE;
    case border::kRaised:
      return WS_EX_DLGMODALFRAME;
    case border::kShallowSunken:
      return WS_EX_STATICEDGE;
    case border::kSunkenFrame:
      return WS_EX_CLIENTEDGE | WS_EX_DLGMODALFRAME;
    default:
      return 0;
  }
}

COLORREF ShownColour(Colour colour, int system_colour) {
  if (colour == kDefaultColour)
    return GetSysColor(system_colour);
  return static_cast<COLORREF>(colour & 0x00FFFFFFu);
}

HFONT MakeFont(const Font& font) {
  if (!font.own)
    return nullptr;
  LOGFONTW description{};
  description.lfHeight = font.height;
  description.lfWeight = font.weight;
  description.lfCharSet = GB2312_CHARSET;
  description.lfOutPrecision = OUT_DEFAULT_PRECIS;
  description.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  description.lfQuality = DEFAULT_QUALITY;
  description.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
  const std::wstring face = Wide(font.face);
  const size_t room = sizeof description.lfFaceName / sizeof description.lfFaceName[0] - 1;
  std::wmemcpy(description.lfFaceName, face.data(), std::min(face.size(), room));
  return CreateFontIndirectW(&description);
}

HFONT FontOf(const NativeControl& native) {
  if (native.font != nullptr)
    return native.font;
  return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

bool ForwardedByGroupBox(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) {
  switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_DRAWITEM:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX:
      result = SendMessageW(GetAncestor(hwnd, GA_ROOT), message, wparam, lparam);
      return true;
    case WM_ERASEBKGND: {
      // The box only draws its frame and title; inside it the window's background
      // shows, as it does around a transparent label.
      RECT client;
      GetClientRect(hwnd, &client);
      HWND top = GetAncestor(hwnd, GA_ROOT);
      RECT under = client;
      MapWindowPoints(hwnd, top, reinterpret_cast<POINT*>(&under), 2);
      HDC dc = reinterpret_cast<HDC>(wparam);
      POINT origin;
      SetViewportOrgEx(dc, -under.left, -under.top, &origin);
      SendMessageW(top, kPaintBackgroundMessage, wparam, reinterpret_cast<LPARAM>(&under));
      SetViewportOrgEx(dc, origin.x, origin.y, nullptr);
      result = 1;
      return true;
    }
    default:
      return false;
  }
}
