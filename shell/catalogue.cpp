#include "shell/catalogue.h"

namespace {

// Constant-initialised, so that they hold their values before any dynamic initialiser
// (the installing one included) runs.
constinit const WindowSpec kNoWindow{
    .title = "", .outer = {}, .background_picture = nullptr, .bindings = {}};
constinit const WindowSpec* g_window = &kNoWindow;
constinit std::span<const ControlSpec> g_controls{};
constinit std::span<const TimerWake> g_timer_wakes{};

}  // namespace

InstalledCatalogue::InstalledCatalogue(const WindowSpec& window,
                                       std::span<const ControlSpec> controls,
                                       std::span<const TimerWake> timer_wakes) {
  g_window = &window;
  g_controls = controls;
  g_timer_wakes = timer_wakes;
}

const WindowSpec& MainWindowSpec() {
  return *g_window;
}

std::span<const ControlSpec> MainCatalogue() {
  return g_controls;
}

std::span<const TimerWake> MainTimerWakes() {
  return g_timer_wakes;
}
