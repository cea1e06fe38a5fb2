// RadioBox: the platform's BUTTON as a radio button, in the catalogue's caption colour.
#include <windows.h>

#include <commctrl.h>
#include <uxtheme.h>

#include "platform/win32/native_kinds.h"
#include "platform/win32/wide.h"
#include "platform/win32/win32_front_end.h"
#include "shell/application.h"
#include "shell/catalogue.h"

namespace {

class RadioBox : public NativeControl {
 public:
  using NativeControl::NativeControl;

  void OnCommand(UINT code) override {
    // A radio box reports a click when it merely gets the focus (a platform habit);
    // focus moves of our own are no choice of the user's.
    if (code == BN_CLICKED && !owner().moving_focus())
      app().Click(model().id);
  }

 protected:
  HWND MakeWindow(HWND parent) override {
    const Control& c = model();
    const OwnProperties& own = c.entry->own;
    // Not automatic: the core checks the clicked box and clears its group.
    const DWORD style = CreationStyle(c) | BorderStyle(own.border) | BS_RADIOBUTTON | BS_VCENTER |
                        ButtonCaptionAlign(own);
    HWND hwnd = CreateWindowExW(BorderExStyle(own.border), WC_BUTTONW, Wide(c.text).c_str(), style,
                                c.rect.left, c.rect.top, c.rect.width, c.rect.height, parent,
                                nullptr, GetModuleHandleW(nullptr), this);
    if (hwnd == nullptr)
      return nullptr;
    // Visual styles would ignore the catalogue's caption colours.
    SetWindowTheme(hwnd, L"", L"");
    if (c.checked)
      SendMessageW(hwnd, BM_SETCHECK, BST_CHECKED, 0);
    return hwnd;
  }

  void Show(Aspect aspect) override {
    if (aspect == Aspect::Checked)
      SendMessageW(hwnd(), BM_SETCHECK, model().checked ? BST_CHECKED : BST_UNCHECKED, 0);
    else
      NativeControl::Show(aspect);
  }
};

}  // namespace

std::unique_ptr<NativeControl> MakeRadioBox(NativeControlOwner& owner, const Control& control) {
  return std::make_unique<RadioBox>(owner, control);
}
