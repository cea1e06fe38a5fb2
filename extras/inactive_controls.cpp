// The room-feature controls of the lower block stay disabled for good; the handlers
// bound to them do nothing.
#include "shell/handlers.h"

SCOREBOARD_HANDLER(编辑框19_ContentChanged) {
  (void)args;
  return std::nullopt;
}

SCOREBOARD_HANDLER(列表框2_ListEvent0) {
  (void)args;
  return std::nullopt;
}

SCOREBOARD_HANDLER(按钮54_Clicked) {
  (void)args;
  return std::nullopt;
}

SCOREBOARD_HANDLER(超级按钮2_Clicked) {
  (void)args;
  return std::nullopt;
}
