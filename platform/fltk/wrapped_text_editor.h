#pragma once
// FLTK's text editor wrapping at the box's width, quick whatever the length of a line.
// After every edit FLTK keeps the caret in sight (show_insert_position ends in resize)
// by counting wrapped rows from the start of the caret's line: in a long line without
// breaks that measures the whole line for every key. This editor makes the same scroll
// with the same count, started from a row start that count passed before.
#include <FL/Fl_Text_Buffer.H>
#include <FL/Fl_Text_Editor.H>
#include <FL/fl_utf8.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <unordered_map>
#include <vector>

class WrappedTextEditor : public Fl_Text_Editor {
 public:
  WrappedTextEditor(int x, int y, int w, int h) : Fl_Text_Editor(x, y, w, h) {}
  ~WrappedTextEditor() override { Unwatch(); }
  WrappedTextEditor(const WrappedTextEditor&) = delete;
  WrappedTextEditor& operator=(const WrappedTextEditor&) = delete;

  // The editor hears of every change to its text, which may move the rows it counts from.
  using Fl_Text_Editor::buffer;
  void buffer(Fl_Text_Buffer* text) {
    Unwatch();
    Fl_Text_Editor::buffer(text);
    if (text != nullptr)
      text->add_modify_callback(TextChanged, this);
    watched_ = text;
  }

  // FLTK's resize after an edit, or when asked to bring the caret into sight, may
  // scroll up over empty rows below the text and then down to the caret: both scrolls
  // are made here with the count kept, the rest of the resize is FLTK's.
  void resize(int X, int Y, int W, int H) override {
    const bool edited = edited_;
    edited_ = false;
    if ((display_insert_position_hint == 0 && !edited) || X != x() || Y != y() || W != w() ||
        H != h() || buffer() == nullptr) {
      Fl_Text_Editor::resize(X, Y, W, H);
      return;
    }
    const bool show_caret = display_insert_position_hint != 0;
    display_insert_position_hint = 0;
    ResizeAfterScrollUp(X, Y, W, H);
    if (!show_caret)
      return;
    ShowCaret();
    const int widest_offset = std::max(0, longest_vline() - text_area.w);
    if (mHorizOffset > widest_offset)
      scroll_(mTopLineNum, widest_offset);
    mTopLineNumHint = mTopLineNum;
    mHorizOffsetHint = mHorizOffset;
    update_v_scrollbar();
    update_h_scrollbar();
  }

 private:
  // FLTK's display_insert. Its count of the rows from the end of the second-last row
  // shown down to the caret starts at the start of that end's row, which FLTK finds by
  // counting from the start of the line; the count here goes on from the row start it
  // found last time, as long as nothing before that changed. A caret above the rows
  // shown is left to FLTK.
  void ShowCaret() {
    const int caret = insert_position();
    if (caret < mFirstChar) {
      display_insert();
      return;
    }
    int top = mTopLineNum;
    if (mNVisibleLines >= 2 && mLineStarts[mNVisibleLines - 2] != -1) {
      const int last_char = line_end(mLineStarts[mNVisibleLines - 2], true);
      if (caret >= last_char)
        top += RowsDown(last_char - (wrap_uses_character(mLastChar) ? 0 : 1), caret);
    }
    int offset = mHorizOffset, caret_x = 0, caret_y = 0;
    if (!position_to_xy(caret, &caret_x, &caret_y)) {
      scroll_(top, offset);
      if (!position_to_xy(caret, &caret_x, &caret_y))
        return;
    }
    if (caret_x > text_area.x + text_area.w)
      offset += caret_x - (text_area.x + text_area.w);
    else if (caret_x < text_area.x)
      offset += caret_x - text_area.x;
    scroll_(top, offset);
  }

  // FLTK's resize lays the rows out afresh from the first one shown before it scrolls
  // up, and a scroll up lays out only the new first row: the rows below keep where they
  // started. So after the scroll made here and FLTK's resize, the rows are as they were
  // after the scroll.
  void ResizeAfterScrollUp(int X, int Y, int W, int H) {
    if (!ScrollUpOverEmptyRows()) {
      Fl_Text_Editor::resize(X, Y, W, H);
      return;
    }
    std::vector<int> rows(mLineStarts, mLineStarts + mNVisibleLines);
    const int scrolled_first = mFirstChar, scrolled_top = mTopLineNum;
    Fl_Text_Editor::resize(X, Y, W, H);
    if (mFirstChar != scrolled_first || mTopLineNum != scrolled_top ||
        mNVisibleLines != static_cast<int>(rows.size()))
      return;
    std::copy(rows.begin(), rows.end(), mLineStarts);
    calc_last_char();
  }

  // What FLTK's resize does before it shows the caret when rows below the text are
  // empty: it scrolls up a row at a time (scroll_, whose count of the row above goes
  // from the start of its line) while the second-last row is empty. Here the row
  // above comes from the count kept.
  bool ScrollUpOverEmptyRows() {
    if (mTopLineNumHint != mTopLineNum || mHorizOffsetHint != mHorizOffset ||
        mNBufferLines < mNVisibleLines || buffer()->length() == 0)
      return false;
    const int top = mTopLineNum;
    calc_line_starts(0, mNVisibleLines);
    calc_last_char();
    while (mNVisibleLines >= 2 && mLineStarts[mNVisibleLines - 2] == -1 && mTopLineNum > 1 &&
           std::max(0, longest_vline() - text_area.w) >= mHorizOffset) {
      const int old_first = mFirstChar;
      const int row_above = RowStart(buffer()->prev_char_clipped(RowStart(mFirstChar)));
      for (int row = mNVisibleLines - 1; row >= 1; --row) mLineStarts[row] = mLineStarts[row - 1];
      mFirstChar = row_above;
      calc_line_starts(0, 1);
      calc_last_char();
      mTopLineNum -= 1;
      absolute_top_line_number(old_first);
      damage(FL_DAMAGE_EXPOSE);
    }
    mTopLineNumHint = mTopLineNum;
    return mTopLineNum != top;
  }

  // FLTK's count_lines(from, to, false) in a wrapping box: the rows from the start of
  // the row holding `from` down to `to`.
  int RowsDown(int from, int to) {
    int end = 0, rows = 0, row_start = 0, row_end = 0;
    wrapped_line_counter(buffer(), RowStart(from), to, INT_MAX, true, 0, &end, &rows, &row_start,
                         &row_end);
    return rows;
  }

  // The start of the row holding `to`, as FLTK's count from the start of its line finds
  // it (its line_start). That count does not start each row afresh: a row cut inside a
  // word begins with the width of the first character of the row above. So it goes on
  // here from where it stood at the last row start it passed, as FLTK's count would.
  int RowStart(int to) {
    Fl_Text_Buffer& text = *buffer();
    if (count_.start < 0 || count_.next > to) {
      const int line = text.line_start(to);
      count_ = {line, 0, line};
    }
    // The count kept stays a screenful above the first row shown, where the rows
    // above it that a scroll up asks for start.
    const int kept_before = mFirstChar - (mLastChar - mFirstChar);
    const int margin = mWrapMarginPix != 0 ? mWrapMarginPix : text_area.w;
    int row_start = count_.start;
    double width = count_.width;
    for (int p = count_.next; p < text.length(); p = text.next_char(p)) {
      if (text.char_at(p) == '\n') {
        if (p >= to)
          return row_start;
        row_start = text.next_char(p);
        width = 0;
        if (row_start < kept_before)
          count_ = {row_start, width, row_start};
        continue;
      }
      width += Width(text, p, width);
      if (width <= margin)
        continue;
      int next_row = -1;
      for (int b = p; b >= row_start; b = text.prev_char(b)) {
        const unsigned int c = text.char_at(b);
        if (c == '\t' || c == ' ') {
          next_row = text.next_char(b);
          width = 0;
          for (int i = next_row; i < text.next_char(p); i = text.next_char(i))
            width += Width(text, i, width);
          break;
        }
      }
      if (next_row < 0) {  // cut inside a word
        next_row = std::max(p, text.next_char(row_start));
        width = measure_proportional_character(text.address(row_start), 0, p);
      }
      if (p >= to)
        return to < next_row ? row_start : next_row;
      row_start = next_row;
      if (row_start < kept_before)
        count_ = {row_start, width, text.next_char(p)};
    }
    return row_start;
  }

  // FLTK's width of the character at `position`, kept for each character met: a count
  // over a long line measures the same few characters again and again. A tab's width
  // depends on where it stands, and a styled text's on its style: those FLTK measures.
  double Width(Fl_Text_Buffer& text, int position, double x) {
    const char* character = text.address(position);
    if (*character == '\t' || mStyleBuffer != nullptr)
      return measure_proportional_character(character, static_cast<int>(x), position);
    if (widths_font_ != textfont() || widths_size_ != textsize()) {
      widths_.clear();
      widths_font_ = textfont();
      widths_size_ = textsize();
    }
    const int length = fl_utf8len1(*character);
    uint64_t key = static_cast<uint64_t>(length);
    for (int i = 0; i < length; ++i) key = key << 8 | static_cast<unsigned char>(character[i]);
    auto [known, added] = widths_.try_emplace(key, 0.0);
    if (added)
      known->second = measure_proportional_character(character, static_cast<int>(x), position);
    return known->second;
  }

  // A row start's place in the count depends on the text before where the count goes on.
  static void TextChanged(int position, int, int, int, const char*, void* editor) {
    auto* self = static_cast<WrappedTextEditor*>(editor);
    self->edited_ = true;  // the display hears of it after this, and resizes
    if (position < self->count_.next)
      self->count_.start = -1;
  }

  void Unwatch() {
    if (watched_ != nullptr)
      watched_->remove_modify_callback(TextChanged, this);
    watched_ = nullptr;
    count_.start = -1;
  }

  // Where FLTK's count of a line's rows stood at a row start: the row's first
  // character, the width it had counted for the row, where it went on.
  struct RowCount {
    int start = -1;  // -1: none
    double width = 0;
    int next = 0;
  };
  Fl_Text_Buffer* watched_ = nullptr;
  RowCount count_;
  bool edited_ = false;
  std::unordered_map<uint64_t, double> widths_;  // by the character's length and bytes
  Fl_Font widths_font_ = -1;
  Fl_Fontsize widths_size_ = -1;
};
