// GroupBox: paints its own frame and caption: a themed group box draws its caption in
// the theme's colour whatever WM_CTLCOLORSTATIC says, and the team names and "游戏时间"
// must show in the catalogue's red and blue on every Windows. It parents its members,
// so their notices reach it first: it hands them on to the window.
#include <windows.h>

#include <commctrl.h>
#include <uxtheme.h>

#include <string>

#include "platform/win32/native_kinds.h"
#include "platform/win32/wide.h"
#include "shell/catalogue.h"

namespace {

class GroupBox : public NativeControl {
 public:
  using NativeControl::NativeControl;

  void Paint(HWND hwnd) const;

 protected:
  HWND MakeWindow(HWND parent) override;
};

// Where the caption starts, as the platform places it: `margin` pixels (8 at 96 dpi) in
// from the side it is aligned to.
int CaptionLeft(const OwnProperties& own, int box_width, int text_width, int margin) {
  switch (own.align) {
    case Align::Centre:
      return (box_width - text_width) / 2;
    case Align::Right:
      return box_width - margin - text_width;
    default:
      return margin;
  }
}

void GroupBox::Paint(HWND hwnd) const {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(hwnd, &paint);
  RECT client;
  GetClientRect(hwnd, &client);
  HGDIOBJ old_font = SelectObject(dc, font());
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  RECT frame = client;
  frame.top += metrics.tmHeight / 2;
  DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);

  const std::wstring caption = Wide(model().text);
  if (!caption.empty()) {
    SIZE size{};
    GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &size);
    const int left = CaptionLeft(model().entry->own, client.right, size.cx, Px(8));
    // The window answers the caption's colours and brush, as it does for every label.
    auto brush = reinterpret_cast<HBRUSH>(
        SendMessageW(GetAncestor(hwnd, GA_ROOT), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                     reinterpret_cast<LPARAM>(hwnd)));
    RECT strip{left - Px(2), 0, left + size.cx + Px(2), metrics.tmHeight};
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

// The members' notices go on to the window, which finds the member they are about.
// True when the message was taken.
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
  const auto* box = reinterpret_cast<const GroupBox*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  switch (message) {
    case WM_PAINT:
      if (box != nullptr) {
        box->Paint(hwnd);
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

HWND GroupBox::MakeWindow(HWND parent) {
  static const bool registered =
      RegisterSuperclass(WC_BUTTONW, kGroupBoxClass, GroupBoxProc, platform_button);
  if (!registered)
    return nullptr;
  const Control& c = model();
  const OwnProperties& own = c.entry->own;
  const DWORD style =
      CreationStyle(c) | BorderStyle(own.border) | BS_GROUPBOX | ButtonCaptionAlign(own);
  HWND hwnd = CreateWindowExW(BorderExStyle(own.border), kGroupBoxClass, Wide(c.text).c_str(),
                              style, c.rect.left, c.rect.top, c.rect.width, c.rect.height, parent,
                              nullptr, GetModuleHandleW(nullptr), this);
  if (hwnd != nullptr)
    SetWindowTheme(hwnd, L"", L"");  // visual styles would ignore the caption colours
  return hwnd;
}

}  // namespace

std::unique_ptr<NativeControl> MakeGroupBox(NativeControlOwner& owner, const Control& control) {
  return std::make_unique<GroupBox>(owner, control);
}
