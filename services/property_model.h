#pragma once
// Handlers see every control as an ordered list of typed properties, addressed by
// window id, control id, property index and member selector (-1 = the whole value).
#include <cstdint>
#include <string_view>

#include "services/control_model.h"
#include "services/property_table.h"

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
