// ColorPicker: a push button showing its colour; a click opens the palette pop-up.
#include <windows.h>

#include <commctrl.h>

#include "platform/win32/native_kinds.h"
#include "platform/win32/palette.h"
#include "platform/win32/wide.h"
#include "platform/win32/win32_front_end.h"
#include "shell/application.h"
#include "shell/catalogue.h"

namespace {

class ColourPicker : public NativeControl {
 public:
  using NativeControl::NativeControl;

  void OnCommand(UINT code) override {
    if (code != BN_CLICKED || !owner().model().TakesInput(model()))
      return;
    const ControlId id = model().id;
    Application& application = app();
    OpenPalette(hwnd(), owner().main_window(), model().picked_colour,
                [&application, id](Colour colour) { application.Pick(id, colour); });
  }

  void OnDrawItem(const DRAWITEMSTRUCT& item) override {
    HDC dc = item.hDC;
    RECT face = item.rcItem;
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;
    DrawFrameControl(dc, &face, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0));
    RECT swatch = face;
    InflateRect(&swatch, -Px(4), -Px(4));
    if (pressed)
      OffsetRect(&swatch, Px(1), Px(1));
    if ((item.itemState & ODS_DISABLED) != 0) {
      FrameRect(dc, &swatch, GetSysColorBrush(COLOR_GRAYTEXT));
    } else {
      HBRUSH brush = CreateSolidBrush(model().picked_colour & 0x00FFFFFFu);
      FillRect(dc, &swatch, brush);
      DeleteObject(brush);
      FrameRect(dc, &swatch, GetSysColorBrush(COLOR_BTNSHADOW));
    }
    if ((item.itemState & ODS_FOCUS) != 0)
      DrawFocusInside(dc, face, Px(2));
  }

 protected:
  HWND MakeWindow(HWND parent) override {
    const Control& c = model();
    const OwnProperties& own = c.entry->own;
    return CreateWindowExW(BorderExStyle(own.border), WC_BUTTONW, Wide(c.text).c_str(),
                           CreationStyle(c) | BorderStyle(own.border) | BS_OWNERDRAW, c.rect.left,
                           c.rect.top, c.rect.width, c.rect.height, parent, nullptr,
                           GetModuleHandleW(nullptr), this);
  }
};

}  // namespace

std::unique_ptr<NativeControl> MakeColourPicker(NativeControlOwner& owner, const Control& control) {
  return std::make_unique<ColourPicker>(owner, control);
}
