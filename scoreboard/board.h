#pragma once
// How the handlers read and write the board: every value is the text of a control,
// converted to a number at the moment of use and written back through to-text.
#include <string_view>

#include "services/convert.h"
#include "services/property_model.h"
#include "shell/control_ids.h"

namespace board {

inline Text Content(ControlId box) {
  return ReadText(box, prop::kContent);
}
inline double Number(ControlId box) {
  return ToNumber(Content(box));
}
inline int32_t Integer(ControlId box) {
  return ToInteger(Content(box));
}
inline void SetContent(ControlId box, std::string_view text) {
  WriteText(box, prop::kContent, text);
}
inline void SetNumber(ControlId box, double value) {
  SetContent(box, ToText(value));
}
inline void Enable(ControlId control) {
  WriteLogical(control, prop::kDisabled, false);
}
inline void Disable(ControlId control) {
  WriteLogical(control, prop::kDisabled, true);
}

// Every comparison of two numbers on the board allows this tolerance.
inline constexpr double kTolerance = 0.0000001;
inline bool ClearlyGreater(double a, double b) {
  return a - b > kTolerance;
}
inline bool ClearlyLess(double a, double b) {
  return a - b < -kTolerance;
}

}  // namespace board
