// Button: the platform's BUTTON. One with a picture draws its own face, the picture
// centred; the others are plain push buttons with the catalogue's caption.
#include <windows.h>

#include <commctrl.h>

#include "platform/win32/native_kinds.h"
#include "platform/win32/pictures_win32.h"
#include "platform/win32/wide.h"
#include "platform/win32/win32_front_end.h"
#include "shell/application.h"
#include "shell/catalogue.h"

namespace {

class PushButton : public NativeControl {
 public:
  using NativeControl::NativeControl;

  void OnCommand(UINT code) override {
    if (code == BN_CLICKED)
      app().Click(model().id);
  }

 protected:
  HWND MakeWindow(HWND parent) override {
    const Control& c = model();
    const OwnProperties& own = c.entry->own;
    return CreateWindowExW(BorderExStyle(own.border), WC_BUTTONW, Wide(c.text).c_str(),
                           CreationStyle(c) | BorderStyle(own.border) | FaceStyle(own), c.rect.left,
                           c.rect.top, c.rect.width, c.rect.height, parent, nullptr,
                           GetModuleHandleW(nullptr), this);
  }

  virtual DWORD FaceStyle(const OwnProperties& own) const {
    return BS_PUSHBUTTON | BS_MULTILINE | ButtonCaptionAlign(own) |
           (own.centre_vertically ? BS_VCENTER : BS_TOP);
  }
};

class PictureButton : public PushButton {
 public:
  using PushButton::PushButton;

  void OnDrawItem(const DRAWITEMSTRUCT& item) override {
    HDC dc = item.hDC;
    RECT face = item.rcItem;
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;
    FillRect(dc, &face, GetSysColorBrush(COLOR_BTNFACE));
    if (picture_ != nullptr) {
      RECT area = face;
      if (pressed)
        OffsetRect(&area, Px(1), Px(1));
      // The pictures are a little larger than the button: centred, their edges cut off.
      DrawPictureCentred(dc, area, ScaledPicture(*picture_, scale()));
    }
    DrawEdge(dc, &face, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
    if ((item.itemState & ODS_FOCUS) != 0)
      DrawFocusInside(dc, face, Px(3));
  }

 protected:
  HWND MakeWindow(HWND parent) override {
    picture_ = FindPicture(model().entry->own.picture);
    return PushButton::MakeWindow(parent);
  }

  DWORD FaceStyle(const OwnProperties& /*own*/) const override { return BS_OWNERDRAW; }

 private:
  const PictureDib* picture_ = nullptr;  // the face, decoded once for every button
};

}  // namespace

std::unique_ptr<NativeControl> MakeButton(NativeControlOwner& owner, const Control& control) {
  if (control.entry->own.picture != nullptr)
    return std::make_unique<PictureButton>(owner, control);
  return std::make_unique<PushButton>(owner, control);
}
