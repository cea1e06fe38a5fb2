#pragma once
#include <cstdint>

using WindowId = uint32_t;
using ControlId = uint32_t;

// A control's id together with its name as the catalogue spells it (UTF-8), so that one
// declaration gives both; it stands wherever an id is expected.
struct NamedControl {
  ControlId id;
  const char* name;
  constexpr operator ControlId() const { return id; }
};

// A COLORREF: 0x00BBGGRR. The default colour means "no colour of its own".
using Colour = uint32_t;
inline constexpr Colour kDefaultColour = 0xFF000000u;
constexpr Colour Rgb(uint32_t r, uint32_t g, uint32_t b) {
  return r | (g << 8) | (b << 16);
}

// The only window of the program.
inline constexpr WindowId kMainWindow = 0x52010001u;
