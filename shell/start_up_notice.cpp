#include "shell/start_up_notice.h"

#include <cstdio>

#include "services/control_host.h"
#include "services/message_services.h"
#include "shell/runtime.h"

void TellHostAfterStartUp(const std::vector<std::string>& utf8_problems) {
  if (utf8_problems.empty())
    return;
  std::string shown = "以下设置未生效，计分板照常运行：\n";
  for (const std::string& problem : utf8_problems) {
    std::fprintf(stderr, "scoreboard: %s\n", problem.c_str());
    shown += "\n" + problem;
  }
  std::fflush(stderr);
  if (HasRuntime() && TheRuntime().model != nullptr)
    TheControlHost().MessageBox(TextFromUtf8(shown), Gb("计分板"), message_flags::kIconError);
}
