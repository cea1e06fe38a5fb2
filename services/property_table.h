#pragma once
// What each kind's properties are, as one table: how many a kind has, and for every
// property the program gives a meaning, its index and member, its value's shape, what
// the front end redraws when it is written, and the name scripts use for it. Reading,
// writing, the replay driver and the kind names are all driven from here.
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "services/catalogue_types.h"
#include "services/control_host.h"

namespace prop {
// Common to every kind.
inline constexpr int32_t kLeft = 0;
inline constexpr int32_t kTop = 1;
inline constexpr int32_t kWidth = 2;
inline constexpr int32_t kHeight = 3;
inline constexpr int32_t kTag = 4;
inline constexpr int32_t kVisible = 5;
inline constexpr int32_t kDisabled = 6;
inline constexpr int32_t kMousePointer = 7;
// Own properties of the kinds the program touches.
inline constexpr int32_t kContent = 8;      // EditBox
inline constexpr int32_t kTextColour = 10;  // EditBox
inline constexpr int32_t kFont = 12;        // EditBox; member kFontSize
inline constexpr int32_t kCaption = 8;   // Label, GroupBox, TransLabel, Button, RadioBox, SuperBtn
inline constexpr int32_t kInterval = 8;  // Timer
inline constexpr int32_t kMinimum = 11;  // ProcessBar
inline constexpr int32_t kMaximum = 12;  // ProcessBar
inline constexpr int32_t kProgressPosition = 13;  // ProcessBar
inline constexpr int32_t kSliderMinimum = 16;     // SliderBar
inline constexpr int32_t kSliderMaximum = 17;     // SliderBar
inline constexpr int32_t kSliderPosition = 19;    // SliderBar
inline constexpr int32_t kSelection = 19;         // ComboBox, ListBox
inline constexpr int32_t kCurrentColour = 8;      // ColorPicker
inline constexpr int32_t kWholeValue = -1;
inline constexpr int32_t kFontSize = 5;  // member of a font
}  // namespace prop

// What a property stands for in the control model.
enum class Meaning : uint8_t {
  Left,
  Top,
  Width,
  Height,
  Tag,
  Visible,  // shown on screen: its own flag, its group box's and the window's
  Disabled,
  MousePointer,
  Content,  // an edit box's text: a write raises its content-changed event
  Caption,
  TextColour,
  FontSize,  // in points, from the font's pixel height
  Interval,  // a timer's period in milliseconds; 0 stops it
  Minimum,
  Maximum,
  ProgressPosition,  // clamped to 0..32767
  SliderPosition,    // clamped into the slider's range
  Selection,         // -1 when the index is outside the items
  PickedColour,      // a colour picker's current colour
};

// The shape of the value, as scripts write and print it.
enum class Shape : uint8_t { TextValue, IntegerValue, LogicalValue, ColourValue };

struct PropertyRow {
  std::optional<Kind> kind;  // none: a property every kind has
  int32_t index;
  int32_t member;  // the member selector it is reached by; kWholeValue: whatever is asked
  Meaning meaning;
  Shape shape;
  // What the front end redraws after a write; none when nothing is shown anew. A row
  // that is not writable keeps a written value aside, and reads still give the model's.
  std::optional<Aspect> shown;
  bool writable;
  std::string_view script_name;  // empty: scripts cannot name it
  bool main;                     // the one property the replay driver prints for the kind
};

// Number of properties of the kind, the eight common ones included.
int32_t PropertyCount(Kind kind);

// The row for (kind, index, member); nullptr when the program gives it no meaning
// (the value written last is then kept as it is).
const PropertyRow* FindProperty(Kind kind, int32_t index, int32_t member);
// The kind's main property, or nullptr (group boxes of buttons have their caption).
const PropertyRow* MainProperty(Kind kind);
// The property scripts name so for the kind; nullptr when the kind has none by that name.
const PropertyRow* PropertyNamed(Kind kind, std::string_view script_name);
// Whether any kind has a property of that name.
bool IsPropertyName(std::string_view script_name);
// Whether the kind has a property of that meaning (a caption, a selection...).
bool KindHas(Kind kind, Meaning meaning);
