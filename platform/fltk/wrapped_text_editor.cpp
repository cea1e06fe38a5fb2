#include "platform/fltk/wrapped_text_editor.h"

#include <FL/Fl.H>
#include <FL/Fl_Window.H>
#include <FL/fl_draw.H>

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

// The space between the frame and the text, as in FLTK's text editor.
constexpr int kSideMargin = 3;
constexpr int kEndMargin = 1;
constexpr int kTabStop = 8;  // spaces
constexpr int kWheelRows = 3;

// What words are made of, for the keys and clicks that take words.
bool EndsWord(char c) {
  return c == ' ' || c == '\t' || c == '\n';
}

}  // namespace

WrappedTextEditor::WrappedTextEditor(int x, int y, int w, int h)
    : Fl_Widget(x, y, w, h), rows_(kTabStop, [this](const char* character, int length) {
        return widths_.Of(character, length);
      }) {
  box(FL_DOWN_FRAME);
  color(FL_BACKGROUND2_COLOR, FL_SELECTION_COLOR);
}

void WrappedTextEditor::value(std::string text) {
  text_ = std::move(text);
  caret_ = anchor_ = static_cast<int>(text_.size());
  caret_at_row_end_ = false;
  wanted_x_ = -1;
  undo_ = {};
  top_ = 0;  // the box shows the new text's first rows; a key brings the caret into sight
  Relay();
  redraw();
}

void WrappedTextEditor::insert_position(int position) {
  MoveCaret(std::clamp(position, 0, static_cast<int>(text_.size())), false);
}

void WrappedTextEditor::Font(Fl_Font font, Fl_Fontsize size) {
  if (font == font_ && size == size_)
    return;
  font_ = font;
  size_ = size;
  Relay();
  redraw();
}

void WrappedTextEditor::resize(int x, int y, int w, int h) {
  const bool size_changed = w != this->w() || h != this->h();
  Fl_Widget::resize(x, y, w, h);
  if (size_changed)
    Relay();
}

WrappedTextEditor::Area WrappedTextEditor::TextArea() const {
  const Fl_Boxtype frame = box();
  return {x() + Fl::box_dx(frame) + kSideMargin, y() + Fl::box_dy(frame) + kEndMargin,
          std::max(1, w() - Fl::box_dw(frame) - 2 * kSideMargin),
          std::max(1, h() - Fl::box_dh(frame) - 2 * kEndMargin)};
}

int WrappedTextEditor::RowHeight() const {
  return std::max(1, fl_height(font_, size_));
}

int WrappedTextEditor::FullRows() const {
  return std::max(1, TextArea().h / RowHeight());
}

void WrappedTextEditor::Relay() {
  laid_width_ = TextArea().w;
  widths_.Use(font_, size_);
  rows_.Lay(text_, laid_width_);
  // An empty box asks no font for its rows' height: it may be made before the display is
  // open.
  if (text_.empty())
    top_ = 0;
  else
    ScrollTo(top_);
}

void WrappedTextEditor::KeepLaid() {
  // The frame may change without a word to the box (box() is not virtual).
  if (TextArea().w != laid_width_)
    Relay();
}

bool WrappedTextEditor::caret_place(int& x, int& y) {
  KeepLaid();
  return PlaceIn(CaretRow(), caret_, x, y);
}

bool WrappedTextEditor::place_of(int position, int& x, int& y) {
  KeepLaid();
  position = std::clamp(position, 0, static_cast<int>(text_.size()));
  return PlaceIn(rows_.RowOf(position), position, x, y);
}

bool WrappedTextEditor::PlaceIn(int row, int position, int& x, int& y) {
  if (row < top_ || row >= top_ + FullRows())
    return false;
  const Area area = TextArea();
  x = area.x - this->x() + static_cast<int>(std::lround(XOf(row, position)));
  y = area.y - this->y() + (row - top_) * RowHeight();
  return true;
}

int WrappedTextEditor::position_at(int x, int y) {
  KeepLaid();
  bool at_row_end = false;
  return PositionAt(x, y, at_row_end);
}

int WrappedTextEditor::PositionAt(int x, int y, bool& at_row_end) {
  const Area area = TextArea();
  const int row = std::clamp(
      top_ + static_cast<int>(std::floor((y - area.y) / static_cast<double>(RowHeight()))), 0,
      rows_.count() - 1);
  return PositionIn(row, x - area.x, at_row_end);
}

// ---------------------------------------------------------------------------------------
// Edits

void WrappedTextEditor::Replace(int from, int to, const char* text, int length) {
  undo_ = {text_, caret_, true};
  text_.replace(static_cast<size_t>(from), static_cast<size_t>(to - from), text,
                static_cast<size_t>(length));
  rows_.Edited(text_, from, to - from, length);
  caret_ = anchor_ = from + length;
  caret_at_row_end_ = false;
  wanted_x_ = -1;
  ShowCaret();
  redraw();
  set_changed();
  do_callback();
}

void WrappedTextEditor::Insert(const char* text, int length) {
  Replace(SelectionStart(), SelectionEnd(), text, length);
}

void WrappedTextEditor::EraseSelection() {
  if (caret_ != anchor_)
    Replace(SelectionStart(), SelectionEnd(), "", 0);
}

void WrappedTextEditor::Undo() {
  if (!undo_.kept)
    return;
  std::swap(text_, undo_.text);
  const int caret = std::min(undo_.caret, static_cast<int>(text_.size()));
  undo_.caret = caret_;
  caret_ = anchor_ = caret;
  caret_at_row_end_ = false;
  wanted_x_ = -1;
  Relay();
  redraw();
  set_changed();
  do_callback();
}

void WrappedTextEditor::Copy(int clipboard) const {
  if (caret_ != anchor_)
    Fl::copy(text_.data() + SelectionStart(), SelectionEnd() - SelectionStart(), clipboard);
}

// ---------------------------------------------------------------------------------------
// The caret

int WrappedTextEditor::Next(int position) const {
  const int length = static_cast<int>(text_.size());
  if (position >= length)
    return length;
  return std::min(length, position + CharacterLength(static_cast<unsigned char>(text_[position])));
}

int WrappedTextEditor::Previous(int position) const {
  if (position <= 0)
    return 0;
  int p = position - 1;
  while (p > 0 && position - p < 4 && (static_cast<unsigned char>(text_[p]) & 0xC0) == 0x80) --p;
  return Next(p) == position ? p : position - 1;
}

int WrappedTextEditor::WordStart(int position) const {
  while (position > 0 && EndsWord(text_[position - 1])) position = Previous(position);
  while (position > 0 && !EndsWord(text_[position - 1])) position = Previous(position);
  return position;
}

int WrappedTextEditor::WordEnd(int position) const {
  const int length = static_cast<int>(text_.size());
  while (position < length && EndsWord(text_[position])) position = Next(position);
  while (position < length && !EndsWord(text_[position])) position = Next(position);
  return position;
}

int WrappedTextEditor::CaretRow() const {
  const int row = rows_.RowOf(caret_);
  if (caret_at_row_end_ && row > 0 && rows_.start(row) == caret_ && text_[caret_ - 1] != '\n')
    return row - 1;
  return row;
}

double WrappedTextEditor::XOf(int row, int position) {
  double x = 0;
  for (int p = rows_.start(row); p < position && p < static_cast<int>(text_.size());) {
    const int next = Next(p);
    x = rows_.Advance(text_.data() + p, next - p, x);
    p = next;
  }
  return x;
}

int WrappedTextEditor::PositionIn(int row, double x, bool& at_row_end) {
  const int end = rows_.end(row, text_);
  double left = 0;
  at_row_end = false;
  for (int p = rows_.start(row); p < end;) {
    const int next = Next(p);
    const double right = rows_.Advance(text_.data() + p, next - p, left);
    if (x < (left + right) / 2)
      return p;
    left = right;
    p = next;
  }
  // Past the row's last character: a wrapped row's end is also the next row's start.
  at_row_end = row + 1 < rows_.count() && rows_.start(row + 1) == end;
  return end;
}

void WrappedTextEditor::MoveCaret(int position, bool extend, bool at_row_end) {
  caret_ = position;
  if (!extend)
    anchor_ = position;
  caret_at_row_end_ = at_row_end;
  ShowCaret();
  redraw();
}

void WrappedTextEditor::ScrollTo(int top) {
  top = std::clamp(top, 0, std::max(0, rows_.count() - FullRows()));
  if (top != top_) {
    top_ = top;
    redraw();
  }
}

void WrappedTextEditor::ShowCaret() {
  const int row = CaretRow(), full = FullRows();
  int top = std::min(top_, std::max(0, rows_.count() - full));
  if (row < top)
    top = row;
  else if (row >= top + full)
    top = row - full + 1;
  ScrollTo(top);
}

// ---------------------------------------------------------------------------------------
// Events

int WrappedTextEditor::handle(int event) {
  KeepLaid();
  switch (event) {
    case FL_FOCUS:
    case FL_UNFOCUS:
      Fl::compose_reset();
      if (event == FL_UNFOCUS)
        fl_reset_spot();
      redraw();
      return 1;
    case FL_ENTER:
    case FL_MOVE:
      if (active_r() && window() != nullptr)
        window()->cursor(FL_CURSOR_INSERT);
      return 1;
    case FL_LEAVE:
      if (window() != nullptr)
        window()->cursor(FL_CURSOR_DEFAULT);
      return 1;
    case FL_PUSH: {
      if (Fl::event_button() != FL_LEFT_MOUSE)
        return 0;
      if (Fl::focus() != this)
        take_focus();
      Fl::compose_reset();
      bool at_row_end = false;
      const int position = PositionAt(Fl::event_x(), Fl::event_y(), at_row_end);
      wanted_x_ = -1;
      if (Fl::event_clicks() > 0 && !Fl::event_state(FL_SHIFT)) {  // a word
        const int length = static_cast<int>(text_.size());
        int from = position, to = position;
        while (from > 0 && !EndsWord(text_[Previous(from)])) from = Previous(from);
        while (to < length && !EndsWord(text_[to])) to = Next(to);
        anchor_ = from;
        MoveCaret(to, true);
      } else {
        MoveCaret(position, Fl::event_state(FL_SHIFT) != 0, at_row_end);
      }
      dragging_ = true;
      return 1;
    }
    case FL_DRAG: {
      if (!dragging_)
        return 0;
      const Area area = TextArea();
      // Past the top or the foot, the rows scroll a row at a time under the pointer.
      if (Fl::event_y() < area.y)
        ScrollTo(top_ - 1);
      else if (Fl::event_y() >= area.y + area.h)
        ScrollTo(top_ + 1);
      const int y = std::clamp(Fl::event_y(), area.y, area.y + FullRows() * RowHeight() - 1);
      bool at_row_end = false;
      const int position = PositionAt(Fl::event_x(), y, at_row_end);
      MoveCaret(position, true, at_row_end);
      return 1;
    }
    case FL_RELEASE:
      if (!dragging_)
        return 0;
      dragging_ = false;
      Copy(0);  // the selection is the primary selection
      return 1;
    case FL_MOUSEWHEEL:
      if (Fl::event_dy() == 0)
        return 0;
      ScrollTo(top_ + Fl::event_dy() * kWheelRows);
      return 1;
    case FL_DND_ENTER:
    case FL_DND_DRAG:
      if (!active_r())
        return 0;
      MoveCaret(position_at(Fl::event_x(), Fl::event_y()), false);
      return 1;
    case FL_DND_LEAVE:
    case FL_DND_RELEASE:
      return 1;
    case FL_PASTE:
      if (!active_r())
        return 0;
      Insert(Fl::event_text(), Fl::event_length());
      return 1;
    case FL_KEYBOARD:
      return active_r() ? HandleKey() : 0;
    default:
      return 0;
  }
}

int WrappedTextEditor::HandleKey() {
  const int key = Fl::event_key();
  const bool ctrl = Fl::event_state(FL_CTRL) != 0, shift = Fl::event_state(FL_SHIFT) != 0;
  const bool alt = Fl::event_state(FL_ALT | FL_META) != 0;
  const int length = static_cast<int>(text_.size());
  switch (key) {
    case FL_Left:
    case FL_Right: {
      const bool left = key == FL_Left;
      int to = caret_;
      if (caret_ != anchor_ && !shift)
        to = left ? SelectionStart() : SelectionEnd();
      else if (ctrl)
        to = left ? WordStart(caret_) : WordEnd(caret_);
      else
        to = left ? Previous(caret_) : Next(caret_);
      wanted_x_ = -1;
      MoveCaret(to, shift);
      return 1;
    }
    case FL_Up:
    case FL_Down:
    case FL_Page_Up:
    case FL_Page_Down: {
      const int rows = key == FL_Up || key == FL_Down ? 1 : std::max(1, FullRows() - 1);
      const int step = key == FL_Up || key == FL_Page_Up ? -rows : rows;
      const int from = CaretRow();
      if (wanted_x_ < 0)
        wanted_x_ = XOf(from, caret_);
      const int row = std::clamp(from + step, 0, rows_.count() - 1);
      if (rows != 1)
        ScrollTo(top_ + row - from);
      bool at_row_end = false;
      const double x = wanted_x_;
      int to = PositionIn(row, x, at_row_end);
      if (row == from)  // no row further: a page goes to the text's end
        to = rows == 1 ? caret_ : step < 0 ? 0 : length;
      MoveCaret(to, shift, at_row_end && row != from);
      wanted_x_ = x;
      return 1;
    }
    case FL_Home:
      wanted_x_ = -1;
      MoveCaret(ctrl ? 0 : rows_.start(CaretRow()), shift);
      return 1;
    case FL_End: {
      wanted_x_ = -1;
      if (ctrl) {
        MoveCaret(length, shift);
        return 1;
      }
      const int row = CaretRow(), end = rows_.end(row, text_);
      MoveCaret(end, shift, row + 1 < rows_.count() && rows_.start(row + 1) == end);
      return 1;
    }
    case FL_BackSpace:
      if (caret_ != anchor_)
        EraseSelection();
      else if (caret_ > 0)
        Replace(Previous(caret_), caret_, "", 0);
      return 1;
    case FL_Delete:
      if (shift && caret_ != anchor_)
        Copy(1);
      if (caret_ != anchor_)
        EraseSelection();
      else if (caret_ < length)
        Replace(caret_, Next(caret_), "", 0);
      return 1;
    case FL_Insert:
      if (ctrl)
        Copy(1);
      return ctrl ? 1 : 0;
    case FL_Enter:
    case FL_KP_Enter:
      if (ctrl || alt)
        return 0;
      Insert("\n", 1);
      return 1;
    default:
      break;
  }
  if (ctrl && !alt) {
    switch (key) {
      case 'a':
        anchor_ = 0;
        caret_ = length;
        caret_at_row_end_ = false;
        ShowCaret();
        redraw();
        Copy(0);
        return 1;
      case 'c':
        Copy(1);
        return 1;
      case 'x':
        Copy(1);
        EraseSelection();
        return 1;
      case 'z':
        Undo();
        return 1;
      default:
        return 0;
    }
  }
  // Text, from a key or an input method, which may first take back what it composed.
  int take_back = 0;
  if (!Fl::compose(take_back))
    return 0;
  const char* typed = Fl::event_text();
  const int typed_length = Fl::event_length();
  if (typed_length == 1 && static_cast<unsigned char>(typed[0]) < 0x20 && typed[0] != '\t')
    return 0;  // a control character the box has no use for
  if (take_back > 0 && caret_ == anchor_)
    anchor_ = std::max(0, caret_ - take_back);
  if (typed_length > 0 || caret_ != anchor_)
    Insert(typed, typed_length);
  return 1;
}

// ---------------------------------------------------------------------------------------
// Drawing

void WrappedTextEditor::draw() {
  KeepLaid();
  draw_box(box(), color());
  const Area area = TextArea();
  const int clip_x = x() + Fl::box_dx(box()), clip_y = y() + Fl::box_dy(box());
  fl_push_clip(clip_x, clip_y, w() - Fl::box_dw(box()), h() - Fl::box_dh(box()));
  fl_font(font_, size_);
  const int height = RowHeight(), descent = fl_descent();
  for (int row = top_, y = area.y; row < rows_.count() && y < area.y + area.h; ++row, y += height)
    DrawRow(row, area.x, y + height - descent, y, height);
  int caret_x = 0, caret_y = 0;
  if (Fl::focus() == this && active_r() && caret_place(caret_x, caret_y)) {
    caret_x += x();
    caret_y += y();
    fl_color(caret_colour_);
    const int foot = caret_y + height - 1, serif = std::max(1, size_ / 5);
    fl_line(caret_x, caret_y, caret_x, foot);
    fl_line(caret_x - serif, caret_y, caret_x + serif, caret_y);
    fl_line(caret_x - serif, foot, caret_x + serif, foot);
    fl_set_spot(font_, size_, caret_x, caret_y + height - descent, w(), h(), window());
  }
  fl_pop_clip();
}

void WrappedTextEditor::DrawRow(int row, int x, int baseline, int top, int height) {
  const int end = rows_.end(row, text_);
  const int selected_from = std::max(SelectionStart(), rows_.start(row));
  const int selected_to = std::min(SelectionEnd(), end);
  const bool focused = Fl::focus() == this;
  const Fl_Color selection =
      focused ? selection_color() : fl_color_average(color(), selection_color(), 0.4f);
  const Fl_Color ink = active_r() ? text_colour_ : fl_inactive(text_colour_);
  double left = 0;
  // Runs of characters drawn alike, cut at tabs and at the selection's ends.
  int run = rows_.start(row);
  double run_left = 0;
  auto draw_run = [&](int to) {
    if (to <= run)
      return;
    const bool in_selection =
        run >= selected_from && to <= selected_to && selected_from < selected_to;
    if (in_selection) {
      fl_color(selection);
      fl_rectf(x + static_cast<int>(std::lround(run_left)), top,
               static_cast<int>(std::lround(left - run_left)), height);
      fl_color(fl_contrast(ink, selection));
    } else {
      fl_color(ink);
    }
    if (text_[run] != '\t')
      fl_draw(text_.data() + run, to - run, x + static_cast<int>(std::lround(run_left)), baseline);
  };
  for (int p = rows_.start(row); p < end;) {
    const int next = Next(p);
    if (p == selected_from || p == selected_to || text_[p] == '\t') {
      draw_run(p);
      run = p;
      run_left = left;
    }
    left = rows_.Advance(text_.data() + p, next - p, left);
    if (text_[p] == '\t') {
      draw_run(next);
      run = next;
      run_left = left;
    }
    p = next;
  }
  draw_run(end);
}
