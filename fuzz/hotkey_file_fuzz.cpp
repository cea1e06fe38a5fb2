// The hotkey file reader on any bytes: never crashes, says something about every line it
// does not bind, binds each key once to a control the host can click, and reads back
// each binding written in its tidy form as the same binding.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/fuzz_support.h"
#include "shell/control_roles.h"
#include "shell/hotkey_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const HotkeyFile file = ParseHotkeys(input, "f");
  std::size_t lines = 1;
  for (char c : input) lines += c == '\n' ? 1 : 0;
  FUZZ_CHECK(file.bindings.size() + file.problems.size() <= lines);
  for (const std::string& problem : file.problems) FUZZ_CHECK(problem.rfind("f:", 0) == 0);
  for (std::size_t i = 0; i < file.bindings.size(); ++i) {
    const HotkeyBinding& binding = file.bindings[i];
    for (std::size_t j = 0; j < i; ++j) FUZZ_CHECK(!(file.bindings[j].key == binding.key));
    const ClickableControl* control = nullptr;
    for (const ClickableControl& entry : ClickableControls()) {
      if (entry.control.id == binding.control)
        control = &entry;
    }
    FUZZ_CHECK(control != nullptr);
    const HotkeyFile again = ParseHotkeys(binding.keys + " = " + control->role, "g");
    FUZZ_CHECK(again.problems.empty() && again.bindings.size() == 1);
    FUZZ_CHECK(again.bindings[0].key == binding.key &&
               again.bindings[0].control == binding.control);
    FUZZ_CHECK(again.bindings[0].keys == binding.keys);
  }
  return 0;
}
