// One picture-gift credit with every rule it sets off: the score write and inside it the
// difference and the leader highlight, the total beans and inside it the host fee, the
// current beans, the last-gift boxes and the emptied quantity box.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <string>

#include "platform/headless/headless_front_end.h"
#include "services/property_model.h"
#include "shell/application.h"
#include "shell/control_ids.h"

namespace {

void BM_PictureGiftCredit(benchmark::State& state) {
  std::string folder = (std::filesystem::temp_directory_path() / "credit-bench-XXXXXX").string();
  if (mkdtemp(folder.data()) == nullptr) {
    state.SkipWithError("no temporary folder");
    return;
  }
  {
    HeadlessFrontEnd front_end(DateTimeFromCalendar(2016, 5, 3, 14, 5, 9));
    Application app(front_end);
    front_end.Attach(app);
    app.Start(folder);
    const Text quantity = "2";
    for (auto _ : state) {
      app.Type(编辑框3, quantity);
      app.Click(按钮9);  // the 188-bean gift of the lollipop team
    }
    benchmark::DoNotOptimize(ReadText(编辑框13, prop::kContent));
  }
  std::filesystem::remove_all(folder);
}
BENCHMARK(BM_PictureGiftCredit);

}  // namespace
