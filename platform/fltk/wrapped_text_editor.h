#pragma once
// A text box of several rows that wraps its lines at its width, even inside a word, and
// stays quick whatever a line's length: it keeps the start of every row (TextRows) and
// after a key lays out again only the rows the key can change, measuring each character
// of the font once. It edits as FLTK's text editor does: the caret and selection by keys
// and mouse, the clipboard, input methods, one step of undo; it has no scroll bars.
#include <FL/Fl_Widget.H>

#include <string>

#include "platform/fltk/character_widths.h"
#include "platform/fltk/text_rows.h"

class WrappedTextEditor : public Fl_Widget {
 public:
  WrappedTextEditor(int x, int y, int w, int h);

  // The text, in UTF-8 with its line breaks as "\n".
  const std::string& value() const { return text_; }
  // A text from the program: nothing is selected and the caret goes after its end.
  void value(std::string text);

  int insert_position() const { return caret_; }
  // Puts the caret at `position` (nothing selected) and brings it into sight.
  void insert_position(int position);
  // The position nearest to a point of the window.
  int position_at(int x, int y);

  Fl_Font textfont() const { return font_; }
  void textfont(Fl_Font font) { Font(font, size_); }
  Fl_Fontsize textsize() const { return size_; }
  void textsize(Fl_Fontsize size) { Font(font_, size); }
  Fl_Color textcolor() const { return text_colour_; }
  void textcolor(Fl_Color colour) { text_colour_ = colour; }
  void cursor_color(Fl_Color colour) { caret_colour_ = colour; }

  // What the box shows: the first row in sight, the rows of the text, and where the
  // caret is drawn (false when it is out of sight), relative to the box.
  int top_row() const { return top_; }
  int full_rows() const { return FullRows(); }
  int row_count() const { return rows_.count(); }
  bool caret_place(int& x, int& y);
  // Where a caret at `position` would be drawn, by the same rule.
  bool place_of(int position, int& x, int& y);

  int handle(int event) override;
  void resize(int x, int y, int w, int h) override;

 protected:
  void draw() override;

 private:
  struct Area {
    int x, y, w, h;
  };
  Area TextArea() const;
  int RowHeight() const;
  int FullRows() const;
  // A new font or size lays every row out again.
  void Font(Fl_Font font, Fl_Fontsize size);
  // Lays every row out again, for the box's width and font.
  void Relay();
  void KeepLaid();

  // Edits, as the host makes them: each is undone by the next undo, and tells the
  // program (the widget's callback).
  void Replace(int from, int to, const char* text, int length);
  void Insert(const char* text, int length);
  void EraseSelection();
  void Undo();

  int HandleKey();
  void MoveCaret(int position, bool extend, bool at_row_end = false);
  int SelectionStart() const { return caret_ < anchor_ ? caret_ : anchor_; }
  int SelectionEnd() const { return caret_ < anchor_ ? anchor_ : caret_; }
  void Copy(int clipboard) const;

  // The row the caret is drawn in: a caret at a wrapped row's end is drawn there, not at
  // the start of the next row.
  int CaretRow() const;
  double XOf(int row, int position);
  bool PlaceIn(int row, int position, int& x, int& y);
  int PositionIn(int row, double x, bool& at_row_end);
  int PositionAt(int x, int y, bool& at_row_end);
  int Next(int position) const;
  int Previous(int position) const;
  int WordStart(int position) const;
  int WordEnd(int position) const;
  // Scrolls so that the caret is in sight and no empty row shows below the text while
  // text is above the box.
  void ShowCaret();
  void ScrollTo(int top);

  void DrawRow(int row, int x, int baseline, int top, int height);

  std::string text_;
  CharacterWidths widths_;
  TextRows rows_;
  int laid_width_ = -1;
  int caret_ = 0;
  int anchor_ = 0;  // the other end of the selection
  bool caret_at_row_end_ = false;
  double wanted_x_ = -1;  // where Up and Down keep the caret, -1: where it stands
  int top_ = 0;
  bool dragging_ = false;
  struct {
    std::string text;
    int caret = 0;
    bool kept = false;
  } undo_;
  Fl_Font font_ = FL_HELVETICA;
  Fl_Fontsize size_ = FL_NORMAL_SIZE;
  Fl_Color text_colour_ = FL_FOREGROUND_COLOR;
  Fl_Color caret_colour_ = FL_FOREGROUND_COLOR;
};
