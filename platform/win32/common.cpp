// Small pieces the control kinds share: styles, borders, colours, fonts, focus marks.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <cwchar>

#include "platform/win32/native_control.h"
#include "platform/win32/wide.h"
#include "shell/catalogue.h"
#include "shell/display_scale.h"

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

HFONT MakeFont(const Font& font, double scale) {
  if (!font.own)
    return nullptr;
  LOGFONTW description{};
  description.lfHeight = ScaledFontHeight(font.height, scale);
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

HFONT MakeGuiFont(double scale) {
  LOGFONTW description{};
  GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof description, &description);
  // The stock font is made for the system's dpi (the primary display's); its height at
  // 96 dpi is what the catalogue's boxes were laid out for.
  HDC screen = GetDC(nullptr);
  const int system_dpi = screen != nullptr ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
  if (screen != nullptr)
    ReleaseDC(nullptr, screen);
  const int at_96 = system_dpi > 0 ? MulDiv(description.lfHeight, 96, system_dpi) : -11;
  description.lfHeight = ScaledFontHeight(at_96, scale);
  description.lfWidth = 0;
  return CreateFontIndirectW(&description);
}

DWORD ButtonCaptionAlign(const OwnProperties& own) {
  switch (own.align) {
    case Align::Centre:
      return BS_CENTER;
    case Align::Right:
      return BS_RIGHT;
    default:
      return BS_LEFT;
  }
}

void DrawFocusInside(HDC dc, const RECT& face, int inset) {
  RECT focus = face;
  InflateRect(&focus, -inset, -inset);
  DrawFocusRect(dc, &focus);
}
