// Gift buttons: the picture centred at its own size in place of the caption; the
// pictures are a little larger than the buttons, so their edges are cut off.
#include "platform/fltk/fltk_draw.h"

#include <FL/Fl.H>
#include <FL/Fl_RGB_Image.H>

#include <memory>

#include "platform/fltk/button_base.h"
#include "platform/fltk/fltk_front_end.h"
#include "platform/fltk/views.h"

namespace {

class PictureButtonView : public ButtonBase {
 public:
  PictureButtonView(FltkFrontEnd& owner, const Control& c)
      : ButtonBase(owner, c), picture_(owner.PictureImage(c.spec->own.picture)) {}

  void draw() override {
    const Fl_Boxtype face = Face();
    draw_box(face, kButtonFace);
    const int shift = value() != 0 ? 1 : 0;
    const int ix = x() + Fl::box_dx(face), iy = y() + Fl::box_dy(face);
    const int iw = w() - Fl::box_dw(face), ih = h() - Fl::box_dh(face);
    if (picture_ != nullptr) {
      fl_push_clip(ix, iy, iw, ih);
      Fl_RGB_Image* shown = picture_;
      if (!active_r()) {
        // A disabled gift button shows its picture greyed, like its caption would be.
        if (inactive_ == nullptr) {
          inactive_.reset(static_cast<Fl_RGB_Image*>(picture_->copy()));
          inactive_->inactive();
        }
        shown = inactive_.get();
      }
      shown->draw(x() + (w() - shown->w()) / 2 + shift, y() + (h() - shown->h()) / 2 + shift);
      fl_pop_clip();
    } else {
      const FlFont font = FontOf(control());
      fl_font(font.face, font.size);
      fl_color(active_r() ? FL_BLACK : fl_inactive(FL_BLACK));
      DrawPlainText(ShownText(control().text), ix + shift, iy + shift, iw, ih, FL_ALIGN_CENTER);
    }
    if (Fl::focus() == this)
      draw_focus();
  }

 private:
  Fl_RGB_Image* picture_;
  std::unique_ptr<Fl_RGB_Image> inactive_;
};

}  // namespace

ControlView* MakePictureButton(FltkFrontEnd& owner, const Control& control) {
  return new PictureButtonView(owner, control);
}
