// List boxes: a plain list with one selectable line.
#include <FL/Fl_Hold_Browser.H>

#include "platform/fltk/views.h"
#include "shell/application.h"

namespace {

class ListBoxView : public Fl_Hold_Browser, public ControlView {
 public:
  ListBoxView(FltkFrontEnd& owner, const Control& c)
      : Fl_Hold_Browser(c.rect.left, c.rect.top, c.rect.width, c.rect.height),
        ControlView(owner, c.id) {
    format_char(0);  // item texts are shown as they are
    box(FL_DOWN_BOX);
    color(FL_WHITE);
    callback(Chosen, this);
  }
  Fl_Widget& widget() override { return *this; }
  int handle(int event) override {
    if (PreHandle(event))
      return 1;
    return Fl_Hold_Browser::handle(event);
  }

 protected:
  void ShowAspect(Aspect aspect) override {
    const Control& c = control();
    switch (aspect) {
      case Aspect::Caption:
        clear();
        for (const Text& item : c.items) add(ShownText(item).c_str());
        if (c.selection >= 0)
          select(c.selection + 1);
        break;
      case Aspect::Selection:
        if (c.selection < 0)
          deselect();
        else
          select(c.selection + 1);
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
    auto* self = static_cast<ListBoxView*>(data);
    self->app().Select(self->id(), self->value() - 1);
  }
};

}  // namespace

ControlView* MakeListBox(FltkFrontEnd& owner, const Control& control) {
  return new ListBoxView(owner, control);
}
