// Group boxes paint their own frame and caption: a themed group box draws its caption
// in the theme's colour whatever WM_CTLCOLORSTATIC says, and the team names and "游戏时间"
// must show in the catalogue's red and blue on every Windows.
#include <windows.h>

#include <commctrl.h>

#include <string>

#include "platform/win32/native_control.h"
#include "platform/win32/wide.h"

namespace {

// Where the caption starts, as the platform places it: 8 pixels in from the side it is
// aligned to.
int CaptionLeft(const OwnProperties& own, int box_width, int text_width) {
  switch (own.align) {
    case Align::Centre:
      return (box_width - text_width) / 2;
    case Align::Right:
      return box_width - 8 - text_width;
    default:
      return 8;
  }
}

void Paint(HWND hwnd, const NativeControl& native) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(hwnd, &paint);
  RECT client;
  GetClientRect(hwnd, &client);
  HGDIOBJ old_font = SelectObject(dc, FontOf(native));
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  RECT frame = client;
  frame.top += metrics.tmHeight / 2;
  DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);

  const std::wstring caption = Wide(native.model->text);
  if (!caption.empty()) {
    SIZE size{};
    GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &size);
    const int left = CaptionLeft(native.model->entry->own, client.right, size.cx);
    // The window answers the caption's colours and brush, as it does for every label.
    auto brush = reinterpret_cast<HBRUSH>(
        SendMessageW(GetAncestor(hwnd, GA_ROOT), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                     reinterpret_cast<LPARAM>(hwnd)));
    RECT strip{left - 2, 0, left + size.cx + 2, metrics.tmHeight};
    if (brush != nullptr)
      FillRect(dc, &strip, brush);
    if (!IsWindowEnabled(hwnd))
      SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
    SetBkMode(dc, TRANSPARENT);
    RECT text{left, 0, left + size.cx, metrics.tmHeight};
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text,
              DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP);
  }
  SelectObject(dc, old_font);
  EndPaint(hwnd, &paint);
}

// One class of our own built on BUTTON (a superclass) rather than two subclasses per
// box: a subclass looks its data up as a window property on every message, which
// under Wine is a round trip to the server.
constexpr wchar_t kGroupBoxClass[] = L"ScoreboardGroupBox";
WNDPROC platform_button = nullptr;

LRESULT CALLBACK GroupBoxProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lparam);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  const auto* native =
      reinterpret_cast<const NativeControl*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  switch (message) {
    case WM_PAINT:
      if (native != nullptr) {
        Paint(hwnd, *native);
        return 0;
      }
      break;
    case WM_ENABLE:
    case WM_SETTEXT: {
      // The platform draws the new state straight away, in its own colours: paint over.
      const LRESULT result = CallWindowProcW(platform_button, hwnd, message, wparam, lparam);
      InvalidateRect(hwnd, nullptr, TRUE);
      return result;
    }
    default:
      break;
  }
  LRESULT result = 0;
  if (ForwardedByGroupBox(hwnd, message, wparam, lparam, result))
    return result;
  return CallWindowProcW(platform_button, hwnd, message, wparam, lparam);
}

}  // namespace

const wchar_t* GroupBoxClass() {
  static const bool registered =
      RegisterSuperclass(WC_BUTTONW, kGroupBoxClass, GroupBoxProc, platform_button);
  return registered ? kGroupBoxClass : nullptr;
}
