// Plain push buttons: the caption centred both ways in the window's GUI font.

#include "platform/fltk/fltk_draw.h"

#include <FL/Fl.H>

#include "platform/fltk/button_base.h"
#include "platform/fltk/views.h"

namespace {

class PushButtonView : public ButtonBase {
 public:
  using ButtonBase::ButtonBase;
  void draw() override {
    draw_box(Face(), kButtonFace);
    const Control& c = control();
    const FlFont font = FontOf(c);
    fl_font(font.face, font.size);
    fl_color(active_r() ? FlColour(c.text_colour, FL_BLACK) : fl_inactive(FL_BLACK));
    const int shift = value() != 0 ? 1 : 0;
    DrawPlainText(ShownText(c.text), x() + 2 + shift, y() + 1 + shift, w() - 4, h() - 2,
                  FL_ALIGN_CENTER | FL_ALIGN_CLIP, font.bold);
    if (Fl::focus() == this)
      draw_focus();
  }
};

}  // namespace

ControlView* MakePushButton(ViewOwner& owner, const Control& control) {
  return new PushButtonView(owner, control);
}

ControlView* MakeButton(ViewOwner& owner, const Control& control) {
  return control.entry->own.picture != nullptr ? MakePictureButton(owner, control)
                                               : MakePushButton(owner, control);
}
