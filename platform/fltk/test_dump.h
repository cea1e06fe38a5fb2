#pragma once
// For the window tests only: with SCOREBOARD_TEST_DUMP=FILE in the environment, the
// signal SIGUSR1 makes the program write what the model holds to FILE, so that a test
// driving the real window can read the board without reading pixels. Without the
// variable nothing is installed and the message loop does not look.
#include "services/control_model.h"

class TestDump {
 public:
  // Installs the signal handler when the variable is set.
  TestDump();
  bool armed() const { return path_ != nullptr; }
  // Writes the file if a dump was asked for since the last call: per control in
  // catalogue order "NAME.text=", "NAME.takes_input=", "NAME.tab_stop=", then
  // "focus=NAME" (empty when no control has the keyboard). CR and LF in texts are
  // written as \r and \n. The file appears whole (written aside, then renamed).
  void Serve(const ControlModel& model, ControlId focused);

 private:
  const char* path_ = nullptr;
};
