// SuperBtn: an owner-drawn button with three looks, each a text and a background
// colour: normal, hot (the pointer over it) and pressed.
#include "platform/fltk/fltk_draw.h"

#include <FL/Fl.H>

#include "platform/fltk/button_base.h"
#include "platform/fltk/screen_scale.h"
#include "platform/fltk/views.h"

namespace {

class SuperButtonView : public ButtonBase {
 public:
  using ButtonBase::ButtonBase;

  int handle(int event) override {
    if (event == FL_ENTER || event == FL_LEAVE) {
      hot_ = event == FL_ENTER;
      redraw();
      Fl_Button::handle(event);
      return 1;  // asking for FL_LEAVE too
    }
    return ButtonBase::handle(event);
  }

  void draw() override {
    const Control& c = control();
    const OwnProperties& own = c.entry->own;
    const bool pressed = value() != 0;
    const ColourPair& look = pressed ? own.pressed : hot_ && active_r() ? own.hot : own.normal;
    // A look without a colour of its own falls back on the normal look.
    const Fl_Color text = FlColour(look.text, FlColour(own.normal.text, FL_BLACK));
    const Fl_Color back = FlColour(look.background, FlColour(own.normal.background, kButtonFace));
    draw_box(pressed ? FL_DOWN_BOX : FL_UP_BOX, back);
    const FlFont font = FontOf(c);
    fl_font(font.face, font.size);
    // Greyed in the system's grey text colour whatever its own colour, as Windows does.
    fl_color(active_r() ? text : kGreyedText);
    const int shift = pressed ? Px(1) : 0;
    DrawPlainText(ShownText(c.text), x() + Px(2) + shift, y() + Px(1) + shift, w() - Px(4),
                  h() - Px(2), FL_ALIGN_CENTER | FL_ALIGN_CLIP, font.bold);
    if (Fl::focus() == this)
      draw_focus();
  }

 private:
  bool hot_ = false;
};

}  // namespace

ControlView* MakeSuperButton(ViewOwner& owner, const Control& control) {
  return new SuperButtonView(owner, control);
}
