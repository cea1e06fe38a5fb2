// One save into a folder where slots 0 to 49 are taken: the full check, the probe of
// fifty taken slots, the record composed, flushed to disk and moved into slot 50. The
// new record is removed between iterations, outside the timing.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "platform/headless/headless_front_end.h"
#include "records/record_slots.h"
#include "shell/application.h"
#include "shell/control_ids.h"
#include "tests/support/utf8_path.h"

namespace {

namespace fs = std::filesystem;

void BM_SaveIntoSlot50(benchmark::State& state) {
  std::string folder_name = (fs::temp_directory_path() / "save-bench-XXXXXX").string();
  if (mkdtemp(folder_name.data()) == nullptr) {
    state.SkipWithError("no temporary folder");
    return;
  }
  const fs::path folder = folder_name;
  for (int slot = 0; slot < kLastSlot; ++slot)
    std::ofstream(folder / PathFromUtf8(Utf8FromText(SlotFileName(slot)))) << "taken";
  const fs::path slot50 = folder / PathFromUtf8(Utf8FromText(SlotFileName(kLastSlot)));
  {
    HeadlessFrontEnd front_end(DateTimeFromCalendar(2016, 5, 3, 14, 5, 9));
    Application app(front_end);
    front_end.Attach(app);
    app.Start(folder.native());
    front_end.Advance(1000);  // the clock label holds a time
    for (auto _ : state) {
      app.Click(超级按钮1);
      state.PauseTiming();
      if (!fs::remove(slot50)) {
        state.SkipWithError("the save did not write slot 50");
        break;
      }
      state.ResumeTiming();
    }
    if (front_end.message_boxes != 0)
      state.SkipWithError("the save showed a message");
  }
  fs::remove_all(folder);
}
BENCHMARK(BM_SaveIntoSlot50)->Unit(benchmark::kMicrosecond);

}  // namespace
