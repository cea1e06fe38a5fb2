// The multi-line boxes the host types in (the team lines): an FLTK text editor, which
// wraps a line at the box's width even inside a word, so long Chinese lines without
// spaces go on in the next row as they do on Windows instead of scrolling sideways.
#include "platform/fltk/fltk_draw.h"

#include <FL/Fl.H>
#include <FL/Fl_Text_Buffer.H>
#include <FL/Fl_Text_Editor.H>

#include <memory>

#include "platform/fltk/paste.h"
#include "platform/fltk/views.h"
#include "shell/application.h"

namespace {

class TeamLineBoxView : public Fl_Text_Editor, public ControlView {
 public:
  TeamLineBoxView(FltkFrontEnd& owner, const Control& c)
      : Fl_Text_Editor(c.rect.left, c.rect.top, c.rect.width, c.rect.height),
        ControlView(owner, c.id),
        text_(std::make_unique<Fl_Text_Buffer>()) {
    buffer(text_.get());
    wrap_mode(Fl_Text_Display::WRAP_AT_BOUNDS, 0);
    scrollbar_width(0);  // the box has no scroll bars, as on Windows
    when(FL_WHEN_CHANGED);
    callback(UserEdited, this);
    cursor_color(FL_BLACK);
  }
  ~TeamLineBoxView() override { buffer(nullptr); }

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
      buffer()->unselect();
      insert_position(xy_to_position(Fl::event_x(), Fl::event_y(), CURSOR_POS));
      take_focus();
      RequestPaste(*this, 0);
      return 1;
    }
    if (event == FL_PASTE && !PasteFits())
      return 1;
    return Fl_Text_Editor::handle(event);
  }

  // After every edit FLTK keeps the caret in sight (show_insert_position ends here) by
  // counting wrapped rows from the start of the caret's line: in a long line without
  // breaks that measures the whole line for every key the host types. When the caret
  // is on a row the box shows, the rows in sight give the same scroll at once.
  void resize(int X, int Y, int W, int H) override {
    if (display_insert_position_hint != 0 && X == x() && Y == y() && W == w() && H == h())
      ScrollToCaretInSight();
    Fl_Text_Editor::resize(X, Y, W, H);
  }

 protected:
  void ShowAspect(Aspect aspect) override {
    const Control& c = control();
    switch (aspect) {
      case Aspect::Caption: {
        const std::string shown = ShownText(c.text);
        if (shown != Shown()) {
          text_->text(shown.c_str());
          insert_position(text_->length());
        }
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
        // The wrap follows the new character widths.
        wrap_mode(Fl_Text_Display::WRAP_AT_BOUNDS, 0);
        redraw();
        break;
      }
      default:
        break;
    }
  }

 private:
  // As FLTK scrolls for a caret it can see: never left on the last row, which the box
  // may cut, and nowhere else. A caret out of sight is left to FLTK.
  void ScrollToCaretInSight() {
    int row = 0, caret_x = 0, caret_y = 0;
    if (!position_to_line(insert_position(), &row) ||
        !position_to_xy(insert_position(), &caret_x, &caret_y) || caret_x < text_area.x ||
        caret_x > text_area.x + text_area.w)
      return;
    const int last_whole_row = mNVisibleLines - 2;
    display_insert_position_hint = 0;
    if (mNVisibleLines >= 2 && row > last_whole_row)
      mTopLineNumHint = mTopLineNum + (row - last_whole_row);  // resize scrolls there
  }

  std::string Shown() const {
    char* text = text_->text();
    std::string shown = text;
    free(text);
    return shown;
  }

  static void UserEdited(Fl_Widget*, void* data) {
    auto* self = static_cast<TeamLineBoxView*>(data);
    char* shown = self->text_->text();
    Text text = TextFromUtf8(WithCrLf(shown));
    free(shown);
    self->app().Edited(self->id(), std::move(text));
  }

  std::unique_ptr<Fl_Text_Buffer> text_;
};

}  // namespace

ControlView* MakeTeamLineBox(FltkFrontEnd& owner, const Control& control) {
  return new TeamLineBoxView(owner, control);
}
