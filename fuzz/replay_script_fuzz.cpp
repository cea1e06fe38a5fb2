// The replay driver's script reader on any bytes, and the lines it accepts played against
// a freshly started board: reading never crashes, a parsed line keeps its words in
// order, and no sequence of the host's actions crashes the program or makes it print a
// text that is not UTF-8.
#include <stdlib.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <sstream>
#include <string>

#include "fuzz/fuzz_support.h"
#include "journal/script.h"
#include "tests/hostile/well_formed.h"
#include "tools/replay/runner.h"

namespace {

// Virtual time one input may let pass, so that one run stays short.
constexpr long kMaxWaitPerInput = 20000;
constexpr int kMaxLinesPerInput = 64;

const std::string& RunDirectory() {
  static const std::string folder = [] {
    std::string pattern = "/tmp/replay-fuzz-XXXXXX";
    if (mkdtemp(pattern.data()) == nullptr)
      std::abort();
    return pattern;
  }();
  return folder;
}

const std::filesystem::path& StartDirectory() {
  static const std::filesystem::path start = std::filesystem::current_path();
  return start;
}

void EmptyRunDirectory() {
  std::error_code ignored;
  for (const auto& entry : std::filesystem::directory_iterator(RunDirectory(), ignored))
    std::filesystem::remove_all(entry.path(), ignored);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  std::istringstream lines(input);
  std::string line;
  std::string playable;
  long waited = 0;
  int number = 0;
  while (std::getline(lines, line) && number < kMaxLinesPerInput) {
    ++number;
    const auto parsed = ParseScriptLine(line, number);
    if (!parsed)
      continue;
    FUZZ_CHECK(line.find(parsed->command) != std::string::npos);  // an empty "" is fine too
    for (const std::string& word : parsed->words) FUZZ_CHECK(line.find(word) != std::string::npos);
    const std::string unescaped = UnescapeLineBreaks(parsed->rest_after_name);
    FUZZ_CHECK(unescaped.size() <= parsed->rest_after_name.size());
    if (parsed->command == "wait") {
      if (parsed->words.empty())
        continue;
      const long ms = std::strtol(parsed->words[0].c_str(), nullptr, 10);
      if (ms < 0 || ms > kMaxWaitPerInput - waited)
        continue;
      waited += ms;
    }
    playable += line + "\n";
  }

  StartDirectory();
  // Every line the driver prints must be UTF-8, so the board's texts must convert.
  char* printed = nullptr;
  std::size_t printed_size = 0;
  std::FILE* out = open_memstream(&printed, &printed_size);
  {
    ReplayOptions options;
    options.run_directory = RunDirectory();
    options.start = DateTimeFromCalendar(2016, 5, 3, 14, 5, 9);
    ReplayRunner runner(options, out);
    std::istringstream script(playable);
    runner.Run(script);
  }
  std::fclose(out);
  // The program makes its run directory the current one; libFuzzer reads and writes its
  // corpus by relative paths, so the fuzzer's own directory comes back.
  std::filesystem::current_path(StartDirectory());
  FUZZ_CHECK(well_formed::IsUtf8(std::string_view(printed, printed_size)));
  free(printed);
  EmptyRunDirectory();
  return 0;
}
