#pragma once
// The window's own keys, decided here once so that every front end moves the focus
// alike: Tab and Shift+Tab walk the tab stops in catalogue order, the arrow keys move
// between the radio boxes of one group, Enter never moves the focus, and a closed dialog
// hands the focus back. Front ends only carry the answer out.
#include <cstdint>
#include <functional>

#include "services/control_model.h"

class Application;

// Virtual-key codes of the keys the window looks at.
namespace vk_key {
inline constexpr int32_t kLeft = 0x25;
inline constexpr int32_t kUp = 0x26;
inline constexpr int32_t kRight = 0x27;
inline constexpr int32_t kDown = 0x28;
}  // namespace vk_key

struct WindowKey {
  enum class Action : uint8_t {
    ToControl,  // raise key down for the focused control, then the control may use it
    MoveFocus,  // the focus goes to `target`; the key is used up
    Choose,     // the focus goes to `target` and the user's click lands on it; used up
    UsedUp,     // the window took the key and nothing moves
  };
  Action action = Action::ToControl;
  ControlId target = 0;
};

// What the window does with a key down (virtual-key code, modifier state) while
// `focused` has the keyboard focus (0: the window itself).
WindowKey PreTranslateKey(const ControlModel& model, ControlId focused, int32_t virtual_key,
                          int32_t modifiers);

// Carries out the window's own keys, the same for every front end and the headless
// driver: a key the window takes moves the focus through `move_focus`, and a radio box
// chosen by an arrow is also clicked. True when the window took the key; false when it
// goes on to the focused control.
bool TakeWindowKey(Application& app, ControlId focused, int32_t virtual_key, int32_t modifiers,
                   const std::function<void(ControlId)>& move_focus);

// Whether a key that reached the control (its key-down handler let it pass) has a use
// there. One without (Enter outside a multi-line box, arrows on a button) goes no
// further, so the toolkit's own navigation never moves the focus with it.
bool ControlUsesKey(const Control& control, int32_t virtual_key);

// A multi-line box the user may type in takes Enter as a line break.
bool TakesEnterItself(const Control& control);

// The next (or previous) tab stop after `from` that takes input and lies on the window,
// in catalogue order, round the end; from 0, the first (or last). 0 when none.
ControlId NextTabStop(const ControlModel& model, ControlId from, bool backwards);

// The next (or previous) radio box of `radio`'s group (the radio boxes with the same
// parent) that takes input, round the end; 0 when the group has no other.
ControlId NeighbourRadio(const ControlModel& model, ControlId radio, bool backwards);

// Where the focus goes when a dialog of the window closes: back to the control that had
// it while it still takes input, else to the first tab stop.
ControlId FocusAfterDialog(const ControlModel& model, ControlId had_focus);
