#pragma once
// Hears each thing the host did that the board took, once it has run to the end: what
// the journal keeps so that a game can come back after a crash. A listener sees the
// board's input paths only; it never changes how the board behaves.
#include <cstdint>
#include <string_view>

#include "services/ids.h"
#include "services/text.h"

struct HostAction {
  enum class Kind : uint8_t { kClick, kEdited, kType, kKeyDown, kSelect, kSlide, kPick };
  Kind kind = Kind::kClick;
  ControlId control = 0;
  const Text* text = nullptr;  // kEdited: the box's text as the host left it
  std::string_view typed;      // kType: what the host typed (the program's own bytes)
  int32_t value = 0;           // kKeyDown: key; kSelect: index; kSlide: position; kPick: colour
  int32_t modifiers = 0;       // kKeyDown
};

class ActionListener {
 public:
  virtual ~ActionListener() = default;
  // The host is about to act (the ticks due by now have run): what happened before
  // belongs to no action.
  virtual void Starting() = 0;
  virtual void Heard(const HostAction& action) = 0;
};
