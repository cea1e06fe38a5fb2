// EditBox: the platform's EDIT control. Whole-numbers boxes drop typed printable
// characters other than "-" and the digits before the control sees them.
#include <windows.h>

#include <commctrl.h>

#include "platform/win32/native_control.h"
#include "platform/win32/wide.h"
#include "shell/catalogue.h"

namespace {

bool Dropped(const NativeControl& native, WPARAM character) {
  const ControlSpec* entry = native.model->entry;
  if (entry == nullptr || entry->own.input != InputMode::WholeNumbers)
    return false;
  if (character < 0x20 || character == 0x7F)
    return false;  // control keys act on the box
  return !(character == L'-' || (character >= L'0' && character <= L'9'));
}

// The boxes are made from a class of our own built on the platform's EDIT (a
// superclass) rather than subclassed one by one: a subclass looks its data up as a
// window property on every message, which under Wine is a round trip to the server.
constexpr wchar_t kEditClass[] = L"ScoreboardEdit";
WNDPROC platform_edit = nullptr;

LRESULT CALLBACK EditProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lparam);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  } else if (message == WM_CHAR) {
    const auto* native =
        reinterpret_cast<const NativeControl*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (native != nullptr && Dropped(*native, wparam))
      return 0;
  }
  return CallWindowProcW(platform_edit, hwnd, message, wparam, lparam);
}

bool RegisterEditClass() {
  static const bool registered = RegisterSuperclass(WC_EDITW, kEditClass, EditProc, platform_edit);
  return registered;
}

DWORD AlignStyle(Align align) {
  switch (align) {
    case Align::Centre:
      return ES_CENTER;
    case Align::Right:
      return ES_RIGHT;
    default:
      return ES_LEFT;
  }
}

}  // namespace

HWND CreateEditBox(const Control& c, HWND parent, NativeControl& native) {
  const OwnProperties& own = c.entry->own;
  DWORD style = CreationStyle(c) | AlignStyle(own.align) | BorderStyle(own.border);
  if (own.multiline) {
    // Enter starts a new line in a multi-line box the user may type in.
    style |= ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN;
  } else {
    style |= ES_AUTOHSCROLL;
  }
  if (own.input == InputMode::ReadOnly)
    style |= ES_READONLY;
  if (!RegisterEditClass())
    return nullptr;
  HWND hwnd = CreateWindowExW(BorderExStyle(own.border), kEditClass, Wide(c.text).c_str(), style,
                              c.rect.left, c.rect.top, c.rect.width, c.rect.height, parent, nullptr,
                              GetModuleHandleW(nullptr), &native);
  if (hwnd != nullptr)
    SendMessageW(hwnd, EM_SETLIMITTEXT, 0, 0);  // as long as memory allows
  return hwnd;
}
