// One key typed into a team line through the headless front end: the edit reaches the
// board and the team line's style rule runs, as after every key in the window. A long
// team line against a short one.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <string>
#include <utility>

#include "bench/team_line_text.h"
#include "platform/headless/headless_front_end.h"
#include "services/property_model.h"
#include "shell/application.h"
#include "shell/control_ids.h"

namespace {

// state.range(0): the line's length in bytes of UTF-8 (0: a short line), all in one row.
void BM_TypeIntoTeamLine(benchmark::State& state) {
  std::string folder = (std::filesystem::temp_directory_path() / "typing-bench-XXXXXX").string();
  if (mkdtemp(folder.data()) == nullptr) {
    state.SkipWithError("no temporary folder");
    return;
  }
  {
    HeadlessFrontEnd front_end(DateTimeFromCalendar(2016, 5, 3, 14, 5, 9));
    Application app(front_end);
    front_end.Attach(app);
    app.Start(folder);
    const auto length = static_cast<size_t>(state.range(0));
    const Text line = TextFromUtf8(length > 0 ? TeamLineText(length, false) : "棒棒糖队：");
    for (auto _ : state) {
      // The front end hands over the box's whole text, a new one at every key.
      Text typed = line;
      typed += 'a';
      app.Edited(编辑框1, std::move(typed));
    }
    state.counters["bytes"] = static_cast<double>(ReadText(编辑框1, prop::kContent).size());
  }
  std::filesystem::remove_all(folder);
}
BENCHMARK(BM_TypeIntoTeamLine)->Arg(0)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMicrosecond);

}  // namespace
