// One key typed into a team line of the real window, as the host types it: the key goes
// through FLTK's text editor, the edit reaches the board, the team line's style rule
// runs, and the window draws what changed. A long team line against a short one; and
// the team line's editor alone against FLTK's own editor, given the same long line.
// Needs an X display (bench/window_typing.sh starts an Xvfb of its own).
#include <FL/Fl.H>
#include <FL/Fl_Window.H>
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include "bench/team_line_text.h"
#include "platform/fltk/fltk_front_end.h"
#include "platform/fltk/main_window.h"
#include "services/property_model.h"
#include "shell/application.h"
#include "shell/control_ids.h"
// After the board's headers: FLTK's text editor brings in X11's names.
#include <FL/Fl_Text_Buffer.H>
#include <FL/Fl_Text_Editor.H>

#include "platform/fltk/wrapped_text_editor.h"

namespace {

// One window for every benchmark: opening a window per run would measure the fonts.
class OpenWindow {
 public:
  OpenWindow() {
    folder_ = (std::filesystem::temp_directory_path() / "typing-bench-XXXXXX").string();
    if (mkdtemp(folder_.data()) == nullptr || std::getenv("DISPLAY") == nullptr)
      return;
    app_ = std::make_unique<Application>(front_end_);
    front_end_.Attach(*app_);
    app_->Start(folder_);
    Fl::check();
  }
  ~OpenWindow() {
    app_.reset();
    std::filesystem::remove_all(folder_);
  }
  bool ok() const { return app_ != nullptr && front_end_.window() != nullptr; }
  FltkFrontEnd& front_end() { return front_end_; }

 private:
  std::string folder_;
  FltkFrontEnd front_end_;
  std::unique_ptr<Application> app_;
};

OpenWindow& TheWindow() {
  static OpenWindow window;
  return window;
}

void Key(Fl_Window& window, int key, const char* text) {
  Fl::e_keysym = key;
  Fl::e_state = 0;
  Fl::e_text = const_cast<char*>(text);
  Fl::e_length = static_cast<int>(std::char_traits<char>::length(text));
  Fl::handle(FL_KEYBOARD, &window);
}

double Milliseconds(std::chrono::steady_clock::time_point since) {
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - since)
      .count();
}

// Each round types one character at the end of the team line and draws the window;
// the line's length is state.range(0) bytes of UTF-8 (0: the box's own short line).
void BM_WindowTypeIntoTeamLine(benchmark::State& state) {
  OpenWindow& open = TheWindow();
  if (!open.ok()) {
    state.SkipWithError("no X display: run bench/window_typing.sh");
    return;
  }
  const auto length = static_cast<size_t>(state.range(0));
  if (length > 0)
    WriteText(编辑框1, prop::kContent, TextFromUtf8(TeamLineText(length, state.range(1) != 0)));
  FltkFrontEnd& front_end = open.front_end();
  front_end.FocusControl(编辑框1);  // the caret is after the last character
  Fl::flush();
  double first_ms = -1, slowest_ms = 0;
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    Key(*front_end.window(), 'a', "a");
    Fl::flush();
    const double ms = Milliseconds(start);
    // The first key brings the caret at the end of the text into sight: the box showed
    // the text's first rows when the board wrote it.
    if (first_ms < 0)
      first_ms = ms;
    else
      slowest_ms = std::max(slowest_ms, ms);
  }
  state.counters["first_key_ms"] = first_ms;
  state.counters["slowest_ms"] = slowest_ms;
  state.counters["bytes"] = static_cast<double>(ReadText(编辑框1, prop::kContent).size());
}
BENCHMARK(BM_WindowTypeIntoTeamLine)
    ->Args({0, 1})
    ->Args({100'000, 1})
    ->Args({1'000'000, 1})
    ->Args({100'000, 0})
    ->Args({1'000'000, 0})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(100);

// Types one character a round into the editor `window` holds, and draws.
void TypeIntoEditor(benchmark::State& state, Fl_Window& window) {
  double first_ms = -1, slowest_ms = 0;
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    Key(window, 0x7532, "甲");
    Fl::flush();
    const double ms = Milliseconds(start);
    if (first_ms < 0)
      first_ms = ms;
    slowest_ms = std::max(slowest_ms, ms);
  }
  state.counters["first_key_ms"] = first_ms;
  state.counters["slowest_ms"] = slowest_ms;
}

// The editor alone, in a box the size of a team line, wrapping a line of state.range(0)
// bytes without breaks: each round types one character at its end, or (state.range(1)
// 1) in its middle, the caret in sight from the start. FLTK's own editor is the reference.
void BM_FltkEditorTypeIntoLongLine(benchmark::State& state) {
  if (!TheWindow().ok()) {
    state.SkipWithError("no X display: run bench/window_typing.sh");
    return;
  }
  Fl_Window window(300, 200);
  Fl_Text_Buffer text;
  Fl_Text_Editor editor(10, 10, 240, 160);
  window.end();
  editor.buffer(&text);
  editor.wrap_mode(Fl_Text_Display::WRAP_AT_BOUNDS, 0);
  editor.scrollbar_width(0);
  editor.textsize(15);
  text.text(TeamLineText(static_cast<size_t>(state.range(0)), false).c_str());
  window.show();
  editor.take_focus();
  editor.insert_position(state.range(1) != 0 ? text.length() / 2 : text.length());
  editor.show_insert_position();
  Fl::flush();
  TypeIntoEditor(state, window);
  window.hide();
  editor.buffer(nullptr);
}
BENCHMARK(BM_FltkEditorTypeIntoLongLine)
    ->Args({1'000'000, 0})
    ->Args({1'000'000, 1})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(100);

void BM_TeamLineEditorTypeIntoLongLine(benchmark::State& state) {
  if (!TheWindow().ok()) {
    state.SkipWithError("no X display: run bench/window_typing.sh");
    return;
  }
  Fl_Window window(300, 200);
  WrappedTextEditor editor(10, 10, 240, 160);
  window.end();
  editor.textsize(15);
  editor.value(TeamLineText(static_cast<size_t>(state.range(0)), false));
  window.show();
  editor.take_focus();
  const int length = static_cast<int>(editor.value().size());
  editor.insert_position(state.range(1) != 0 ? length / 2 : length);
  Fl::flush();
  TypeIntoEditor(state, window);
  window.hide();
}
BENCHMARK(BM_TeamLineEditorTypeIntoLongLine)
    ->Args({1'000'000, 0})
    ->Args({1'000'000, 1})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(100);

}  // namespace
