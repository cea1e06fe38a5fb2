// The multi-line boxes the host types in (the team lines): a text box that stays quick in a
// long line and wraps a line at the box's width even inside a word, so long Chinese lines
// without spaces go on in the next row as they do on Windows instead of scrolling sideways.
#include "platform/fltk/fltk_draw.h"

#include <FL/Fl.H>

#include <string>

#include "platform/fltk/paste.h"
#include "platform/fltk/views.h"
#include "platform/fltk/wrapped_text_editor.h"
#include "shell/application.h"

namespace {

class TeamLineBoxView : public WrappedTextEditor, public ControlView {
 public:
  TeamLineBoxView(ViewOwner& owner, const Control& c)
      : WrappedTextEditor(c.rect.left, c.rect.top, c.rect.width, c.rect.height),
        ControlView(owner, c.id) {
    when(FL_WHEN_CHANGED);
    callback(UserEdited, this);
    cursor_color(FL_BLACK);
  }

  Fl_Widget& widget() override { return *this; }

  int handle(int event) override {
    if (PreHandle(event))
      return 1;
    if (event == FL_KEYBOARD && IsPasteKey()) {
      RequestPaste(*this, 1);
      return 1;
    }
    if (event == FL_PUSH && Fl::event_button() == FL_MIDDLE_MOUSE) {
      // The primary selection goes in where the middle button points.
      insert_position(position_at(Fl::event_x(), Fl::event_y()));
      take_focus();
      RequestPaste(*this, 0);
      return 1;
    }
    if (event == FL_PASTE && !PasteFits())
      return 1;
    return WrappedTextEditor::handle(event);
  }

 protected:
  void ShowAspect(Aspect aspect) override {
    const Control& c = control();
    switch (aspect) {
      case Aspect::Caption: {
        std::string shown = ShownText(c.text);
        if (shown != value())
          value(std::move(shown));
        break;
      }
      case Aspect::TextColour:
        textcolor(FlColour(c.text_colour, FL_BLACK));
        redraw();
        break;
      case Aspect::Font: {
        const FlFont font = FontOf(c);
        textfont(font.widget_face);
        textsize(font.size);
        box(BorderBox(c.entry->own.border, true));
        color(FlColour(c.back_colour, kButtonFace));
        redraw();
        break;
      }
      default:
        break;
    }
  }

 private:
  static void UserEdited(Fl_Widget*, void* data) {
    auto* self = static_cast<TeamLineBoxView*>(data);
    self->app().Edited(self->id(), TextFromUtf8(WithCrLf(self->value())));
  }
};

}  // namespace

ControlView* MakeTeamLineBox(ViewOwner& owner, const Control& control) {
  return new TeamLineBoxView(owner, control);
}
