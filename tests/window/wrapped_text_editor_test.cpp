// The team line's editor keeps the caret in sight exactly as FLTK's own editor does,
// only without measuring the whole line: the two side by side on an Xvfb of the test's
// own, given the same keys, must show the caret at the same place after each.
#include <gtest/gtest.h>

#ifdef SCOREBOARD_BINARY
#include <FL/Fl.H>
#include <FL/Fl_Text_Buffer.H>
#include <FL/Fl_Window.H>
#include <FL/x.H>
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <string>
#include <tuple>
#include <utility>

#include "platform/fltk/wrapped_text_editor.h"
#include "private_display.h"

extern char** environ;

namespace {

void Key(Fl_Text_Editor& editor, int key, const char* text) {
  Fl::e_keysym = key;
  Fl::e_state = 0;
  Fl::e_text = const_cast<char*>(text);
  Fl::e_length = static_cast<int>(std::char_traits<char>::length(text));
  editor.handle(FL_KEYBOARD);
}

// An editor that tells which character its first row starts with.
template <class Editor>
class Scrolled : public Editor {
 public:
  using Editor::Editor;
  int first_shown() const { return this->mFirstChar; }
};

// Where the caret is in the text, where the box shows it (-1 -1 when out of sight) and
// the first character the box shows: a box scrolled otherwise shows them elsewhere.
template <class Editor>
std::tuple<int, int, int, int> InSight(const Scrolled<Editor>& editor) {
  int x = 0, y = 0;
  if (editor.position_to_xy(editor.insert_position(), &x, &y) == 0)
    return {editor.insert_position(), -1, -1, editor.first_shown()};
  return {editor.insert_position(), x - editor.x(), y - editor.y(), editor.first_shown()};
}

TEST(WrappedTextEditor, KeepsTheCaretInSightAsFltkDoes) {
  PrivateDisplay display("640x480x24");
  ASSERT_FALSE(display.name().empty()) << "Xvfb did not start (scripts/install-deps.sh all)";
  display.ServeChildrenAtScaleOne();
  // A long unbroken line, then rows, as a host's team line may be; or the long line
  // alone, whose end is the end of the text.
  std::string long_line;
  for (int i = 0; long_line.size() < 20'000; ++i)
    long_line += "棒棒糖队员Orvane" + std::to_string(i);
  std::string rows;
  for (int i = 0; i < 40; ++i) rows += "\nmember" + std::to_string(i);
  // Two boxes: in the larger one typing at the end of the text keeps bringing empty
  // rows below it into sight, which FLTK scrolls up over.
  for (const auto& [width, height] : {std::pair{164, 116}, std::pair{240, 160}}) {
    SCOPED_TRACE("a box of " + std::to_string(width) + "x" + std::to_string(height));
    Fl_Window window(2 * width + 40, height + 20);
    Fl_Text_Buffer theirs_text, ours_text;
    Scrolled<Fl_Text_Editor> theirs(10, 10, width, height);
    Scrolled<WrappedTextEditor> ours(width + 30, 10, width, height);
    theirs.buffer(&theirs_text);
    ours.buffer(&ours_text);
    for (Fl_Text_Editor* editor :
         {static_cast<Fl_Text_Editor*>(&theirs), static_cast<Fl_Text_Editor*>(&ours)}) {
      editor->wrap_mode(Fl_Text_Display::WRAP_AT_BOUNDS, 0);
      editor->scrollbar_width(0);
      editor->textsize(15);
    }
    window.end();
    window.show();
    Fl::check();

    // Each step places the caret, then types there: at the end of the long line, in its
    // middle, at the end of the text; Enter and Backspace among the keys, and now and
    // then a change far above the caret.
    const int long_line_end = static_cast<int>(long_line.size());
    for (const std::string& text : {long_line + rows, long_line}) {
      theirs_text.text(text.c_str());
      ours_text.text(text.c_str());
      for (const int start : {long_line_end, long_line_end / 2, theirs_text.length(), 0}) {
        SCOPED_TRACE("typing from " + std::to_string(start) + " of " + std::to_string(text.size()));
        for (Fl_Text_Editor* editor :
             {static_cast<Fl_Text_Editor*>(&theirs), static_cast<Fl_Text_Editor*>(&ours)}) {
          editor->insert_position(start);
          editor->show_insert_position();
        }
        ASSERT_EQ(InSight(theirs), InSight(ours));
        for (int i = 0; i < 120; ++i) {
          const bool enter = i % 37 == 36, back = i % 11 == 10, above = i % 29 == 28;
          for (Fl_Text_Editor* editor :
               {static_cast<Fl_Text_Editor*>(&theirs), static_cast<Fl_Text_Editor*>(&ours)}) {
            if (above)  // the text changes far above the caret, as a write from the board
              editor->buffer()->insert(editor->insert_position() / 3, "甲w");
            else if (enter)
              Key(*editor, FL_Enter, "\r");
            else if (back)
              Key(*editor, FL_BackSpace, "");
            else
              Key(*editor, i % 2 == 0 ? 'w' : 0x7532, i % 2 == 0 ? "w" : "甲");
          }
          ASSERT_EQ(InSight(theirs), InSight(ours)) << "after key " << i;
        }
        Fl::flush();
      }
    }
    window.hide();
    theirs.buffer(nullptr);
    ours.buffer(nullptr);
  }
  fl_close_display();
}

}  // namespace
#endif
