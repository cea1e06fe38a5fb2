// EditBox: the platform's EDIT control. Whole-numbers boxes drop typed printable
// characters other than "-" and the digits before the control sees them.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <string>

#include "platform/win32/native_kinds.h"
#include "platform/win32/wide.h"
#include "platform/win32/win32_front_end.h"
#include "shell/application.h"
#include "shell/catalogue.h"

namespace {

class EditBox : public NativeControl {
 public:
  using NativeControl::NativeControl;

  // Whether a typed character stops before the box: whole-numbers boxes take only "-"
  // and the digits, and every control key.
  bool Dropped(WPARAM character) const {
    const ControlSpec* entry = model().entry;
    if (entry == nullptr || entry->own.input != InputMode::WholeNumbers)
      return false;
    if (character < 0x20 || character == 0x7F)
      return false;  // control keys act on the box
    return !(character == L'-' || (character >= L'0' && character <= L'9'));
  }

  void OnCommand(UINT code) override {
    if (code != EN_CHANGE || muted_)
      return;
    const int length = GetWindowTextLengthW(hwnd());
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const int got = GetWindowTextW(hwnd(), text.data(), length + 1);
    text.resize(static_cast<size_t>(std::max(got, 0)));
    app().Edited(model().id, TextFromWide(text));
  }

  // The window's keys select the whole text of the box they move to.
  void Focused() override { SendMessageW(hwnd(), EM_SETSEL, 0, -1); }

 protected:
  HWND MakeWindow(HWND parent) override;

  void Show(Aspect aspect) override {
    if (aspect != Aspect::Caption) {
      NativeControl::Show(aspect);
      return;
    }
    // A program write: the core raises content changed itself, once.
    muted_ = true;
    SetWindowTextW(hwnd(), Wide(model().text).c_str());
    muted_ = false;
  }

 private:
  bool muted_ = false;  // the program is setting the text: no user edit to report
};

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
    const auto* box = reinterpret_cast<const EditBox*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (box != nullptr && box->Dropped(wparam))
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

HWND EditBox::MakeWindow(HWND parent) {
  const Control& c = model();
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
                              GetModuleHandleW(nullptr), this);
  if (hwnd != nullptr)
    SendMessageW(hwnd, EM_SETLIMITTEXT, 0, 0);  // as long as memory allows
  return hwnd;
}

}  // namespace

std::unique_ptr<NativeControl> MakeEditBox(NativeControlOwner& owner, const Control& control) {
  return std::make_unique<EditBox>(owner, control);
}
