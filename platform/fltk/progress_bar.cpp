// The progress bar: a shallow sunken frame filled to the stored position, limited to
// the bar's range, so a position beyond the maximum shows a full bar.
#include "platform/fltk/fltk_draw.h"

#include <FL/Fl.H>
#include <FL/Fl_Widget.H>

#include <algorithm>

#include "platform/fltk/views.h"

namespace {

class ProgressBarView : public Fl_Widget, public ControlView {
 public:
  ProgressBarView(ViewOwner& owner, const Control& c)
      : Fl_Widget(c.rect.left, c.rect.top, c.rect.width, c.rect.height), ControlView(owner, c.id) {}
  Fl_Widget& widget() override { return *this; }

  void draw() override {
    const Control& c = control();
    const Fl_Boxtype frame = BorderBox(c.entry->own.border, true);
    draw_box(frame, FlColour(c.back_colour, fl_rgb_color(0xE6, 0xE6, 0xE6)));
    const int range = c.maximum - c.minimum;
    if (range <= 0)
      return;
    const int shown = std::clamp(c.position, c.minimum, c.maximum) - c.minimum;
    const int inner_w = w() - Fl::box_dw(frame);
    const int filled = static_cast<int>(static_cast<long long>(inner_w) * shown / range);
    if (filled > 0) {
      const Fl_Color bar = fl_rgb_color(0x06, 0xB0, 0x25);
      fl_rectf(x() + Fl::box_dx(frame), y() + Fl::box_dy(frame), filled, h() - Fl::box_dh(frame),
               active_r() ? bar : fl_inactive(bar));
    }
  }

 protected:
  void ShowAspect(Aspect) override {}
};

}  // namespace

ControlView* MakeProgressBar(ViewOwner& owner, const Control& control) {
  return new ProgressBarView(owner, control);
}
