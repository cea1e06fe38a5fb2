#pragma once
// The hotkey file's keys, registered with the system for the main window, so that they
// reach the board whichever program has the focus.
#include <functional>
#include <string>
#include <vector>

#include "shell/hotkey_file.h"

class Win32FrontEnd;

class GlobalHotkeys {
 public:
  // Registers every binding's key; a key another program holds already is added to
  // `problems` with its line, and the others work. `click` runs once per press, never
  // for the repeats of a held key.
  GlobalHotkeys(Win32FrontEnd& front_end, std::vector<HotkeyBinding> bindings,
                std::function<void(ControlId)> click, std::vector<std::string>& problems);
  // Lets the keys go again.
  ~GlobalHotkeys();
  GlobalHotkeys(const GlobalHotkeys&) = delete;
  GlobalHotkeys& operator=(const GlobalHotkeys&) = delete;

 private:
  Win32FrontEnd& front_end_;
  std::vector<ControlId> registered_;  // by hotkey id - 1; 0 where registering failed
  std::function<void(ControlId)> click_;
};
