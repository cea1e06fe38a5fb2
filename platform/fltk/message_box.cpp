// The message box: a small modal window above the others with the core's caption and
// text and the buttons its flags ask for. FLTK's modal loop keeps running timeouts, so
// the clock ticks on underneath while the main window takes no input.
#include "platform/fltk/fltk_draw.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Double_Window.H>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "platform/fltk/fltk_front_end.h"
#include "platform/fltk/main_window.h"
#include "platform/fltk/screen_scale.h"
#include "platform/fltk/x11_window.h"
#include "services/fatal_error.h"
#include "services/message_services.h"
#include "shell/keyboard.h"

namespace {

struct Choice {
  const char* caption;
  int32_t answer;  // IDOK 1, IDCANCEL 2, IDABORT 3, IDRETRY 4, IDIGNORE 5, IDYES 6, IDNO 7
};

std::vector<Choice> ChoicesOf(uint32_t flags) {
  switch (flags & 0xF) {
    case 1:
      return {{"确定", 1}, {"取消", 2}};
    case 2:
      return {{"中止(&A)", 3}, {"重试(&R)", 4}, {"忽略(&I)", 5}};
    case 3:
      return {{"是(&Y)", 6}, {"否(&N)", 7}, {"取消", 2}};
    case 4:
      return {{"是(&Y)", 6}, {"否(&N)", 7}};
    case 5:
      return {{"重试(&R)", 4}, {"取消", 2}};
    default:
      return {{"确定", 1}};
  }
}

// The error icon: a red disc with a white cross.
class ErrorIcon : public Fl_Widget {
 public:
  ErrorIcon(int x, int y) : Fl_Widget(x, y, Px(32), Px(32)) {}
  void draw() override {
    fl_color(fl_rgb_color(0xD0, 0x20, 0x20));
    fl_pie(x(), y(), w(), h(), 0, 360);
    fl_color(FL_WHITE);
    fl_line_style(FL_SOLID, Px(3));
    fl_line(x() + Px(10), y() + Px(10), x() + Px(22), y() + Px(22));
    fl_line(x() + Px(22), y() + Px(10), x() + Px(10), y() + Px(22));
    fl_line_style(0);
  }
};

// The message, drawn as it is: no "@" symbols, no "&" shortcuts.
class MessageText : public Fl_Widget {
 public:
  MessageText(int x, int y, int w, int h, std::string text)
      : Fl_Widget(x, y, w, h), text_(std::move(text)) {}
  void draw() override {
    fl_font(FL_HELVETICA, Px(12));
    fl_color(FL_BLACK);
    DrawPlainText(text_, x(), y(), w(), h(), FL_ALIGN_LEFT | FL_ALIGN_INSIDE | FL_ALIGN_WRAP);
  }

 private:
  std::string text_;
};

struct Answer {
  int32_t value = 0;
  Fl_Window* window = nullptr;
};

// A button that knows the answer it gives. FLTK keeps a widget's argument() and its
// callback data in one field, so the answer cannot ride on argument() beside the data.
class AnswerButton : public Fl_Button {
 public:
  AnswerButton(int x, int y, int w, int h, Answer& answer, int32_t value)
      : Fl_Button(x, y, w, h), answer_(answer), value_(value) {
    callback(Pressed, this);
  }
  // Enter presses the button that has the focus, the default one when the box opens.
  int handle(int event) override {
    if (event == FL_KEYBOARD && Fl::focus() == this &&
        (Fl::event_key() == FL_Enter || Fl::event_key() == FL_KP_Enter)) {
      do_callback();
      return 1;
    }
    return Fl_Button::handle(event);
  }

 private:
  static void Pressed(Fl_Widget*, void* data) {
    auto* self = static_cast<AnswerButton*>(data);
    self->answer_.value = self->value_;
    self->answer_.window->hide();
  }
  Answer& answer_;
  int32_t value_;
};

int32_t RunBox(const std::string& text, const std::string& caption, uint32_t flags) {
  const std::vector<Choice> choices = ChoicesOf(flags);
  const bool icon = (flags & 0xF0) == message_flags::kIconError;
  // Laid out at the window's display scale, as the board is.
  fl_font(FL_HELVETICA, Px(12));
  int text_w = Px(360), text_h = 0;
  fl_measure(text.c_str(), text_w, text_h, 0);
  text_w = std::max(text_w, Px(120));
  const int left = Px(icon ? 60 : 16);
  const int button_w = Px(76), gap = Px(8);
  const int buttons_w = static_cast<int>(choices.size()) * (button_w + gap) - gap;
  const int w = std::max(left + text_w + Px(16), buttons_w + Px(32));
  const int h = std::max(text_h, icon ? Px(32) : 0) + Px(24) + Px(50);

  Fl_Group::current(nullptr);
  Fl_Double_Window box(w, h);
  box.copy_label(caption.c_str());
  Answer answer;
  answer.window = &box;
  if (icon)
    new ErrorIcon(Px(16), Px(16));
  new MessageText(left, Px(12), text_w, std::max(text_h, icon ? Px(40) : 0), text);
  int bx = (w - buttons_w) / 2;
  // MB_DEFBUTTON1 to MB_DEFBUTTON4 in bits 8 to 11; one past the buttons means the first.
  size_t default_index = (flags >> 8) & 0xF;
  if (default_index >= choices.size())
    default_index = 0;
  AnswerButton* default_button = nullptr;
  for (size_t i = 0; i < choices.size(); ++i) {
    auto* button = new AnswerButton(bx, h - Px(36), button_w, Px(26), answer, choices[i].answer);
    button->copy_label(choices[i].caption);
    button->labelsize(Px(12));
    if (i == default_index)
      default_button = button;
    bx += button_w + gap;
  }
  box.end();
  box.set_modal();
  int x = 0, y = 0;
  CentredClientPosition(w + 2 * kFrameLeft, h + kFrameTop + kFrameLeft, x, y);
  box.position(x, y);
  box.show();
  SetKeepAbove(box);
  if (default_button != nullptr)
    default_button->take_focus();
  while (box.shown()) Fl::wait();
  if (answer.value == 0) {
    // Closed with the close box: Cancel where there is one, else the only answer.
    answer.value = choices.size() == 1 ? choices[0].answer : 2;
  }
  return answer.value;
}

}  // namespace

int32_t FltkFrontEnd::MessageBox(const Text& text, const Text& caption, uint32_t flags) {
  const ControlId had_focus = FocusedControl();
  const int32_t answer = RunBox(ShownText(text), ShownText(caption), flags);
  if (window_ != nullptr && window_->shown() && model_ != nullptr)
    FocusControl(FocusAfterDialog(*model_, had_focus));
  return answer;
}

void FltkFrontEnd::ShowFatalError(const Text& text) {
  const std::string shown = ShownText(text);
  std::fprintf(stderr, "%s\n", shown.c_str());
  if (!DisplayAvailable())
    return;  // no screen to show it on: the message went to standard error already
  RunBox(shown, ShownText(FatalErrorCaption()), message_flags::kIconError);
}
