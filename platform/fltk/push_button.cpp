// Plain push buttons: the caption centred both ways in the window's GUI font.

#include "platform/fltk/fltk_draw.h"

#include <FL/Fl.H>

#include "platform/fltk/button_base.h"
#include "platform/fltk/screen_scale.h"
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
    const int shift = value() != 0 ? Px(1) : 0;
    DrawCaption(ShownText(c.text), x() + Px(2) + shift, y() + Px(1) + shift, w() - Px(4),
                h() - Px(2), FL_ALIGN_CENTER | FL_ALIGN_CLIP, font.bold,
                FlColour(c.text_colour, FL_BLACK), active_r() != 0);
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
