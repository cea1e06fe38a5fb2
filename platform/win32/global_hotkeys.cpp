#include "platform/win32/global_hotkeys.h"

#include "platform/win32/win32_front_end.h"

#ifndef MOD_NOREPEAT
#define MOD_NOREPEAT 0x4000
#endif

namespace {

UINT SystemModifiers(uint32_t modifiers) {
  UINT system = MOD_NOREPEAT;  // a held key clicks once
  if ((modifiers & hotkey_modifier::kCtrl) != 0)
    system |= MOD_CONTROL;
  if ((modifiers & hotkey_modifier::kAlt) != 0)
    system |= MOD_ALT;
  if ((modifiers & hotkey_modifier::kShift) != 0)
    system |= MOD_SHIFT;
  if ((modifiers & hotkey_modifier::kWin) != 0)
    system |= MOD_WIN;
  return system;
}

}  // namespace

GlobalHotkeys::GlobalHotkeys(Win32FrontEnd& front_end, std::vector<HotkeyBinding> bindings,
                             std::function<void(ControlId)> click,
                             std::vector<std::string>& problems)
    : front_end_(front_end), click_(std::move(click)) {
  HWND window = front_end_.main_window();
  if (bindings.empty() || window == nullptr)
    return;
  for (const HotkeyBinding& binding : bindings) {
    // Hotkey ids count from 1, in the order of the file.
    const int id = static_cast<int>(registered_.size()) + 1;
    if (RegisterHotKey(window, id, SystemModifiers(binding.key.modifiers),
                       static_cast<UINT>(binding.key.virtual_key))) {
      registered_.push_back(binding.control);
    } else {
      registered_.push_back(0);
      const DWORD error = GetLastError();
      problems.push_back(error == ERROR_HOTKEY_ALREADY_REGISTERED
                             ? HeldByAnotherProgram(binding)
                             : binding.where + ": " + binding.keys +
                                   " cannot be registered (error " + std::to_string(error) + ")");
    }
  }
  front_end_.OnHotkey([this](int id) {
    if (id >= 1 && static_cast<size_t>(id) <= registered_.size() &&
        registered_[static_cast<size_t>(id - 1)] != 0)
      click_(registered_[static_cast<size_t>(id - 1)]);
  });
}

GlobalHotkeys::~GlobalHotkeys() {
  front_end_.OnHotkey(nullptr);
  HWND window = front_end_.main_window();
  for (size_t i = 0; i < registered_.size(); ++i) {
    if (registered_[i] != 0 && window != nullptr)
      UnregisterHotKey(window, static_cast<int>(i) + 1);
  }
}
