// scoreboard.exe: the program on the Windows desktop.
#include <optional>
#include <vector>

#include "journal/journal.h"
#include "overlay/outside_services.h"
#include "platform/win32/global_hotkeys.h"
#include "platform/win32/win32_front_end.h"
#include "services/file_services.h"
#include "shell/application.h"
#include "shell/hotkey_file.h"
#include "shell/program_switches.h"
#include "shell/start_up_notice.h"

// After the program's headers: windows.h defines macros such as CreateWindow.
#include <windows.h>
// windows.h first: these need its types.
#include <commctrl.h>
#include <shellapi.h>

namespace {

// The switches as the system passed them, in UTF-16, so folder names keep every character.
std::vector<NativePath> CommandLineArguments() {
  int count = 0;
  LPWSTR* words = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<NativePath> arguments;
  for (int i = 1; words != nullptr && i < count; ++i) arguments.emplace_back(words[i]);
  LocalFree(words);
  return arguments;
}

}  // namespace

extern "C" int WINAPI wWinMain(HINSTANCE /*instance*/, HINSTANCE /*previous*/,
                               PWSTR /*command_line*/, int /*show*/) {
  INITCOMMONCONTROLSEX classes{sizeof classes,
                               ICC_STANDARD_CLASSES | ICC_BAR_CLASSES | ICC_PROGRESS_CLASS};
  InitCommonControlsEx(&classes);
  // The folder of the exe (GetModuleFileNameW, cut at the last real separator) becomes
  // the run directory and the current directory; scoreboard-options.txt is read there.
  // When the exe's place cannot be had there is none: the window opens all the same,
  // no options file is read and every save fails and says so.
  const std::optional<NativePath> folder = ExecutableDirectory();
  ProgramSwitches switches = ReadProgramSwitches(CommandLineArguments(), folder);
  Win32FrontEnd front_end;
  JournalFrontEnd journal_front_end(front_end);
  Application application(journal_front_end);
  front_end.Attach(application);
  Journal journal(folder, journal_front_end);
  journal.StartBoard(application, switches.resume(), switches.problems);
  OutsideServices outside(switches, application, switches.problems);
  // A hotkey clicks as the mouse does, and does nothing where the mouse could not.
  HotkeyFile hotkey_file = HotkeysOfSwitches(switches);
  switches.problems.insert(switches.problems.end(), hotkey_file.problems.begin(),
                           hotkey_file.problems.end());
  GlobalHotkeys hotkeys(
      front_end, std::move(hotkey_file.bindings),
      [&application](ControlId control) { application.Click(control); }, switches.problems);
  TellHostAfterStartUp(switches.problems);
  return application.Run();
}
