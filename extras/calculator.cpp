// "计算器" opens the system calculator, minimised, and does not wait for it.
#include "services/message_services.h"
#include "shell/handlers.h"

void 按钮34_Clicked() {
  RunProgram("C:\\Windows\\System32\\calc.exe", false, show_style::kMinimised);
}
