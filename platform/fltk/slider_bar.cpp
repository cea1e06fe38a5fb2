// Sliders: a horizontal track with a tick at every step; arrows move one line,
// Page Up / Page Down one page, Home / End to the ends.
#include "platform/fltk/fltk_draw.h"

#include <FL/Fl.H>
#include <FL/Fl_Slider.H>

#include <algorithm>

#include "platform/fltk/screen_scale.h"
#include "platform/fltk/views.h"
#include "shell/application.h"

namespace {

int TickSpace() {  // below the track
  return Px(4);
}

class SliderBarView : public Fl_Slider, public ControlView {
 public:
  SliderBarView(ViewOwner& owner, const Control& c)
      : Fl_Slider(c.rect.left, c.rect.top, c.rect.width, c.rect.height), ControlView(owner, c.id) {
    type(c.entry->own.horizontal ? FL_HOR_NICE_SLIDER : FL_VERT_NICE_SLIDER);
    box(FL_FLAT_BOX);
    slider_size(0.08);
    step(1);
    when(FL_WHEN_CHANGED);
    callback(Moved, this);
  }
  Fl_Widget& widget() override { return *this; }

  int handle(int event) override {
    if (PreHandle(event))
      return 1;
    if (event == FL_KEYBOARD) {
      const OwnProperties& own = control().entry->own;
      const int line = std::max(own.line_step, 1), page = std::max(own.page_step, 1);
      int target = static_cast<int>(value());
      switch (Fl::event_key()) {
        case FL_Left:
        case FL_Up:
          target -= line;
          break;
        case FL_Right:
        case FL_Down:
          target += line;
          break;
        case FL_Page_Up:
          target -= page;
          break;
        case FL_Page_Down:
          target += page;
          break;
        case FL_Home:
          target = static_cast<int>(minimum());
          break;
        case FL_End:
          target = static_cast<int>(maximum());
          break;
        default:
          return Fl_Slider::handle(event);
      }
      MoveTo(target);
      return 1;
    }
    switch (event) {
      case FL_PUSH:
        // A click takes the keyboard focus; on the track beside the thumb it moves one
        // page towards the click, on the thumb it starts a drag.
        if (Fl::visible_focus() != 0 && active_r())
          take_focus();
        if (const int side = TrackSide(Fl::event_x()); side != 0) {
          const int page = std::max(control().entry->own.page_step, 1);
          MoveTo(static_cast<int>(value()) + side * page);
          dragging_ = false;
          return 1;
        }
        dragging_ = true;
        return Fl_Slider::handle(event, x(), y(), w(), h() - TickSpace());
      case FL_DRAG:
      case FL_RELEASE:
        if (!dragging_)
          return 1;
        return Fl_Slider::handle(event, x(), y(), w(), h() - TickSpace());
      default:
        return Fl_Slider::handle(event);
    }
  }

  void draw() override {
    const Control& c = control();
    fl_rectf(x(), y(), w(), h(), FlColour(c.back_colour, kButtonFace));
    if (ScreenScale() != 1.0 && type() == FL_HOR_NICE_SLIDER)
      DrawScaledTrack(x(), y(), w(), h() - TickSpace());
    else
      Fl_Slider::draw(x(), y(), w(), h() - TickSpace());
    // A tick for every step, under the centre of the thumb at that step.
    const int steps = c.maximum - c.minimum;
    const int knob = KnobWidth();
    const int span = w() - knob;
    fl_color(active_r() ? FL_DARK3 : fl_inactive(FL_DARK3));
    for (int i = 0; i <= steps && steps > 0; ++i) {
      const int tx = x() + knob / 2 + span * i / steps;
      fl_rectf(tx, y() + h() - TickSpace() + Px(1), Px(1), TickSpace() - Px(1));
    }
    if (Fl::focus() == this)
      draw_focus();
  }

 protected:
  void ShowAspect(Aspect aspect) override {
    const Control& c = control();
    if (aspect == Aspect::Position || aspect == Aspect::Caption) {
      bounds(c.minimum, c.maximum);
      value(c.position);
    }
  }

 private:
  // FLTK's groove and thumb, whose lines FLTK draws a fixed 4 pixels wide at any scale,
  // drawn with those lines scaled: the groove, then the raised thumb with its notch.
  void DrawScaledTrack(int tx, int ty, int tw, int th) {
    draw_box(FL_THIN_DOWN_BOX, tx, ty + th / 2 - Px(2), tw, Px(4),
             active_r() ? FL_FOREGROUND_COLOR : FL_INACTIVE_COLOR);
    const double range = maximum() - minimum();
    const double share = range > 0 ? (value() - minimum()) / range : 0;
    const int knob = KnobWidth();
    const int kx = tx + static_cast<int>(share * (tw - knob) + 0.5);
    draw_box(FL_UP_BOX, kx, ty, knob, th, FL_GRAY);
    const int notch = (knob - Px(4)) / 2;
    draw_box(FL_THIN_DOWN_BOX, kx + notch, ty + Px(2), knob - 2 * notch, th - Px(4),
             selection_color());
  }
  int KnobWidth() const { return static_cast<int>(slider_size() * static_cast<float>(w()) + 0.5f); }
  // -1 left of the thumb, 1 right of it, 0 on it.
  int TrackSide(int mouse_x) const {
    const double range = maximum() - minimum();
    const double share = range > 0 ? (value() - minimum()) / range : 0;
    const int knob = KnobWidth();
    const int knob_x = x() + static_cast<int>(share * (w() - knob) + 0.5);
    if (mouse_x < knob_x)
      return -1;
    if (mouse_x >= knob_x + knob)
      return 1;
    return 0;
  }
  void MoveTo(int target) {
    target = std::clamp(target, static_cast<int>(minimum()), static_cast<int>(maximum()));
    if (target != static_cast<int>(value())) {
      value(target);
      do_callback();
    }
  }

  bool dragging_ = false;

  static void Moved(Fl_Widget*, void* data) {
    auto* self = static_cast<SliderBarView*>(data);
    self->app().Slide(self->id(), static_cast<int32_t>(self->value()));
  }
};

}  // namespace

ControlView* MakeSliderBar(ViewOwner& owner, const Control& control) {
  return new SliderBarView(owner, control);
}
