#pragma once
// The hotkey file: one binding a line, "Ctrl+Alt+1 = 按钮9" or a role on the right
// ("Ctrl+Alt+1 = 棒棒糖队 礼物188"), "#" starts a comment. Read the same way on every
// platform; each front end then registers the keys its own way. A line that cannot be
// read, or a key bound a second time, is a problem naming its line, and the other
// bindings stand.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "services/ids.h"
#include "services/platform_paths.h"

namespace hotkey_modifier {
inline constexpr uint32_t kCtrl = 1;
inline constexpr uint32_t kAlt = 2;
inline constexpr uint32_t kShift = 4;
inline constexpr uint32_t kWin = 8;  // the Windows key; Super on Linux
}  // namespace hotkey_modifier

// A key as the Windows virtual-key code names it (the same numbers on every platform):
// 'A'..'Z', '0'..'9', F1 0x70 .. F24 0x87, keypad digits 0x60..0x69, keypad * + - . /
// 0x6A 0x6B 0x6D 0x6E 0x6F, arrows left up right down 0x25..0x28.
struct HotKey {
  uint32_t modifiers = 0;
  int32_t virtual_key = 0;
  bool operator==(const HotKey&) const = default;
};

struct HotkeyBinding {
  HotKey key;
  ControlId control;
  std::string where;  // "FILE:LINE", for a problem found when the key is registered
  std::string keys;   // the key as the host wrote it, tidied: "Ctrl+Alt+1"
};

struct HotkeyFile {
  std::vector<HotkeyBinding> bindings;  // in the file's order
  std::vector<std::string> problems;    // "FILE:LINE: reason" (UTF-8)
};

// The bindings in `content`; `label` names the file in problems.
HotkeyFile ParseHotkeys(std::string_view content, std::string_view label);
// The file itself; one that cannot be read is a problem and gives no binding.
HotkeyFile ReadHotkeyFile(const NativePath& file);

// The problem a binding gives when another program holds its key already.
std::string HeldByAnotherProgram(const HotkeyBinding& binding);

struct ProgramSwitches;
// The file the switches name (--hotkeys, or the line "hotkeys FILE" in the options
// file); no binding and no problem when none is named.
HotkeyFile HotkeysOfSwitches(const ProgramSwitches& switches);
