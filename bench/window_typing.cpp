// One key typed into a team line of the real window, as the host types it: the key goes
// through FLTK's text editor, the edit reaches the board, the team line's style rule
// runs, and the window draws what changed. A long team line against a short one.
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
  double slowest_ms = 0;
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    Key(*front_end.window(), 'a', "a");
    Fl::flush();
    slowest_ms =
        std::max(slowest_ms,
                 std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                     .count());
  }
  // Where the caret reaches the end of the last row shown FLTK counts the rows itself.
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

}  // namespace
