// Label: the platform's STATIC, in the catalogue's colours.
#include <windows.h>

#include <commctrl.h>

#include "platform/win32/native_kinds.h"
#include "platform/win32/wide.h"
#include "shell/catalogue.h"

namespace {

DWORD StaticAlign(const OwnProperties& own) {
  DWORD style = SS_NOPREFIX;
  switch (own.align) {
    case Align::Centre:
      style |= SS_CENTER;
      break;
    case Align::Right:
      style |= SS_RIGHT;
      break;
    default:
      style |= own.word_wrap ? SS_LEFT : SS_LEFTNOWORDWRAP;
      break;
  }
  if (own.centre_vertically)
    style |= SS_CENTERIMAGE;
  return style;
}

class Label : public NativeControl {
 public:
  using NativeControl::NativeControl;

 protected:
  HWND MakeWindow(HWND parent) override {
    const Control& c = model();
    const OwnProperties& own = c.entry->own;
    return CreateWindowExW(BorderExStyle(own.border), WC_STATICW, Wide(c.text).c_str(),
                           CreationStyle(c) | StaticAlign(own) | BorderStyle(own.border),
                           c.rect.left, c.rect.top, c.rect.width, c.rect.height, parent, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
  }
};

}  // namespace

std::unique_ptr<NativeControl> MakeLabel(NativeControlOwner& owner, const Control& control) {
  return std::make_unique<Label>(owner, control);
}
