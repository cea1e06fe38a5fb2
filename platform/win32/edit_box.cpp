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

LRESULT CALLBACK EditProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR /*id*/,
                          DWORD_PTR data) {
  const auto* native = reinterpret_cast<const NativeControl*>(data);
  if (message == WM_CHAR && Dropped(*native, wparam))
    return 0;
  return DefSubclassProc(hwnd, message, wparam, lparam);
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
  HWND hwnd = CreateWindowExW(BorderExStyle(own.border), WC_EDITW, Wide(c.text).c_str(), style,
                              c.rect.left, c.rect.top, c.rect.width, c.rect.height, parent, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
  if (hwnd != nullptr) {
    SendMessageW(hwnd, EM_SETLIMITTEXT, 0, 0);  // as long as memory allows
    SetWindowSubclass(hwnd, EditProc, 1, reinterpret_cast<DWORD_PTR>(&native));
  }
  return hwnd;
}
