#pragma once
// The hotkey file's keys, grabbed on the X11 root window so that they reach the board
// whichever window has the focus. Kept apart from the widgets because the X11 headers
// name global types that clash with the program's own.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "shell/hotkey_file.h"

class GlobalHotkeys {
 public:
  // Grabs every binding's key; a key another client holds already is added to
  // `problems` with its line, and the others work. `click` runs on the window's thread
  // once per press of a bound key, never for the repeats of a held key.
  GlobalHotkeys(std::vector<HotkeyBinding> bindings, std::function<void(ControlId)> click,
                std::vector<std::string>& problems);
  // Lets the keys go again.
  ~GlobalHotkeys();
  GlobalHotkeys(const GlobalHotkeys&) = delete;
  GlobalHotkeys& operator=(const GlobalHotkeys&) = delete;

 private:
  struct Grabs;
  std::unique_ptr<Grabs> grabs_;
};
