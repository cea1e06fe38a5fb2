#pragma once
// Handlers see every control as an ordered list of typed properties, addressed by
// window id, control id, property index and member selector (-1 = the whole value).
#include <cstdint>
#include <string_view>

#include "services/control_model.h"

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

// Number of properties of each kind, the eight common ones included.
int32_t PropertyCount(Kind kind);

PropertyValue ReadProperty(WindowId window, ControlId control, int32_t index,
                           int32_t member = prop::kWholeValue);
// Writing an EditBox's content raises its content-changed event once, before returning.
void WriteProperty(WindowId window, ControlId control, int32_t index, int32_t member,
                   const PropertyValue& value);

// The item text at a 0-based index; the empty text when the index is out of range.
Text ComboItemText(WindowId window, ControlId combo, int32_t index);

// Typed shorthands for the main window, as handlers use them.
Text ReadText(ControlId control, int32_t index);
int32_t ReadInteger(ControlId control, int32_t index, int32_t member = prop::kWholeValue);
Colour ReadColour(ControlId control, int32_t index);
void WriteText(ControlId control, int32_t index, std::string_view text);
void WriteInteger(ControlId control, int32_t index, int32_t value,
                  int32_t member = prop::kWholeValue);
void WriteColour(ControlId control, int32_t index, Colour colour);
void WriteLogical(ControlId control, int32_t index, bool value);

// What the user's typing leaves in a box of the given input mode: a whole-numbers box
// keeps only "-" and the digits (control keys act on the box, they are not text).
Text FilterTyped(const Control& box, std::string_view typed);
