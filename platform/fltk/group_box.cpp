// Group boxes: an etched frame with the caption in its top edge, and the members
// inside, placed relative to the box.
#include "platform/fltk/fltk_draw.h"

#include <FL/Fl.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Window.H>

#include "platform/fltk/fltk_front_end.h"
#include "platform/fltk/screen_scale.h"
#include "platform/fltk/views.h"

namespace {

class GroupBoxView : public Fl_Group, public ControlView {
 public:
  GroupBoxView(ViewOwner& owner, const Control& c)
      : Fl_Group(Px(c.rect).left, Px(c.rect).top, Px(c.rect).width, Px(c.rect).height),
        ControlView(owner, c.id) {
    // Made at its place on the screen: FLTK moves a group's members with it, and members
    // that follow their box in the catalogue are placed before the box is.
    end();
    resizable(nullptr);
    box(FL_NO_BOX);
  }
  Fl_Widget& widget() override { return *this; }

  int handle(int event) override {
    // The members are reached by Tab in catalogue order, not by the arrow keys.
    if (event == FL_KEYBOARD)
      return 0;
    return Fl_Group::handle(event);
  }

  void draw() override {
    if ((damage() & ~FL_DAMAGE_CHILD) != 0)
      DrawFrame();
    draw_children();
  }

 protected:
  void ShowAspect(Aspect aspect) override {
    // The frame is painted with the window picture behind it, over the area of the
    // controls that lie on the box without being its members (the score box in a team
    // name's box): the window redraws that area whole, so they are drawn again on top.
    if (aspect == Aspect::Caption && window() != nullptr)
      window()->damage(FL_DAMAGE_ALL, x(), y(), w(), h());
  }

 private:
  void DrawFrame() {
    const Control& c = control();
    owner().DrawBackground(x(), y(), w(), h());
    const FlFont font = FontOf(c);
    fl_font(font.face, font.size);
    const std::string caption = ShownText(c.text);
    const int text_h = fl_height();
    const int frame_top = y() + text_h / 2;
    fl_push_clip(x(), y(), w(), h());
    fl_draw_box(FL_ENGRAVED_FRAME, x(), frame_top, w(), h() - (frame_top - y()), FL_GRAY);
    if (!caption.empty()) {
      int text_w = 0, unused_h = 0;
      fl_measure(caption.c_str(), text_w, unused_h, 0);
      text_w += Px(4) + (font.bold ? BoldShift() : 0);
      int text_x = x() + Px(8);
      if (c.entry->own.align == Align::Centre)
        text_x = x() + (w() - text_w) / 2;
      else if (c.entry->own.align == Align::Right)
        text_x = x() + w() - Px(8) - text_w;
      fl_rectf(text_x, y(), text_w, text_h, kButtonFace);
      const Fl_Color text = FlColour(c.text_colour, FL_BLACK);
      fl_color(active_r() ? text : kGreyedText);  // the system's grey, as Windows greys it
      DrawPlainText(caption, text_x + Px(2), y(), text_w - Px(4), text_h,
                    FL_ALIGN_LEFT | FL_ALIGN_INSIDE, font.bold);
    }
    fl_pop_clip();
  }
};

}  // namespace

ControlView* MakeGroupBox(ViewOwner& owner, const Control& control) {
  return new GroupBoxView(owner, control);
}

Fl_Group* AsGroup(ControlView& view) {
  return dynamic_cast<GroupBoxView*>(&view);
}
