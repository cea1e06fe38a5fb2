// The picture-gift credit with the overlay folder off and on, side by side: with it on,
// each click also builds and publishes the board's snapshot, while the files are written
// by the writer thread, so the click should stay within a tenth of its time without.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <string>
#include <vector>

#include "overlay/outside_services.h"
#include "platform/headless/headless_front_end.h"
#include "services/property_model.h"
#include "shell/application.h"
#include "shell/control_ids.h"

namespace {

void CreditWithOverlay(benchmark::State& state, bool overlay_on) {
  std::string folder = (std::filesystem::temp_directory_path() / "overlay-bench-XXXXXX").string();
  if (mkdtemp(folder.data()) == nullptr) {
    state.SkipWithError("no temporary folder");
    return;
  }
  {
    HeadlessFrontEnd front_end(DateTimeFromCalendar(2016, 5, 3, 14, 5, 9));
    Application app(front_end);
    front_end.Attach(app);
    app.Start(folder);
    ProgramSwitches switches;
    if (overlay_on) {
      std::filesystem::create_directory(folder + "/overlay");
      switches.given.emplace("overlay-dir", folder + "/overlay");
    }
    std::vector<std::string> problems;
    OutsideServices outside(switches, app, problems);
    if (!problems.empty()) {
      state.SkipWithError(problems.front().c_str());
      return;
    }
    const Text quantity = "2";
    for (auto _ : state) {
      app.Type(编辑框3, quantity);
      app.Click(按钮9);  // the 188-bean gift of the lollipop team
    }
    benchmark::DoNotOptimize(ReadText(编辑框13, prop::kContent));
  }
  std::filesystem::remove_all(folder);
}

void BM_CreditOverlayOff(benchmark::State& state) {
  CreditWithOverlay(state, false);
}
void BM_CreditOverlayOn(benchmark::State& state) {
  CreditWithOverlay(state, true);
}
BENCHMARK(BM_CreditOverlayOff);
BENCHMARK(BM_CreditOverlayOn);

}  // namespace

namespace {
// The snapshot alone, without the writer thread: what the click itself pays.
void BM_CreditSnapshotOnly(benchmark::State& state) {
  std::string folder = (std::filesystem::temp_directory_path() / "overlay-bench-XXXXXX").string();
  if (mkdtemp(folder.data()) == nullptr) {
    state.SkipWithError("no temporary folder");
    return;
  }
  {
    HeadlessFrontEnd front_end(DateTimeFromCalendar(2016, 5, 3, 14, 5, 9));
    Application app(front_end);
    front_end.Attach(app);
    app.Start(folder);
    PublishedBoard board;
    BoardFeed feed(board);
    feed.PublishNow(app.model());
    app.Watch(&feed);
    const Text quantity = "2";
    for (auto _ : state) {
      app.Type(编辑框3, quantity);
      app.Click(按钮9);
    }
    app.Watch(nullptr);
  }
  std::filesystem::remove_all(folder);
}
BENCHMARK(BM_CreditSnapshotOnly);
}  // namespace
