// The journal's cost, side by side with the board without it: a credit (a quantity typed
// and a gift clicked, two actions) with the journal kept and without, and a resume of a
// three-hour game (20,000 actions) against a plain start-up.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "journal/journal.h"
#include "journal/journal_front_end.h"
#include "platform/headless/headless_front_end.h"
#include "services/property_model.h"
#include "shell/application.h"
#include "shell/control_ids.h"

namespace {

std::string TemporaryFolder() {
  std::string folder = (std::filesystem::temp_directory_path() / "journal-bench-XXXXXX").string();
  return mkdtemp(folder.data()) != nullptr ? folder : std::string();
}

void CreditWithJournal(benchmark::State& state, bool keeping) {
  const std::string folder = TemporaryFolder();
  if (folder.empty()) {
    state.SkipWithError("no temporary folder");
    return;
  }
  {
    HeadlessFrontEnd front_end(DateTimeFromCalendar(2016, 5, 3, 14, 5, 9));
    JournalFrontEnd journal_front_end(front_end);
    Application app(journal_front_end);
    front_end.Attach(app);
    std::vector<std::string> notes;
    std::unique_ptr<Journal> journal;
    if (keeping) {
      journal = std::make_unique<Journal>(folder, journal_front_end);
      journal->StartBoard(app, false, notes);
    } else {
      app.Start(folder);
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

void BM_CreditJournalOff(benchmark::State& state) {
  CreditWithJournal(state, false);
}
void BM_CreditJournalOn(benchmark::State& state) {
  CreditWithJournal(state, true);
}
BENCHMARK(BM_CreditJournalOff);
BENCHMARK(BM_CreditJournalOn);

// Three hours of a stream: 10,000 credits, each a quantity typed and a gift clicked, about
// a second apart, every clock tick of them to be caught up on the way.
std::string ThreeHourGame() {
  const std::string folder = TemporaryFolder();
  HeadlessFrontEnd front_end(DateTimeFromCalendar(2016, 5, 3, 14, 5, 9));
  JournalFrontEnd journal_front_end(front_end);
  Application app(journal_front_end);
  front_end.Attach(app);
  std::vector<std::string> notes;
  Journal journal(folder, journal_front_end);
  journal.StartBoard(app, false, notes);
  const ControlId gifts[] = {按钮9, 按钮10, 按钮11, 按钮12};
  for (int i = 0; i < 10'000; ++i) {
    front_end.Advance(1080);
    app.Type(编辑框3, std::to_string(1 + i % 5));
    app.Click(gifts[i % 4]);
  }
  return folder;
}

// Made once, removed when the program ends.
struct GameFolder {
  std::string path = ThreeHourGame();
  ~GameFolder() { std::filesystem::remove_all(path); }
};

void StartBoard(benchmark::State& state, bool resume) {
  static const GameFolder game;
  const std::string& folder = game.path;
  for (auto _ : state) {
    HeadlessFrontEnd front_end(DateTimeFromCalendar(2016, 5, 3, 14, 5, 9));
    JournalFrontEnd journal_front_end(front_end);
    Application app(journal_front_end);
    front_end.Attach(app);
    std::vector<std::string> notes;
    Journal journal(folder, journal_front_end);
    journal.StartBoard(app, resume, notes);
    if (resume && journal.actions_resumed() != 20'000)
      state.SkipWithError("the game did not come back whole");
    benchmark::DoNotOptimize(ReadText(编辑框9, prop::kContent));
  }
}

void BM_StartAfresh(benchmark::State& state) {
  StartBoard(state, false);
}
void BM_ResumeThreeHourGame(benchmark::State& state) {
  StartBoard(state, true);
}
BENCHMARK(BM_StartAfresh)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ResumeThreeHourGame)->Unit(benchmark::kMillisecond);

}  // namespace
