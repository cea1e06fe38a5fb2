// TransLabel: text straight on the window's picture. A new caption repaints the
// picture under the label first, so the old text leaves no trace.
#include "platform/fltk/fltk_draw.h"

#include <FL/Fl_Box.H>

#include "platform/fltk/fltk_front_end.h"
#include "platform/fltk/views.h"

namespace {

class TransLabelView : public Fl_Box, public ControlView {
 public:
  TransLabelView(ViewOwner& owner, const Control& c)
      : Fl_Box(c.rect.left, c.rect.top, c.rect.width, c.rect.height), ControlView(owner, c.id) {
    box(FL_NO_BOX);
  }
  Fl_Widget& widget() override { return *this; }

  void draw() override {
    const Control& c = control();
    owner().DrawBackground(x(), y(), w(), h());
    const FlFont font = FontOf(c);
    fl_font(font.face, font.size);
    const Fl_Color text = FlColour(c.text_colour, FL_BLACK);
    // Greyed in the system's grey text colour whatever its own colour, as Windows does.
    fl_color(active_r() ? text : kGreyedText);
    const Fl_Align align = c.entry->own.align == Align::Centre  ? FL_ALIGN_TOP
                           : c.entry->own.align == Align::Right ? FL_ALIGN_TOP_RIGHT
                                                                : FL_ALIGN_TOP_LEFT;
    fl_push_clip(x(), y(), w(), h());
    DrawPlainText(ShownText(c.text), x(), y(), w(), h(), align | FL_ALIGN_INSIDE, font.bold);
    fl_pop_clip();
  }

 protected:
  void ShowAspect(Aspect) override {}
};

}  // namespace

ControlView* MakeTransLabel(ViewOwner& owner, const Control& control) {
  return new TransLabelView(owner, control);
}
