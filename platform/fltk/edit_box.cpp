// Edit boxes: single- and multi-line, read-only or typed into, with the whole-numbers
// filter. The model keeps CR LF between lines; FLTK shows LF.
#include "platform/fltk/fltk_draw.h"

#include <FL/Fl.H>
#include <FL/Fl_Input.H>

#include "platform/fltk/paste.h"
#include "platform/fltk/screen_scale.h"
#include "platform/fltk/views.h"
#include "services/property_model.h"
#include "shell/application.h"
#include "shell/keyboard.h"

namespace {

class EditBoxView : public Fl_Input, public ControlView {
 public:
  EditBoxView(ViewOwner& owner, const Control& c)
      : Fl_Input(c.rect.left, c.rect.top, c.rect.width, c.rect.height), ControlView(owner, c.id) {
    const OwnProperties& own = c.entry->own;
    if (own.multiline)
      type(FL_MULTILINE_INPUT_WRAP);
    readonly(own.input == InputMode::ReadOnly ? 1 : 0);
    when(FL_WHEN_CHANGED);
    callback(UserEdited, this);
    centred_ = own.align == Align::Centre && !own.multiline;
    cursor_color(FL_BLACK);
  }

  Fl_Widget& widget() override { return *this; }

  void draw() override {
    // Centred text moves as a whole when it changes, and its caret is not where Fl_Input
    // would erase it: FLTK's partial repaint would leave old glyphs and caret lines.
    if (centred_)
      clear_damage(FL_DAMAGE_ALL);  // sets exactly these bits
    const Fl_Boxtype b = box();
    // A greyed box keeps its frame and takes the face colour, as on Windows; its text
    // fades.
    if ((damage() & FL_DAMAGE_ALL) != 0)
      fl_draw_box(b, x(), y(), w(), h(), active_r() ? color() : kButtonFace);
    int x0 = x() + Fl::box_dx(b), wide = w() - Fl::box_dw(b);
    Indent(x0, wide);
    drawtext(x0, y() + Fl::box_dy(b), wide, h() - Fl::box_dh(b));
  }

  int handle(int event) override {
    if (PreHandle(event))
      return 1;
    if (!readonly() && event == FL_KEYBOARD && IsPasteKey()) {
      RequestPaste(*this, 1);
      return 1;
    }
    if (!readonly() && event == FL_RELEASE && Fl::event_button() == FL_MIDDLE_MOUSE) {
      RequestPaste(*this, 0);  // the press has put the caret where the button points
      return 1;
    }
    if (event == FL_PASTE && !PasteFits())
      return 1;
    if (event == FL_KEYBOARD || event == FL_PASTE)
      return HandleTyping(event);
    if (centred_ && (event == FL_PUSH || event == FL_DRAG || event == FL_RELEASE)) {
      // Fl_Input places the text at the left; the mouse must meet it where it is drawn.
      const Fl_Boxtype b = box();
      int x0 = x() + Fl::box_dx(b), wide = w() - Fl::box_dw(b);
      Indent(x0, wide);
      if (event == FL_PUSH && Fl::focus() != this) {
        Fl::focus(this);
        handle(FL_FOCUS);
      }
      return handletext(event, x0, y() + Fl::box_dy(b), wide, h() - Fl::box_dh(b));
    }
    return Fl_Input::handle(event);
  }

 protected:
  void ShowAspect(Aspect aspect) override {
    const Control& c = control();
    switch (aspect) {
      case Aspect::Caption:
        value(ShownText(c.text).c_str());
        break;
      case Aspect::TextColour:
        textcolor(FlColour(c.text_colour, FL_BLACK));
        break;
      case Aspect::Font: {
        const FlFont font = FontOf(c);
        textfont(font.widget_face);
        textsize(font.size);
        box(BorderBox(c.entry->own.border, true));
        color(FlColour(c.back_colour, kButtonFace));
        selection_color(FL_SELECTION_COLOR);
        break;
      }
      default:
        break;
    }
  }

 private:
  // Where centred text starts: the text keeps the middle of the box while it fits.
  void Indent(int& x0, int& wide) {
    if (!centred_)
      return;
    fl_font(textfont(), textsize());
    const int text_w = static_cast<int>(fl_width(value())) + Px(6);
    const int indent = (wide - text_w) / 2;
    if (indent > 0) {
      x0 += indent;
      wide -= indent;
    }
  }

  // The whole-numbers boxes drop typed characters other than "-" and the digits;
  // control keys (backspace, arrows, Ctrl+C ...) act on the box as usual.
  int HandleTyping(int event) {
    const Control& c = control();
    const bool printable =
        Fl::event_length() > 0 && static_cast<unsigned char>(Fl::event_text()[0]) >= 0x20 &&
        Fl::event_text()[0] != 0x7F && (Fl::event_state() & (FL_CTRL | FL_ALT | FL_META)) == 0;
    if (c.entry->own.input != InputMode::WholeNumbers || (event == FL_KEYBOARD && !printable))
      return Fl_Input::handle(event);
    const std::string kept = Utf8FromText(FilterTyped(
        c, TextFromUtf8(std::string(Fl::event_text(), static_cast<size_t>(Fl::event_length())))));
    if (kept.empty())
      return 1;  // nothing of it is allowed: the key is eaten, the box unchanged
    char* saved_text = Fl::e_text;
    const int saved_length = Fl::e_length;
    std::string filtered = kept;
    Fl::e_text = filtered.data();
    Fl::e_length = static_cast<int>(filtered.size());
    const int used = Fl_Input::handle(event);
    Fl::e_text = saved_text;
    Fl::e_length = saved_length;
    return used;
  }

  static void UserEdited(Fl_Widget*, void* data) {
    auto* self = static_cast<EditBoxView*>(data);
    const std::string shown = (self->type() & FL_MULTILINE_INPUT) != 0 ? WithCrLf(self->value())
                                                                       : std::string(self->value());
    self->app().Edited(self->id(), TextFromUtf8(shown));
  }

  bool centred_ = false;
};

}  // namespace

ControlView* MakeEditBox(ViewOwner& owner, const Control& control) {
  if (TakesEnterItself(control))
    return MakeTeamLineBox(owner, control);
  return new EditBoxView(owner, control);
}
