// build/scoreboard: the scoreboard in its Linux window.
#include <optional>
#include <string>
#include <vector>

#include "journal/journal.h"
#include "overlay/outside_services.h"
#include "platform/fltk/fltk_front_end.h"
#include "platform/fltk/global_hotkeys.h"
#include "services/file_services.h"
#include "services/record_folder.h"
#include "shell/application.h"
#include "shell/hotkey_file.h"
#include "shell/program_switches.h"
#include "shell/start_up_notice.h"

int main(int argc, char** argv) {
  // No records folder (the program's place unknown, or an installed program without a
  // data folder) means no options file and saves that fail and say so.
  const std::optional<NativePath> records = RecordFolderOfProgram(ExecutableDirectory());
  // The arguments are the system's bytes, as file names are.
  ProgramSwitches switches =
      ReadProgramSwitches(std::vector<NativePath>(argv + 1, argv + argc), records);
  FltkFrontEnd front_end;
  JournalFrontEnd journal_front_end(front_end);
  Application app(journal_front_end);
  front_end.Attach(app);
  Journal journal(records, journal_front_end);
  journal.StartBoard(app, switches.resume(), switches.problems);
  OutsideServices outside(switches, app, switches.problems);
  // A hotkey clicks as the mouse does, and does nothing where the mouse could not.
  HotkeyFile hotkey_file = HotkeysOfSwitches(switches);
  switches.problems.insert(switches.problems.end(), hotkey_file.problems.begin(),
                           hotkey_file.problems.end());
  GlobalHotkeys hotkeys(
      std::move(hotkey_file.bindings), [&app](ControlId control) { app.Click(control); },
      switches.problems);
  TellHostAfterStartUp(switches.problems);
  return app.Run();
}
