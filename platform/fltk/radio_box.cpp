// Radio boxes: the model checks the clicked box and clears the others of its group;
// the widget only shows what the model holds.
#include <FL/Fl_Round_Button.H>

#include "platform/fltk/views.h"
#include "shell/application.h"

namespace {

class RadioBoxView : public Fl_Round_Button, public ControlView {
 public:
  RadioBoxView(ViewOwner& owner, const Control& c)
      : Fl_Round_Button(c.rect.left, c.rect.top, c.rect.width, c.rect.height),
        ControlView(owner, c.id) {
    box(FL_FLAT_BOX);
    down_box(FL_ROUND_DOWN_BOX);
    selection_color(FL_BLACK);
    callback(Clicked, this);
  }
  Fl_Widget& widget() override { return *this; }
  int handle(int event) override {
    if (PreHandle(event))
      return 1;
    return Fl_Round_Button::handle(event);
  }

 protected:
  void ShowAspect(Aspect aspect) override {
    const Control& c = control();
    switch (aspect) {
      case Aspect::Caption:
        copy_label(ShownText(c.text).c_str());
        break;
      case Aspect::Checked:
        value(c.checked ? 1 : 0);
        break;
      case Aspect::Font:
      case Aspect::TextColour: {
        const FlFont font = FontOf(c);
        labelfont(font.widget_face);
        labelsize(font.size);
        labelcolor(FlColour(c.text_colour, FL_BLACK));
        color(FlColour(c.back_colour, kButtonFace));
        break;
      }
      default:
        break;
    }
  }

 private:
  static void Clicked(Fl_Widget*, void* data) {
    auto* self = static_cast<RadioBoxView*>(data);
    self->app().Click(self->id());
    // A click on a checked box leaves it checked: show the model, not FLTK's toggle.
    self->value(self->control().checked ? 1 : 0);
  }
};

}  // namespace

ControlView* MakeRadioBox(ViewOwner& owner, const Control& control) {
  return new RadioBoxView(owner, control);
}
