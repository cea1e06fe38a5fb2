// scoreboard-replay: runs the scoreboard headless and plays a script of the host's
// actions against it, printing what the board shows. A development and test tool.
#include <fcntl.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

#include "services/convert.h"
#include "services/file_services.h"
#include "tools/replay/runner.h"
#include "tools/replay/script_reader.h"

namespace {

int Usage() {
  std::fprintf(stderr,
               "usage: scoreboard-replay [--dir DIR] [--now \"YYYY-MM-DD HH:MM:SS\"] [SCRIPT]\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  ReplayOptions options;
  std::optional<DateTime> start;
  const char* script_path = nullptr;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--dir") == 0 && i + 1 < argc) {
      options.run_directory = argv[++i];
    } else if (std::strcmp(argv[i], "--now") == 0 && i + 1 < argc) {
      start = ParseLocalTime(argv[++i]);
      if (!start)
        return Usage();
    } else if (argv[i][0] == '-' && argv[i][1] != '\0') {
      return Usage();
    } else if (script_path == nullptr) {
      script_path = argv[i];
    } else {
      return Usage();
    }
  }
  if (options.run_directory.empty())
    options.run_directory =
        std::string(".");  // not `= "."`: g++ 12's false -Wrestrict (GCC bug 105329)
  // Record paths are built from the run directory, so it is made absolute once.
  std::error_code ignored;
  const auto absolute = std::filesystem::absolute(options.run_directory, ignored);
  if (!ignored)
    options.run_directory = absolute.lexically_normal().string();
  if (options.run_directory.size() > 1 && options.run_directory.back() == '/')
    options.run_directory.pop_back();
  options.start = start ? *start : CurrentDateTime();

  // The script is opened before start-up, which makes the run directory current.
  const bool from_stdin = script_path == nullptr || std::strcmp(script_path, "-") == 0;
  const int fd = from_stdin ? 0 : open(script_path, O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    std::fprintf(stderr, "error: cannot read %s\n", script_path);
    return 2;
  }
  ReplayRunner runner(options);
  ScriptReader script(fd);
  std::string line;
  for (int number = 1; script.Next(line); ++number) {
    if (!runner.RunLine(line, number))
      return 2;
  }
  std::fflush(stdout);
  if (script.error() != 0) {
    std::fprintf(stderr, "error: reading the script: %s\n", std::strerror(script.error()));
    return 2;
  }
  return 0;
}
