// scoreboard.exe: the program on the Windows desktop.
#include <windows.h>

#include <commctrl.h>

#include "platform/win32/win32_front_end.h"
#include "services/file_services.h"
#include "shell/application.h"

extern "C" int WINAPI wWinMain(HINSTANCE /*instance*/, HINSTANCE /*previous*/,
                               PWSTR /*command_line*/, int /*show*/) {
  INITCOMMONCONTROLSEX classes{sizeof classes,
                               ICC_STANDARD_CLASSES | ICC_BAR_CLASSES | ICC_PROGRESS_CLASS};
  InitCommonControlsEx(&classes);
  Win32FrontEnd front_end;
  Application application(front_end);
  front_end.Attach(application);
  // The folder of the exe (GetModuleFileNameW, cut at the last real separator) becomes
  // the run directory and the current directory. When the exe's place cannot be had
  // there is none: the window opens all the same and every save fails and says so.
  application.Start(ExecutableDirectory());
  return application.Run();
}
