#include "platform/fltk/test_dump.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

namespace {

volatile std::sig_atomic_t g_requested = 0;

extern "C" void RequestDump(int) {
  g_requested = 1;
}

std::string Escaped(const Text& text) {
  std::string out;
  for (const char ch : Utf8FromText(text)) {
    if (ch == '\r')
      out += "\\r";
    else if (ch == '\n')
      out += "\\n";
    else if (ch == '\\')
      out += "\\\\";
    else
      out += ch;
  }
  return out;
}

}  // namespace

TestDump::TestDump() : path_(std::getenv("SCOREBOARD_TEST_DUMP")) {
  if (path_ != nullptr && *path_ == '\0')
    path_ = nullptr;
  if (path_ != nullptr)
    std::signal(SIGUSR1, RequestDump);
}

void TestDump::Serve(const ControlModel& model, ControlId focused, double scale,
                     const ScreenLines& screen) {
  if (path_ == nullptr || g_requested == 0)
    return;
  g_requested = 0;
  const std::string aside = std::string(path_) + ".part";
  {
    std::ofstream out(aside, std::ios::binary | std::ios::trunc);
    std::string focus_name;
    out << "scale=" << scale << '\n';
    for (const Control& c : model.controls()) {
      const std::string& name = c.name;
      out << name << ".text=" << Escaped(c.text) << '\n'
          << name << ".takes_input=" << (model.TakesInput(c) ? 1 : 0) << '\n'
          << name << ".tab_stop=" << (c.tab_stop ? 1 : 0) << '\n'
          << name << ".position=" << c.position << '\n'
          << name << ".checked=" << (c.checked ? 1 : 0) << '\n'
          << screen(c);
      if (c.id == focused)
        focus_name = name;
    }
    out << "focus=" << focus_name << '\n';
  }
  std::rename(aside.c_str(), path_);
}
