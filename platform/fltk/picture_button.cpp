// Gift buttons: the picture centred at its own size in place of the caption; the
// pictures are a little larger than the buttons, so their edges are cut off.
#include "platform/fltk/fltk_draw.h"

#include <FL/Fl.H>

#include "platform/fltk/button_base.h"
#include "platform/fltk/fltk_front_end.h"
#include "platform/fltk/screen_scale.h"
#include "platform/fltk/views.h"

namespace {

class PictureButtonView : public ButtonBase {
 public:
  PictureButtonView(ViewOwner& owner, const Control& c) : ButtonBase(owner, c) {}

  void draw() override {
    const Fl_Boxtype face = Face();
    draw_box(face, kButtonFace);
    const int shift = value() != 0 ? Px(1) : 0;
    const int ix = x() + Fl::box_dx(face), iy = y() + Fl::box_dy(face);
    const int iw = w() - Fl::box_dw(face), ih = h() - Fl::box_dh(face);
    // A disabled gift button shows its picture greyed, like its caption would be.
    if (const ScreenPicture* shown = owner().Picture(control().entry->own.picture, !active_r())) {
      fl_push_clip(ix, iy, iw, ih);
      shown->Draw(x() + (w() - shown->width()) / 2 + shift,
                  y() + (h() - shown->height()) / 2 + shift, shown->width(), shown->height(), 0, 0);
      fl_pop_clip();
    } else {
      const FlFont font = FontOf(control());
      fl_font(font.face, font.size);
      DrawCaption(ShownText(control().text), ix + shift, iy + shift, iw, ih, FL_ALIGN_CENTER,
                  font.bold, FL_BLACK, active_r() != 0);
    }
    if (Fl::focus() == this)
      draw_focus();
  }
};

}  // namespace

ControlView* MakePictureButton(ViewOwner& owner, const Control& control) {
  return new PictureButtonView(owner, control);
}
