// Drop-down combo boxes without an edit field: choosing an item is a selection.
#include <FL/Fl_Choice.H>

#include "platform/fltk/menu_items.h"
#include "platform/fltk/views.h"
#include "shell/application.h"

namespace {

class ComboBoxView : public Fl_Choice, public ControlView {
 public:
  ComboBoxView(FltkFrontEnd& owner, const Control& c)
      : Fl_Choice(c.rect.left, c.rect.top, c.rect.width, c.rect.height), ControlView(owner, c.id) {
    box(FL_DOWN_BOX);
    down_box(FL_BORDER_BOX);
    color(FL_WHITE);
    callback(Chosen, this);
  }
  Fl_Widget& widget() override { return *this; }
  int handle(int event) override {
    if (PreHandle(event))
      return 1;
    return Fl_Choice::handle(event);
  }

 protected:
  void ShowAspect(Aspect aspect) override {
    const Control& c = control();
    switch (aspect) {
      case Aspect::Caption:
        clear();
        for (const Text& item : c.items)
          add(MenuItemText(ShownText(item)).c_str(), 0, nullptr, nullptr, 0);
        value(c.selection);
        break;
      case Aspect::Selection:
        value(c.selection);
        break;
      case Aspect::Font: {
        const FlFont font = FontOf(c);
        textfont(font.widget_face);
        textsize(font.size);
        break;
      }
      default:
        break;
    }
  }

 private:
  static void Chosen(Fl_Widget*, void* data) {
    auto* self = static_cast<ComboBoxView*>(data);
    self->app().Select(self->id(), self->value());
  }
};

}  // namespace

ControlView* MakeComboBox(FltkFrontEnd& owner, const Control& control) {
  return new ComboBoxView(owner, control);
}
