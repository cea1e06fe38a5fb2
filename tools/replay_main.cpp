// scoreboard-replay: runs the scoreboard headless and plays a script of the host's
// actions against it, printing what the board shows. A development and test tool.
#include <fcntl.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "overlay/outside_services.h"
#include "services/convert.h"
#include "services/file_services.h"
#include "shell/program_switches.h"
#include "shell/start_up_notice.h"
#include "tools/replay/runner.h"
#include "tools/replay/script_reader.h"

#ifdef _WIN32
// After the program's headers: windows.h defines macros such as CreateWindow.
#include <fcntl.h>
#include <io.h>
#include "services/windows_api.h"
// windows.h first: shellapi.h needs its types.
#include <shellapi.h>
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

// The arguments as UTF-8 (folder and script names may be Chinese). Windows hands a
// program its command line in the ANSI code page, which holds no Chinese on most
// systems, so there they come from the UTF-16 command line instead.
std::vector<std::string> Utf8Arguments(int argc, char** argv) {
#ifdef _WIN32
  (void)argv;
  int count = 0;
  LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::string> arguments;
  for (int i = 0; wide != nullptr && i < count; ++i) {
    const int length = WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, nullptr, 0, nullptr, nullptr);
    std::string utf8(length > 0 ? static_cast<std::size_t>(length) : 1u, '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, utf8.data(), length, nullptr, nullptr);
    utf8.pop_back();  // the NUL that came with it
    arguments.push_back(std::move(utf8));
  }
  LocalFree(wide);
  if (count == argc)
    return arguments;
  arguments.clear();
#endif
  return std::vector<std::string>(argv, argv + argc);
}

std::filesystem::path PathFromUtf8(const std::string& utf8) {
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string Utf8FromPath(const std::filesystem::path& path) {
  const std::u8string utf8 = path.u8string();
  return std::string(utf8.begin(), utf8.end());
}

// The script file as a descriptor that ScriptReader reads; its name is UTF-8.
int OpenScript(const std::string& utf8_path) {
#ifdef _WIN32
  return _wopen(PathFromUtf8(utf8_path).c_str(), _O_RDONLY | _O_BINARY);
#else
  return open(utf8_path.c_str(), O_RDONLY | O_CLOEXEC);
#endif
}

int Usage() {
  std::fprintf(stderr,
               "usage: scoreboard-replay [--dir DIR] [--now \"YYYY-MM-DD HH:MM:SS\"] "
               "[--overlay-dir DIR] [--resume] [SCRIPT]\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  UseBytesAsTheyAre();
  const std::vector<std::string> args = Utf8Arguments(argc, argv);
  ReplayOptions options;
  std::optional<DateTime> start;
  bool dir_given = false;
  const char* script_path = nullptr;
  std::vector<NativePath> program_arguments;
  for (std::size_t i = 1; i < args.size(); ++i) {
    if (args[i] == "--dir" && i + 1 < args.size()) {
      options.run_directory = args[++i];
      dir_given = true;
    } else if (args[i] == "--now" && i + 1 < args.size()) {
      start = ParseLocalTime(args[++i]);
      if (!start)
        return Usage();
    } else if (args[i].size() > 2 && args[i].compare(0, 2, "--") == 0) {
      // The program's own switches, read as both windows read them.
      const std::size_t equals = args[i].find('=');
      const std::string name = args[i].substr(2, equals == std::string::npos ? equals : equals - 2);
      program_arguments.push_back(NativePathFromUtf8(args[i]));
      if (equals == std::string::npos && SwitchTakesValue(name) && i + 1 < args.size())
        program_arguments.push_back(NativePathFromUtf8(args[++i]));
    } else if (args[i].size() > 1 && args[i][0] == '-') {
      return Usage();
    } else if (script_path == nullptr) {
      script_path = args[i].c_str();
    } else {
      return Usage();
    }
  }
  if (options.run_directory.empty())
    options.run_directory =
        std::string(".");  // not `= "."`: g++ 12's false -Wrestrict (GCC bug 105329)
  // Record paths are built from the run directory, so it is made absolute once.
  std::error_code ignored;
  const auto absolute = std::filesystem::absolute(PathFromUtf8(options.run_directory), ignored);
  if (!ignored)
    options.run_directory = Utf8FromPath(absolute.lexically_normal());
  if (options.run_directory.size() > 1 && options.run_directory.back() == kPathSeparator)
    options.run_directory.pop_back();
  options.start = start ? *start : CurrentDateTime();
  // The driver's records folder is its run directory: its scoreboard-options.txt counts.
  ProgramSwitches switches;
  ReadCommandLineSwitches(program_arguments, switches);
  if (!switches.problems.empty()) {
    std::fprintf(stderr, "error: %s\n", switches.problems.front().c_str());
    return Usage();
  }
  ReadOptionsFile(NativePathFromUtf8(options.run_directory), switches);

  // The script is opened before start-up, which makes the run directory current.
  const bool from_stdin = script_path == nullptr || std::strcmp(script_path, "-") == 0;
  const int fd = from_stdin ? 0 : OpenScript(script_path);
  if (fd < 0) {
    std::fprintf(stderr, "error: cannot read %s\n", script_path);
    return 2;
  }
  options.keep_journal = dir_given;
  options.resume = switches.resume();
  ReplayRunner runner(options);
  switches.problems.insert(switches.problems.end(), runner.notes().begin(), runner.notes().end());
  OutsideServices outside(switches, runner.application(), switches.problems);
  TellHostAfterStartUp(switches.problems);
  ScriptReader script(fd);
  std::string line;
  for (int number = 1; script.Next(line); ++number) {
    // Clicks that came through the local server while the driver waited for this line
    // run before it.
    runner.application().RunQueued();
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
