#pragma once
// What a handler receives and may answer. Handlers are plain functions bound to
// (control, event index) by the catalogue: most take nothing and answer nothing (an
// action); a key-down handler reads the key and may answer a value.
#include <array>
#include <cstdint>
#include <optional>

struct EventArgs {
  int32_t count = 0;
  std::array<int32_t, 5> values{};
};

// A handler answers nothing, or a value (key down: false drops the key).
using HandlerResult = std::optional<int32_t>;
using Handler = HandlerResult (*)(const EventArgs&);
using Action = void (*)();

// Event indexes the program binds or raises.
namespace event {
inline constexpr int32_t kCreated = 0;       // window
inline constexpr int32_t kWindowEvent3 = 3;  // window, right after created
inline constexpr int32_t kWindowEvent4 = 4;
inline constexpr int32_t kClicked = 0;           // Button, SuperBtn, RadioBox
inline constexpr int32_t kContentChanged = 0;    // EditBox
inline constexpr int32_t kTick = 0;              // Timer
inline constexpr int32_t kListEvent0 = 0;        // ListBox
inline constexpr int32_t kLabelEvent0 = 0;       // Label
inline constexpr int32_t kPositionChanged = 0;   // SliderBar
inline constexpr int32_t kColourChanged = 0;     // ColorPicker
inline constexpr int32_t kSelectionChanged = 0;  // ComboBox
inline constexpr int32_t kGotFocus = -7;
inline constexpr int32_t kLostFocus = -8;
inline constexpr int32_t kKeyDown = -9;
}  // namespace event
