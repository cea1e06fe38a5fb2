#include "shell/keyboard.h"

#include <vector>

#include "shell/application.h"

namespace {

bool IsArrow(int32_t key) {
  return key == vk_key::kLeft || key == vk_key::kUp || key == vk_key::kRight ||
         key == vk_key::kDown;
}

// Whether any of the control lies on the window. The state boxes beyond the right edge
// are tab stops too, but a host cannot see the focus there, so the walk passes them by.
bool OnWindow(const ControlModel& model, const Control& c) {
  int32_t left = c.rect.left, top = c.rect.top;
  if (c.parent != 0) {
    if (const Control* group = model.Find(c.parent)) {
      left += group->rect.left;
      top += group->rect.top;
    }
  }
  const Rect& outer = model.window().outer;
  return left < outer.width && top < outer.height && left + c.rect.width > 0 &&
         top + c.rect.height > 0;
}

// The next (or previous) entry of `ring` after `from`, round the end; from an id not in
// the ring, the first (or last).
ControlId Step(const std::vector<ControlId>& ring, ControlId from, bool backwards) {
  if (ring.empty())
    return 0;
  const size_t n = ring.size();
  for (size_t i = 0; i < n; ++i) {
    if (ring[i] == from)
      return ring[backwards ? (i + n - 1) % n : (i + 1) % n];
  }
  return backwards ? ring.back() : ring.front();
}

}  // namespace

bool TakesEnterItself(const Control& c) {
  return c.kind == Kind::EditBox && c.entry != nullptr && c.entry->own.multiline &&
         c.entry->own.input != InputMode::ReadOnly;
}

ControlId NextTabStop(const ControlModel& model, ControlId from, bool backwards) {
  std::vector<ControlId> stops;
  for (const Control& c : model.controls()) {
    if (c.tab_stop && model.TakesInput(c) && OnWindow(model, c))
      stops.push_back(c.id);
  }
  return Step(stops, from, backwards);
}

ControlId NeighbourRadio(const ControlModel& model, ControlId radio, bool backwards) {
  const Control* own = model.Find(radio);
  if (own == nullptr || own->kind != Kind::RadioBox)
    return 0;
  std::vector<ControlId> group;
  for (const Control& c : model.controls()) {
    if (c.kind == Kind::RadioBox && c.parent == own->parent &&
        (c.id == radio || model.TakesInput(c)))
      group.push_back(c.id);
  }
  const ControlId next = Step(group, radio, backwards);
  return next == radio ? 0 : next;
}

WindowKey PreTranslateKey(const ControlModel& model, ControlId focused, int32_t virtual_key,
                          int32_t modifiers) {
  const bool ctrl_or_alt = (modifiers & (modifier::kCtrl | modifier::kAlt)) != 0;
  if (virtual_key == vk::kTab && !ctrl_or_alt) {
    const ControlId next = NextTabStop(model, focused, (modifiers & modifier::kShift) != 0);
    if (next == 0)
      return {WindowKey::Action::UsedUp, 0};
    return {WindowKey::Action::MoveFocus, next};
  }
  const Control* c = model.Find(focused);
  if (IsArrow(virtual_key) && (modifiers & modifier::kAlt) == 0 && c != nullptr &&
      c->kind == Kind::RadioBox) {
    const bool backwards = virtual_key == vk_key::kLeft || virtual_key == vk_key::kUp;
    const ControlId next = NeighbourRadio(model, focused, backwards);
    if (next == 0)
      return {WindowKey::Action::UsedUp, 0};
    return {WindowKey::Action::Choose, next};
  }
  // Escape does not close this window, Enter clicks no default button (it has none) and
  // moves no focus: both reach the control like any other key.
  return {WindowKey::Action::ToControl, focused};
}

bool TakeWindowKey(Application& app, ControlId focused, int32_t virtual_key, int32_t modifiers,
                   const std::function<void(ControlId)>& move_focus) {
  const WindowKey window_key = PreTranslateKey(app.model(), focused, virtual_key, modifiers);
  switch (window_key.action) {
    case WindowKey::Action::MoveFocus:
      move_focus(window_key.target);
      return true;  // a key the window takes raises no event
    case WindowKey::Action::Choose:
      move_focus(window_key.target);
      app.Click(window_key.target);
      return true;
    case WindowKey::Action::UsedUp:
      return true;
    case WindowKey::Action::ToControl:
      break;
  }
  return false;
}

bool ControlUsesKey(const Control& c, int32_t virtual_key) {
  if (virtual_key == vk::kEnter)
    return TakesEnterItself(c);
  if (IsArrow(virtual_key)) {
    switch (c.kind) {
      case Kind::EditBox:
      case Kind::SliderBar:
      case Kind::ComboBox:
      case Kind::ListBox:
        return true;
      default:
        return false;
    }
  }
  return true;
}

ControlId FocusAfterDialog(const ControlModel& model, ControlId had_focus) {
  if (const Control* c = model.Find(had_focus); c != nullptr && model.TakesInput(*c))
    return had_focus;
  return NextTabStop(model, 0, false);
}
