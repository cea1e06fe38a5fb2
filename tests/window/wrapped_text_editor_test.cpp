// The team line's editor on an Xvfb of the test's own: keys edit and move as in a text
// box, the caret stays in sight in a long line, and a point and a position map onto each
// other.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <string>

#include "platform/fltk/wrapped_text_editor.h"
#include "private_display.h"
// After the test's headers: X11's names clash with GoogleTest's.
#include <FL/Fl.H>
#include <FL/Fl_Window.H>
#include <FL/x.H>

namespace {

// A window holding one editor the size of a team line. The tests share one display:
// FLTK opens a display once for the program's life.
class EditorInWindow : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    display_ = new PrivateDisplay("640x480x24");
    setenv("DISPLAY", display_->name().c_str(), 1);
  }
  static void TearDownTestSuite() {
    fl_close_display();
    delete display_;
  }
  void SetUp() override {
    ASSERT_FALSE(display_->name().empty()) << "Xvfb did not start (scripts/install-deps.sh all)";
    window_.end();
    editor_.textsize(15);
    editor_.callback([](Fl_Widget*, void* edits) { ++*static_cast<int*>(edits); }, &edits_);
    window_.show();
    editor_.take_focus();
    Fl::check();
  }
  void TearDown() override { window_.hide(); }

  void Key(int key, const char* text, int state = 0) {
    Fl::e_keysym = key;
    Fl::e_state = state;
    Fl::e_text = const_cast<char*>(text);
    Fl::e_length = static_cast<int>(std::char_traits<char>::length(text));
    editor_.handle(FL_KEYBOARD);
    Fl::flush();
  }

  // A mouse event at the place the caret of `position` is drawn.
  void Mouse(int event, int position, int clicks = 0) {
    int x = 0, y = 0;
    ASSERT_TRUE(editor_.place_of(position, x, y));
    Fl::e_x = editor_.x() + x;
    Fl::e_y = editor_.y() + y + 2;
    Fl::e_keysym = FL_Button + FL_LEFT_MOUSE;
    Fl::e_state = event == FL_RELEASE ? 0 : FL_BUTTON1;
    Fl::e_clicks = clicks;
    editor_.handle(event);
  }

  static inline PrivateDisplay* display_ = nullptr;
  Fl_Window window_{300, 200};
  WrappedTextEditor editor_{10, 10, 164, 65};
  int edits_ = 0;
};

TEST_F(EditorInWindow, KeysEditAndMoveAsInATextBox) {
  struct Step {
    int key;
    const char* text;
    int state;
    const char* value;  // what the box holds after the key
    int caret;
    int edits;  // times the program was told of an edit
  };
  const Step steps[] = {
      {'a', "a", 0, "a", 1, 1},
      {0x7532, "甲", 0, "a甲", 4, 2},
      {FL_Left, "", 0, "a甲", 1, 2},
      {'b', "b", 0, "ab甲", 2, 3},
      {FL_Delete, "", 0, "ab", 2, 4},  // a whole character
      {FL_BackSpace, "", 0, "a", 1, 5},
      {FL_Enter, "\r", 0, "a\n", 2, 6},
      {'c', "c", 0, "a\nc", 3, 7},
      {FL_Up, "", 0, "a\nc", 1, 7},           // the same column, a row up
      {FL_Home, "", FL_SHIFT, "a\nc", 0, 7},  // selects "a"
      {'x', "x", 0, "x\nc", 1, 8},            // the typed character replaces it
      {'z', "\x1a", FL_CTRL, "a\nc", 0, 9},   // undo brings "a" back
      {FL_End, "", FL_CTRL, "a\nc", 3, 9},
      {FL_Escape, "\x1b", 0, "a\nc", 3, 9},  // a control character goes nowhere
      {'a', "\x01", FL_CTRL, "a\nc", 3, 9},  // selects everything
      {FL_BackSpace, "", 0, "", 0, 10},
  };
  for (const Step& step : steps) {
    Key(step.key, step.text, step.state);
    SCOPED_TRACE(std::string("after the key giving \"") + step.text + "\"");
    EXPECT_EQ(editor_.value(), step.value);
    EXPECT_EQ(editor_.insert_position(), step.caret);
    EXPECT_EQ(edits_, step.edits);
  }
}

// A box that was empty when it took its width and font wraps what is typed into it at
// that width: a short word stays on one row.
TEST_F(EditorInWindow, AnEmptyBoxWrapsAtItsWidth) {
  for (const char* typed : {"a", "b", "c"}) Key(typed[0], typed);
  EXPECT_EQ(editor_.value(), "abc");
  EXPECT_EQ(editor_.row_count(), 1);
}

// A long line without breaks, typed at its end, in its middle and at its start; every
// key keeps the caret in sight and no empty row below the text while text is above.
TEST_F(EditorInWindow, TheCaretStaysInSightInALongLine) {
  std::string line;
  for (int i = 0; line.size() < 20'000; ++i) line += "棒棒糖队员Orvane" + std::to_string(i);
  editor_.value(line);
  // A text from the program shows its first rows, the caret after its end: the first key
  // goes there and brings it into sight.
  EXPECT_EQ(editor_.top_row(), 0);
  Key('w', "w");
  int x = 0, y = 0;
  EXPECT_TRUE(editor_.caret_place(x, y)) << "the first key left the caret out of sight";
  EXPECT_EQ(editor_.value(), line + "w");
  const int length = static_cast<int>(line.size());
  for (const int start : {length, length / 2, 0}) {
    editor_.insert_position(start);
    for (int i = 0; i < 40; ++i) {
      Key(i % 7 == 6 ? FL_BackSpace : i % 2 ? 'w' : 0x7532, i % 7 == 6 ? "" : i % 2 ? "w" : "甲");
      ASSERT_TRUE(editor_.caret_place(x, y))
          << "typing from " << start << ", key " << i << ": the caret is out of sight";
      ASSERT_LE(editor_.top_row() + editor_.full_rows(), editor_.row_count())
          << "an empty row shows below the text";
    }
  }
  Key(FL_End, "", FL_CTRL);
  EXPECT_EQ(editor_.insert_position(), static_cast<int>(editor_.value().size()));
  Key(FL_Home, "", FL_CTRL);
  EXPECT_EQ(editor_.top_row(), 0);
}

// The caret drawn at a position is where a click finds that position again; at a wrapped
// row's end End puts the caret after the row's last character, not at the next row's start.
TEST_F(EditorInWindow, ClicksFindThePositionsTheCaretIsDrawnAt) {
  editor_.value("棒棒糖队员棒棒糖队员棒棒糖队员Orvane\n\nLirvo7163 小黄鸭队员 主持人的朋友\tend");
  const int length = static_cast<int>(editor_.value().size());
  for (int position = 0; position <= length; ++position) {
    if (position < length && (static_cast<unsigned char>(editor_.value()[position]) & 0xC0) == 0x80)
      continue;  // inside a character
    editor_.insert_position(position);
    int x = 0, y = 0;
    ASSERT_TRUE(editor_.caret_place(x, y)) << position;
    // A wrapped row's end and the next row's start are one position, drawn at the latter.
    EXPECT_EQ(editor_.position_at(editor_.x() + x, editor_.y() + y + 2), position)
        << "the caret of " << position << " is drawn at " << x << "," << y;
  }
  editor_.insert_position(0);
  Key(FL_End, "");
  int x = 0, y = 0;
  ASSERT_TRUE(editor_.caret_place(x, y));
  EXPECT_EQ(y, 1 + Fl::box_dy(editor_.box())) << "End left the first row";
  EXPECT_GT(x, editor_.w() / 2);
}

// A drag selects what the pointer passed over and a double click a word: a typed
// character then replaces the selection.
TEST_F(EditorInWindow, TheMouseSelects) {
  editor_.value("ab cd ef");
  Mouse(FL_PUSH, 0);
  Mouse(FL_DRAG, 3);
  Mouse(FL_DRAG, 5);
  Mouse(FL_RELEASE, 5);
  Key('X', "X");
  EXPECT_EQ(editor_.value(), "X ef");
  Mouse(FL_PUSH, 3, 1);  // inside "ef"
  Mouse(FL_RELEASE, 3);
  Key('Y', "Y");
  EXPECT_EQ(editor_.value(), "X Y");
}

}  // namespace
