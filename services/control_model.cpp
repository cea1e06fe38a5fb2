#include "services/control_model.h"

#include <cstdlib>
#include <limits>

namespace {

Control MakeControl(const ControlSpec& entry) {
  Control c;
  c.entry = &entry;
  c.kind = entry.kind;
  c.id = entry.control.id;
  c.parent = entry.parent;
  c.name = entry.control.name;
  c.rect = entry.rect;
  const bool visual = !IsNonVisual(entry.kind);
  c.visible = visual && (entry.flags & kVisible) != 0;
  c.disabled = visual && (entry.flags & kDisabled) != 0;
  c.tab_stop = visual && (entry.flags & kTabStop) != 0;

  const OwnProperties& own = entry.own;
  c.text = TextFromUtf8(own.text ? own.text : "");
  for (const char* item : own.items) c.items.push_back(TextFromUtf8(item));
  c.selection = own.selection;
  c.checked = own.checked;
  c.text_colour = own.text_colour;
  c.back_colour = own.back_colour;
  // A picker without a colour of its own starts with black.
  c.picked_colour = own.back_colour == kDefaultColour ? 0u : own.back_colour;
  if (own.font.height_px != 0 || (own.font.face && *own.font.face)) {
    c.font.own = true;
    c.font.height = -own.font.height_px;
    c.font.weight = own.font.weight;
    c.font.face = TextFromUtf8(own.font.face ? own.font.face : "");
  } else {
    c.font.height = kDefaultGuiFontHeight;
    c.font.weight = own.font.weight;
  }
  c.minimum = own.minimum;
  c.maximum = own.maximum;
  c.position = own.position;
  c.interval = own.interval < 0 ? 0 : own.interval;
  return c;
}

}  // namespace

ControlModel::ControlModel(const WindowSpec& window, std::span<const ControlSpec> catalogue)
    : window_(&window), title_(TextFromUtf8(window.title)) {
  controls_.reserve(catalogue.size());
  for (const ControlSpec& entry : catalogue) {
    index_.emplace(entry.control.id, controls_.size());
    controls_.push_back(MakeControl(entry));
  }
}

Control* ControlModel::Find(ControlId id) {
  auto it = index_.find(id);
  return it == index_.end() ? nullptr : &controls_[it->second];
}

const Control* ControlModel::Find(ControlId id) const {
  auto it = index_.find(id);
  return it == index_.end() ? nullptr : &controls_[it->second];
}

Control* ControlModel::FindByName(std::string_view utf8_name) {
  for (Control& c : controls_) {
    if (c.name == utf8_name)
      return &c;
  }
  return nullptr;
}

bool ControlModel::IsShown(const Control& control) const {
  if (!window_shown || IsNonVisual(control.kind) || !control.visible)
    return false;
  if (control.parent == 0)
    return true;
  const Control* group = Find(control.parent);
  return group != nullptr && IsShown(*group);
}

bool ControlModel::TakesInput(const Control& control) const {
  if (!IsShown(control) || control.disabled)
    return false;
  if (control.parent == 0)
    return true;
  const Control* group = Find(control.parent);
  return group != nullptr && TakesInput(*group);
}

int32_t MulDivRound(int32_t a, int32_t b, int32_t c) {
  if (c == 0)
    return -1;
  const int64_t product = static_cast<int64_t>(a) * b;
  const int64_t half = std::llabs(c) / 2;
  const bool negative = (product < 0) != (c < 0);
  const int64_t magnitude = (std::llabs(product) + half) / std::llabs(c);
  const int64_t result = negative ? -magnitude : magnitude;
  if (result > std::numeric_limits<int32_t>::max() || result < std::numeric_limits<int32_t>::min())
    return -1;
  return static_cast<int32_t>(result);
}
