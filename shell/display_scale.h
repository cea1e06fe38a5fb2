#pragma once
// The display's scale, applied where the window meets the platform. The core keeps the
// catalogue's 96-dpi pixels: what a control reads of its own place and font size, the
// records and every replay output are the same at any scale. A front end multiplies each
// rectangle, font height, border and picture by the scale as it hands it to the platform.
// Neither window hands the core a pixel position back (clicks reach it by control), so
// nothing is divided back.
#include <cstdint>
#include <optional>
#include <string_view>

#include "services/catalogue_types.h"

// Scales a host can ask for; outside these the window would not fit or not be readable.
inline constexpr double kSmallestScale = 0.5;
inline constexpr double kLargestScale = 4.0;

// The scale a host wrote ("1.5", "2", " 1.25 "); nothing when it is no number in range.
std::optional<double> ScaleFromText(std::string_view text);

// A scale worked out from a display's dots per inch, rounded to the nearest quarter so
// that one-pixel borders stay whole at common settings (120 dpi gives 1.25, 144 gives 1.5);
// kept in range.
double ScaleFromDpi(double dots_per_inch);

// One length in catalogue pixels at `scale`, rounded to the nearest pixel; a length that
// is not zero stays at least one pixel, so a thin border never disappears.
int32_t Scaled(int32_t catalogue_pixels, double scale);

// A font height (pixels; negative for the character height, as Windows writes it) at
// `scale`, rounded towards zero: a caption's glyphs grow with its font's height, so a
// height rounded up (11 at 1.5 giving 17, not 16) would make a caption that fitted its box
// at 96 dpi outgrow the box scaled by its edges. Never below one pixel.
int32_t ScaledFontHeight(int32_t catalogue_height, double scale);

// A rectangle at `scale`. Its edges are scaled, not its size, so controls that touch in
// the catalogue still touch and none overlaps its neighbour by a rounding pixel.
Rect Scaled(const Rect& catalogue_rect, double scale);
