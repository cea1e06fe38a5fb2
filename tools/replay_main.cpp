// scoreboard-replay: runs the scoreboard headless and plays a script of the host's
// actions against it, printing what the board shows. A development and test tool.
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "services/convert.h"
#include "services/file_services.h"
#include "tools/replay/runner.h"

#ifdef _WIN32
// After the program's headers: windows.h defines macros such as CreateWindow.
#include <fcntl.h>
#include <io.h>
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#endif

namespace {

// The driver speaks UTF-8 with "\n" line ends on every platform, so one expected output
// serves Linux and Windows: no CR LF from the C runtime's text mode, and a console shows
// the UTF-8 as UTF-8.
void UseBytesAsTheyAre() {
#ifdef _WIN32
  _setmode(_fileno(stdin), _O_BINARY);
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
  SetConsoleOutputCP(CP_UTF8);
#endif
}

int Usage() {
  std::fprintf(stderr,
               "usage: scoreboard-replay [--dir DIR] [--now \"YYYY-MM-DD HH:MM:SS\"] [SCRIPT]\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  UseBytesAsTheyAre();
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
  if (options.run_directory.size() > 1 && options.run_directory.back() == kPathSeparator)
    options.run_directory.pop_back();
  options.start = start ? *start : CurrentDateTime();

  // The script is opened before start-up, which makes the run directory current.
  std::ifstream file;
  const bool from_stdin = script_path == nullptr || std::strcmp(script_path, "-") == 0;
  if (!from_stdin) {
    file.open(script_path, std::ios::binary);
    if (!file) {
      std::fprintf(stderr, "error: cannot read %s\n", script_path);
      return 2;
    }
  }
  ReplayRunner runner(options);
  return runner.Run(from_stdin ? std::cin : file);
}
