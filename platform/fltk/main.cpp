// build/scoreboard: the scoreboard in its Linux window.
#include "platform/fltk/fltk_front_end.h"
#include "services/file_services.h"
#include "services/record_folder.h"
#include "shell/application.h"

int main() {
  FltkFrontEnd front_end;
  Application app(front_end);
  front_end.Attach(app);
  app.Start(RecordFolderOfProgram(ExecutableDirectory()));
  return app.Run();
}
