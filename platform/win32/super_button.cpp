// SuperBtn: an owner-drawn BUTTON in the catalogue's colours, which change while the
// mouse is over it and while it is pressed.
#include <windows.h>

#include <commctrl.h>

#include <string>

#include "platform/win32/native_kinds.h"
#include "platform/win32/wide.h"
#include "platform/win32/win32_front_end.h"
#include "shell/application.h"
#include "shell/catalogue.h"

namespace {

class SuperButton : public NativeControl {
 public:
  using NativeControl::NativeControl;

  void OnCommand(UINT code) override {
    if (code == BN_CLICKED)
      app().Click(model().id);
  }

  void OnDrawItem(const DRAWITEMSTRUCT& item) override;

 protected:
  HWND MakeWindow(HWND parent) override;

  void Show(Aspect aspect) override {
    if (aspect != Aspect::Caption) {
      NativeControl::Show(aspect);
      return;
    }
    // The face is ours: the platform does not redraw it for a new caption.
    if (ShowCaption())
      InvalidateRect(hwnd(), nullptr, FALSE);
  }

 private:
  static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR id,
                               DWORD_PTR data);

  bool hot_ = false;  // the mouse is over it
};

// The mouse over the button picks its hot colours.
LRESULT CALLBACK SuperButton::Proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam,
                                   UINT_PTR /*id*/, DWORD_PTR data) {
  auto* button = reinterpret_cast<SuperButton*>(data);
  if (message == WM_MOUSEMOVE && !button->hot_) {
    button->hot_ = true;
    TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, hwnd, 0};
    TrackMouseEvent(&track);
    InvalidateRect(hwnd, nullptr, FALSE);
  } else if (message == WM_MOUSELEAVE) {
    button->hot_ = false;
    InvalidateRect(hwnd, nullptr, FALSE);
  }
  return DefSubclassProc(hwnd, message, wparam, lparam);
}

HWND SuperButton::MakeWindow(HWND parent) {
  const Control& c = model();
  const OwnProperties& own = c.entry->own;
  HWND hwnd = CreateWindowExW(BorderExStyle(own.border), WC_BUTTONW, Wide(c.text).c_str(),
                              CreationStyle(c) | BorderStyle(own.border) | BS_OWNERDRAW,
                              c.rect.left, c.rect.top, c.rect.width, c.rect.height, parent, nullptr,
                              GetModuleHandleW(nullptr), this);
  if (hwnd != nullptr)
    SetWindowSubclass(hwnd, Proc, 1, reinterpret_cast<DWORD_PTR>(this));
  return hwnd;
}

void SuperButton::OnDrawItem(const DRAWITEMSTRUCT& item) {
  const OwnProperties& own = model().entry->own;
  const bool pressed = (item.itemState & ODS_SELECTED) != 0;
  const bool disabled = (item.itemState & ODS_DISABLED) != 0;
  const ColourPair& look = pressed ? own.pressed : hot_ ? own.hot : own.normal;
  HDC dc = item.hDC;
  RECT face = item.rcItem;
  HBRUSH back = CreateSolidBrush(ShownColour(look.background, COLOR_BTNFACE));
  FillRect(dc, &face, back);
  DeleteObject(back);
  DrawEdge(dc, &face, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
  RECT text = face;
  if (pressed)
    OffsetRect(&text, Px(1), Px(1));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, disabled ? GetSysColor(COLOR_GRAYTEXT) : ShownColour(look.text, COLOR_BTNTEXT));
  HGDIOBJ old_font = SelectObject(dc, font());
  const std::wstring caption = Wide(model().text);
  DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text,
            DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  SelectObject(dc, old_font);
  if ((item.itemState & ODS_FOCUS) != 0)
    DrawFocusInside(dc, face, Px(3));
}

}  // namespace

std::unique_ptr<NativeControl> MakeSuperButton(NativeControlOwner& owner, const Control& control) {
  return std::make_unique<SuperButton>(owner, control);
}
