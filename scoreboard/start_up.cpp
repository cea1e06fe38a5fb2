// The start-up step: the window is built; ready it for the game.
#include "scoreboard/board.h"
#include "scoreboard/game.h"
#include "shell/catalogue.h"
#include "shell/handlers.h"

void MainWindow_Created() {
  WriteInteger(kProgressTimer, prop::kInterval, 50);
  for (const ControlSpec& entry : MainCatalogue()) {
    if ((entry.flags & kEnabledAtStartUp) != 0)
      board::Enable(entry.control.id);
  }
  WriteLogical(kHostFee, prop::kVisible, true);
}
