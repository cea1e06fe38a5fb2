#include "shell/hotkey_file.h"

#include <algorithm>

#include "services/utf8.h"
#include "shell/control_roles.h"
#include "shell/program_switches.h"
#include "shell/setting_lines.h"

namespace {

std::string Lower(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) {
    if (c >= 'A' && c <= 'Z')
      c = static_cast<char>(c - 'A' + 'a');
  }
  return lower;
}

struct NamedModifier {
  std::string_view name;  // lower case
  uint32_t modifier;
  std::string_view shown;
};
constexpr NamedModifier kModifiers[] = {
    {"ctrl", hotkey_modifier::kCtrl, "Ctrl"}, {"control", hotkey_modifier::kCtrl, "Ctrl"},
    {"alt", hotkey_modifier::kAlt, "Alt"},    {"shift", hotkey_modifier::kShift, "Shift"},
    {"win", hotkey_modifier::kWin, "Win"},    {"super", hotkey_modifier::kWin, "Win"},
};

struct NamedKey {
  std::string_view name;  // lower case
  int32_t virtual_key;
};
// The keys with names of more than one character besides F1..F24 and Num0..Num9.
constexpr NamedKey kNamedKeys[] = {
    {"num*", 0x6A}, {"num+", 0x6B}, {"num-", 0x6D},  {"num.", 0x6E}, {"num/", 0x6F},
    {"left", 0x25}, {"up", 0x26},   {"right", 0x27}, {"down", 0x28},
};

// The key's virtual-key code and its tidy name; 0 for a name the file may not use.
int32_t KeyOf(std::string_view written, std::string& shown) {
  const std::string name = Lower(written);
  if (name.size() == 1 &&
      ((name[0] >= 'a' && name[0] <= 'z') || (name[0] >= '0' && name[0] <= '9'))) {
    shown = std::string(1, static_cast<char>(name[0] >= 'a' ? name[0] - 'a' + 'A' : name[0]));
    return shown[0];
  }
  auto number_after = [&](std::string_view prefix, int low, int high) {
    if (name.size() <= prefix.size() || name.size() > prefix.size() + 2 ||
        name.compare(0, prefix.size(), prefix) != 0 || name[prefix.size()] == '0')
      return 0;
    int value = 0;
    for (std::size_t i = prefix.size(); i < name.size(); ++i) {
      if (name[i] < '0' || name[i] > '9')
        return 0;
      value = value * 10 + (name[i] - '0');
    }
    return value >= low && value <= high ? value : 0;
  };
  if (const int f = number_after("f", 1, 24); f != 0) {
    shown = std::string("F").append(std::to_string(f));
    return 0x70 + f - 1;
  }
  if (name.size() == 4 && name.compare(0, 3, "num") == 0 && name[3] >= '0' && name[3] <= '9') {
    shown = std::string("Num").append(name, 3);
    return 0x60 + (name[3] - '0');
  }
  for (const NamedKey& key : kNamedKeys) {
    if (key.name == name) {
      shown = std::string(written);
      shown[0] = static_cast<char>(shown[0] >= 'a' ? shown[0] - 'a' + 'A' : shown[0]);
      for (std::size_t i = 1; i < shown.size(); ++i) shown[i] = name[i];
      return key.virtual_key;
    }
  }
  return 0;
}

// "Ctrl+Alt+1" into `key`; the reason it cannot be read otherwise.
std::string ReadKeys(std::string_view text, HotKey& key, std::string& shown) {
  // The keypad's plus ends in the separator: "Ctrl+Num+" ends with the key "Num+".
  std::string_view last;
  std::string_view modifiers = text;
  if (text.size() >= 4 && Lower(text.substr(text.size() - 4)) == "num+") {
    last = text.substr(text.size() - 4);
    modifiers = text.substr(0, text.size() - 4);
    if (!modifiers.empty()) {
      if (modifiers.back() != '+')
        return std::string("unknown key \"").append(text).append("\"");
      modifiers.remove_suffix(1);
    }
  } else {
    const std::size_t plus = text.rfind('+');
    last = plus == std::string_view::npos ? text : text.substr(plus + 1);
    modifiers = plus == std::string_view::npos ? std::string_view() : text.substr(0, plus);
  }
  last = Trimmed(last);
  if (last.empty())
    return std::string("no key after \"").append(text).append("\"");
  shown.clear();
  key.modifiers = 0;
  while (!modifiers.empty()) {
    const std::size_t plus = modifiers.find('+');
    const std::string_view word = Trimmed(modifiers.substr(0, plus));
    modifiers.remove_prefix(plus == std::string_view::npos ? modifiers.size() : plus + 1);
    const std::string name = Lower(word);
    const auto found = std::find_if(std::begin(kModifiers), std::end(kModifiers),
                                    [&](const NamedModifier& m) { return m.name == name; });
    if (found == std::end(kModifiers))
      return std::string("unknown modifier \"").append(word).append("\" (Ctrl, Alt, Shift, Win)");
    if ((key.modifiers & found->modifier) != 0)
      return std::string("the modifier ").append(found->shown).append(" is written twice");
    key.modifiers |= found->modifier;
  }
  // Modifiers always in the same order, so a problem names the key one way.
  for (const NamedModifier& m : {kModifiers[0], kModifiers[2], kModifiers[3], kModifiers[4]}) {
    if ((key.modifiers & m.modifier) != 0)
      shown += std::string(m.shown) + "+";
  }
  std::string key_name;
  key.virtual_key = KeyOf(last, key_name);
  if (key.virtual_key == 0)
    return std::string("unknown key \"")
        .append(last)
        .append("\" (A-Z, 0-9, F1-F24, Num0-Num9, Num+ Num- Num* Num/ Num., Left Right Up Down)");
  shown += key_name;
  return {};
}

}  // namespace

HotkeyFile ParseHotkeys(std::string_view content, std::string_view label) {
  HotkeyFile file;
  ForEachSettingLine(content, [&](std::string_view line, int number) {
    const std::string where = std::string(label) + ":" + std::to_string(number);
    auto problem = [&](const std::string& reason) {
      file.problems.push_back(where + ": " + reason);
    };
    if (!IsValidUtf8(line)) {
      problem("the line is not UTF-8 text");
      return;
    }
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) {
      problem("not a binding: write the key, \"=\", and the button, as in \"Ctrl+Alt+1 = 按钮9\"");
      return;
    }
    const std::string_view keys = Trimmed(line.substr(0, equals));
    const std::string_view target = Trimmed(line.substr(equals + 1));
    HotkeyBinding binding{{}, 0, where, {}};
    if (keys.empty()) {
      problem("no key before \"=\"");
      return;
    }
    if (const std::string reason = ReadKeys(keys, binding.key, binding.keys); !reason.empty()) {
      problem(reason);
      return;
    }
    const ClickableControl* control = FindClickable(target);
    if (control == nullptr) {
      problem(target.empty() ? "no button after \"=\""
                             : std::string("\"").append(target).append(
                                   "\" is no button the host can click (the README lists them)"));
      return;
    }
    binding.control = control->control.id;
    const auto earlier =
        std::find_if(file.bindings.begin(), file.bindings.end(),
                     [&](const HotkeyBinding& other) { return other.key == binding.key; });
    if (earlier != file.bindings.end()) {
      problem(binding.keys + " is bound already on line " +
              earlier->where.substr(earlier->where.rfind(':') + 1) + "; that binding stands");
      return;
    }
    file.bindings.push_back(std::move(binding));
  });
  return file;
}

HotkeyFile ReadHotkeyFile(const NativePath& path) {
  std::string content;
  const std::string label = Utf8FromNativePath(path);
  if (ReadWholeFile(path, content) != ReadResult::kRead) {
    HotkeyFile file;
    file.problems.push_back(label + ": the hotkey file cannot be read");
    return file;
  }
  return ParseHotkeys(content, label);
}

std::string HeldByAnotherProgram(const HotkeyBinding& binding) {
  return binding.where + ": " + binding.keys + " is held by another program; choose another key";
}

HotkeyFile HotkeysOfSwitches(const ProgramSwitches& switches) {
  const NativePath* file = switches.Value("hotkeys");
  return file == nullptr ? HotkeyFile{} : ReadHotkeyFile(*file);
}
