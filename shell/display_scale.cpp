// The display's scale: parsed, rounded and applied to catalogue lengths.
#include "shell/display_scale.h"

#include <charconv>
#include <cmath>

#include "shell/setting_lines.h"

namespace {

bool InRange(double scale) {
  return scale >= kSmallestScale && scale <= kLargestScale;
}

int32_t Rounded(double value) {
  return static_cast<int32_t>(std::lround(value));
}

}  // namespace

std::optional<double> ScaleFromText(std::string_view text) {
  text = Trimmed(text);
  double scale = 0;
  const char* end = text.data() + text.size();
  auto [stop, error] = std::from_chars(text.data(), end, scale, std::chars_format::fixed);
  if (text.empty() || error != std::errc() || stop != end || !InRange(scale))
    return std::nullopt;
  return scale;
}

double ScaleFromDpi(double dots_per_inch) {
  if (!std::isfinite(dots_per_inch) || dots_per_inch <= 0)
    return 1.0;
  double quarters = std::round(dots_per_inch / 96.0 * 4.0) / 4.0;
  return std::fmin(std::fmax(quarters, kSmallestScale), kLargestScale);
}

int32_t Scaled(int32_t catalogue_pixels, double scale) {
  int32_t scaled = Rounded(catalogue_pixels * scale);
  if (scaled == 0 && catalogue_pixels != 0)
    return catalogue_pixels > 0 ? 1 : -1;
  return scaled;
}

int32_t ScaledFontHeight(int32_t catalogue_height, double scale) {
  // A hair over the exact product first, so that 12 x 1.25 stays 15 whatever the binary
  // fraction does.
  const double magnitude = std::floor(std::abs(catalogue_height) * scale + 1e-9);
  const auto height = static_cast<int32_t>(std::fmax(magnitude, catalogue_height != 0 ? 1 : 0));
  return catalogue_height < 0 ? -height : height;
}

Rect Scaled(const Rect& r, double scale) {
  int32_t left = Rounded(r.left * scale);
  int32_t top = Rounded(r.top * scale);
  int32_t right = Rounded((r.left + r.width) * scale);
  int32_t bottom = Rounded((r.top + r.height) * scale);
  return {left, top, right - left, bottom - top};
}
