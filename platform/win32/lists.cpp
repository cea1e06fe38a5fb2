// ComboBox (a drop-down list without an edit field) and ListBox.
#include <windows.h>

#include <commctrl.h>

#include "platform/win32/native_control.h"
#include "platform/win32/wide.h"
#include "shell/catalogue.h"

namespace {

// The drop-down part shows every item of the short team lists without scrolling.
constexpr int kDropDownRows = 10;

}  // namespace

HWND CreateListKind(const Control& c, HWND parent) {
  const OwnProperties& own = c.entry->own;
  const bool combo = c.kind == Kind::ComboBox;
  DWORD style = CreationStyle(c) | WS_VSCROLL | BorderStyle(own.border);
  int height = c.rect.height;
  if (combo) {
    style |= CBS_DROPDOWNLIST | CBS_HASSTRINGS;
    // A combo box's window height includes its dropped list.
    height += kDropDownRows * (c.rect.height > 0 ? c.rect.height : 16);
  } else {
    style |= LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | LBS_HASSTRINGS;
  }
  const DWORD ex_style = BorderExStyle(own.border);
  HWND hwnd = CreateWindowExW(ex_style, combo ? WC_COMBOBOXW : WC_LISTBOXW, L"", style, c.rect.left,
                              c.rect.top, c.rect.width, height, parent, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
  if (hwnd == nullptr)
    return nullptr;
  const UINT add = combo ? CB_ADDSTRING : LB_ADDSTRING;
  for (const Text& item : c.items) {
    const std::wstring wide = Wide(item);
    SendMessageW(hwnd, add, 0, reinterpret_cast<LPARAM>(wide.c_str()));
  }
  SendMessageW(hwnd, combo ? CB_SETCURSEL : LB_SETCURSEL, static_cast<WPARAM>(c.selection), 0);
  return hwnd;
}
