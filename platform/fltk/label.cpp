// Labels: black text on the face colour, word-wrapped, from the top of the box.
#include "platform/fltk/fltk_draw.h"

#include <FL/Fl_Box.H>

#include "platform/fltk/screen_scale.h"
#include "platform/fltk/views.h"

namespace {

Fl_Align TextAlign(Align align) {
  switch (align) {
    case Align::Centre:
      return FL_ALIGN_TOP;
    case Align::Right:
      return FL_ALIGN_TOP_RIGHT;
    default:
      return FL_ALIGN_TOP_LEFT;
  }
}

class LabelView : public Fl_Box, public ControlView {
 public:
  LabelView(ViewOwner& owner, const Control& c)
      : Fl_Box(c.rect.left, c.rect.top, c.rect.width, c.rect.height), ControlView(owner, c.id) {}
  Fl_Widget& widget() override { return *this; }

  void draw() override {
    const Control& c = control();
    fl_rectf(x(), y(), w(), h(), FlColour(c.back_colour, kButtonFace));
    const FlFont font = FontOf(c);
    fl_font(font.face, font.size);
    const Fl_Align wrap = c.entry->own.word_wrap ? FL_ALIGN_WRAP : 0;
    fl_push_clip(x(), y(), w(), h());
    DrawCaption(ShownText(c.text), x(), y(), w(), h(),
                TextAlign(c.entry->own.align) | FL_ALIGN_INSIDE | wrap, font.bold,
                FlColour(c.text_colour, FL_BLACK), active_r() != 0);
    fl_pop_clip();
  }

 protected:
  void ShowAspect(Aspect) override {}
};

}  // namespace

ControlView* MakeLabel(ViewOwner& owner, const Control& control) {
  return new LabelView(owner, control);
}
