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

extern char** environ;

namespace {

// An Xvfb of its own, answering once it takes clients; gone with the object. The server
// picks a free display number itself (-displayfd), so two tests starting at once never
// share one, and its output goes nowhere, so that a server left behind never holds the
// test's output open (ctest would wait for its end until the timeout).
class PrivateDisplay {
 public:
  PrivateDisplay() {
    int number_pipe[2];
    if (pipe(number_pipe) != 0)
      return;
    const std::string write_end = std::to_string(number_pipe[1]);
    const char* argv[] = {"Xvfb",      "-displayfd", write_end.c_str(),
                          "-screen",   "0",          "640x480x24",
                          "-nolisten", "tcp",        nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addclose(&actions, number_pipe[0]);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    const int spawned =
        posix_spawnp(&pid_, "Xvfb", &actions, nullptr, const_cast<char**>(argv), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(number_pipe[1]);
    if (spawned != 0) {
      pid_ = -1;
      close(number_pipe[0]);
      return;
    }
    // The number arrives once the server listens; a server that fails closes the pipe.
    std::string number;
    char digit = 0;
    while (read(number_pipe[0], &digit, 1) == 1 && digit != '\n') number += digit;
    close(number_pipe[0]);
    if (!number.empty())
      name_ = ":" + number;
  }
  ~PrivateDisplay() {
    if (pid_ > 0) {
      kill(pid_, SIGTERM);
      waitpid(pid_, nullptr, 0);
    }
  }
  PrivateDisplay(const PrivateDisplay&) = delete;
  PrivateDisplay& operator=(const PrivateDisplay&) = delete;
  const std::string& name() const { return name_; }

 private:
  pid_t pid_ = -1;
  std::string name_;
};

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
  PrivateDisplay display;
  ASSERT_FALSE(display.name().empty()) << "Xvfb did not start (scripts/install-deps.sh all)";
  setenv("DISPLAY", display.name().c_str(), 1);
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
