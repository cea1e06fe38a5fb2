#pragma once
// For the window tests only: with SCOREBOARD_TEST_DUMP=FILE in the environment, the
// signal SIGUSR1 makes the program write what the model holds to FILE, so that a test
// driving the real window can read the board without reading pixels. Without the
// variable nothing is installed and the message loop does not look.
#include <functional>
#include <string>

#include "services/control_model.h"

class TestDump {
 public:
  // Installs the signal handler when the variable is set.
  TestDump();
  bool armed() const { return path_ != nullptr; }
  // What the screen shows of a control, as lines "NAME.KEY=VALUE\n" (empty for none).
  using ScreenLines = std::function<std::string(const Control&)>;
  // Writes the file if a dump was asked for since the last call: "scale=" (the window's
  // display scale), then per control in catalogue order "NAME.text=",
  // "NAME.takes_input=", "NAME.tab_stop=", "NAME.position=", "NAME.checked=" and the
  // `screen` lines, then "focus=NAME" (empty when no control has the keyboard). CR and LF
  // in texts are written as \r and \n. The file appears whole (written aside, then
  // renamed).
  void Serve(const ControlModel& model, ControlId focused, double scale, const ScreenLines& screen);

 private:
  const char* path_ = nullptr;
};
