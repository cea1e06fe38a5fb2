#pragma once
// FLTK's text editor wrapping at the box's width, quick whatever the length of a line.
// After every edit FLTK keeps the caret in sight (show_insert_position ends in resize)
// by counting wrapped rows from the start of the caret's line: in a long line without
// breaks that measures the whole line for every key. When the caret is on a row the
// box shows, the rows in sight give the same scroll at once.
#include <FL/Fl_Text_Editor.H>

class WrappedTextEditor : public Fl_Text_Editor {
 public:
  WrappedTextEditor(int x, int y, int w, int h) : Fl_Text_Editor(x, y, w, h) {}

  void resize(int X, int Y, int W, int H) override {
    if (display_insert_position_hint != 0 && X == x() && Y == y() && W == w() && H == h())
      ScrollToCaretInSight();
    Fl_Text_Editor::resize(X, Y, W, H);
  }

 private:
  // The scroll FLTK's own display_insert makes for a caret it can see, with the rows it
  // counts taken from the rows in sight. A caret out of sight is left to FLTK.
  void ScrollToCaretInSight() {
    const int caret = insert_position();
    // At the end of the last row shown the caret may belong to the row below it, as
    // FLTK reckons rows (but at the end of the text there is none): FLTK counts then.
    const bool may_be_below = caret >= mLastChar && caret < buffer()->length();
    int row = 0, caret_x = 0, caret_y = 0;
    if (mNVisibleLines < 2 || mLineStarts[mNVisibleLines - 2] == -1 || may_be_below ||
        !position_to_line(caret, &row) || !position_to_xy(caret, &caret_x, &caret_y) ||
        caret_x < text_area.x || caret_x > text_area.x + text_area.w)
      return;
    // A caret at or past the end of the second-last row moves up by the rows between
    // (FLTK's reckoning, which starts on that end when the last row ends a line).
    int rows_down = 0;
    const int last_char = line_end(mLineStarts[mNVisibleLines - 2], true);
    if (caret >= last_char) {
      int from_row = 0;
      if (!position_to_line(last_char - (wrap_uses_character(mLastChar) ? 0 : 1), &from_row))
        return;
      rows_down = row - from_row;
    }
    display_insert_position_hint = 0;
    mTopLineNumHint = mTopLineNum + rows_down;  // resize scrolls there
  }
};
