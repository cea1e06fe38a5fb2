// "计算器" opens the system calculator, minimised, and does not wait for it.
#include "services/message_services.h"
#include "shell/handlers.h"

SCOREBOARD_HANDLER(按钮34_Clicked) {
  (void)args;
  RunProgram("C:\\Windows\\System32\\calc.exe", false, 262144);
  return std::nullopt;
}
