// Button, RadioBox, GroupBox, SuperBtn and ColorPicker are all the platform's BUTTON.
// Picture buttons, SuperBtn and the colour picker draw their own faces.
#include <windows.h>

#include <commctrl.h>
#include <uxtheme.h>

#include "platform/win32/native_control.h"
#include "platform/win32/pictures_win32.h"
#include "platform/win32/wide.h"
#include "shell/catalogue.h"

namespace {

DWORD CaptionAlign(const OwnProperties& own) {
  switch (own.align) {
    case Align::Centre:
      return BS_CENTER;
    case Align::Right:
      return BS_RIGHT;
    default:
      return BS_LEFT;
  }
}

// The mouse over a SuperBtn picks its hot colours.
LRESULT CALLBACK SuperButtonProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam,
                                 UINT_PTR /*id*/, DWORD_PTR data) {
  auto* native = reinterpret_cast<NativeControl*>(data);
  if (message == WM_MOUSEMOVE && !native->hot) {
    native->hot = true;
    TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, hwnd, 0};
    TrackMouseEvent(&track);
    InvalidateRect(hwnd, nullptr, FALSE);
  } else if (message == WM_MOUSELEAVE) {
    native->hot = false;
    InvalidateRect(hwnd, nullptr, FALSE);
  }
  return DefSubclassProc(hwnd, message, wparam, lparam);
}

}  // namespace

HWND CreateButtonKind(const Control& c, HWND parent, NativeControl& native) {
  const OwnProperties& own = c.entry->own;
  DWORD style = CreationStyle(c) | BorderStyle(own.border);
  std::wstring caption = Wide(c.text);
  switch (c.kind) {
    case Kind::GroupBox:
      style |= BS_GROUPBOX | CaptionAlign(own);
      break;
    case Kind::RadioBox:
      // Not automatic: the core checks the clicked box and clears its group.
      style |= BS_RADIOBUTTON | BS_VCENTER | CaptionAlign(own);
      break;
    case Kind::SuperBtn:
    case Kind::ColorPicker:
      style |= BS_OWNERDRAW;
      break;
    default:
      if (own.picture != nullptr) {
        style |= BS_OWNERDRAW;
        native.picture = FindPicture(own.picture);
      } else {
        style |= BS_PUSHBUTTON | BS_MULTILINE | CaptionAlign(own) |
                 (own.centre_vertically ? BS_VCENTER : BS_TOP);
      }
      break;
  }
  const wchar_t* window_class = WC_BUTTONW;
  if (c.kind == Kind::GroupBox && (window_class = GroupBoxClass()) == nullptr)
    return nullptr;
  HWND hwnd = CreateWindowExW(BorderExStyle(own.border), window_class, caption.c_str(), style,
                              c.rect.left, c.rect.top, c.rect.width, c.rect.height, parent, nullptr,
                              GetModuleHandleW(nullptr), &native);
  if (hwnd == nullptr)
    return nullptr;
  if (c.kind == Kind::GroupBox || c.kind == Kind::RadioBox) {
    // Visual styles would ignore the catalogue's caption colours.
    SetWindowTheme(hwnd, L"", L"");
  }
  if (c.kind == Kind::RadioBox && c.checked)
    SendMessageW(hwnd, BM_SETCHECK, BST_CHECKED, 0);
  if (c.kind == Kind::SuperBtn)
    SetWindowSubclass(hwnd, SuperButtonProc, 1, reinterpret_cast<DWORD_PTR>(&native));
  return hwnd;
}

void DrawPictureButton(const NativeControl& native, const DRAWITEMSTRUCT& item) {
  HDC dc = item.hDC;
  RECT face = item.rcItem;
  const bool pressed = (item.itemState & ODS_SELECTED) != 0;
  FillRect(dc, &face, GetSysColorBrush(COLOR_BTNFACE));
  if (native.picture != nullptr) {
    RECT area = face;
    if (pressed)
      OffsetRect(&area, 1, 1);
    // The pictures are a little larger than the button: centred, their edges cut off.
    DrawPictureCentred(dc, area, *native.picture);
  }
  DrawEdge(dc, &face, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
  if ((item.itemState & ODS_FOCUS) != 0) {
    RECT focus = face;
    InflateRect(&focus, -3, -3);
    DrawFocusRect(dc, &focus);
  }
}

void DrawSuperButton(const NativeControl& native, const DRAWITEMSTRUCT& item) {
  const OwnProperties& own = native.model->entry->own;
  const bool pressed = (item.itemState & ODS_SELECTED) != 0;
  const bool disabled = (item.itemState & ODS_DISABLED) != 0;
  const ColourPair& look = pressed ? own.pressed : native.hot ? own.hot : own.normal;
  HDC dc = item.hDC;
  RECT face = item.rcItem;
  HBRUSH back = CreateSolidBrush(ShownColour(look.background, COLOR_BTNFACE));
  FillRect(dc, &face, back);
  DeleteObject(back);
  DrawEdge(dc, &face, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
  RECT text = face;
  if (pressed)
    OffsetRect(&text, 1, 1);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, disabled ? GetSysColor(COLOR_GRAYTEXT) : ShownColour(look.text, COLOR_BTNTEXT));
  HGDIOBJ old_font = SelectObject(dc, FontOf(native));
  const std::wstring caption = Wide(native.model->text);
  DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text,
            DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  SelectObject(dc, old_font);
  if ((item.itemState & ODS_FOCUS) != 0) {
    RECT focus = face;
    InflateRect(&focus, -3, -3);
    DrawFocusRect(dc, &focus);
  }
}
