#include "platform/fltk/screen_scale.h"

#include <charconv>

#include "shell/setting_lines.h"

namespace {

double g_scale = 1.0;

}  // namespace

double XftDpi(std::string_view resources) {
  constexpr std::string_view kKey = "Xft.dpi:";
  double dpi = 0;
  size_t start = 0;
  while (start < resources.size()) {
    size_t end = resources.find('\n', start);
    if (end == std::string_view::npos)
      end = resources.size();
    const std::string_view line = resources.substr(start, end - start);
    if (line.starts_with(kKey)) {
      const std::string_view value = Trimmed(line.substr(kKey.size()));
      double parsed = 0;
      const auto [stop, error] = std::from_chars(value.data(), value.data() + value.size(), parsed);
      // The server keeps the last value loaded for a key.
      if (error == std::errc() && stop == value.data() + value.size() && parsed > 0)
        dpi = parsed;
    }
    start = end + 1;
  }
  return dpi;
}

double ChooseScreenScale(const char* scoreboard_scale, const char* gdk_scale,
                         const char* x_resources, std::string& complaint) {
  if (scoreboard_scale != nullptr) {
    if (const auto scale = ScaleFromText(scoreboard_scale))
      return *scale;
    complaint = std::string("SCOREBOARD_SCALE=") + scoreboard_scale +
                " is not a scale from 0.5 to 4 (such as 1.5); it is left aside";
  }
  if (gdk_scale != nullptr) {
    if (const auto scale = ScaleFromText(gdk_scale))
      return *scale;
  }
  if (x_resources != nullptr) {
    if (const double dpi = XftDpi(x_resources); dpi > 0)
      return ScaleFromDpi(dpi);
  }
  return 1.0;
}

double ScreenScale() {
  return g_scale;
}

void SetScreenScale(double scale) {
  g_scale = scale;
}

int Px(int catalogue_pixels) {
  return Scaled(catalogue_pixels, g_scale);
}

Rect Px(const Rect& catalogue_rect) {
  return Scaled(catalogue_rect, g_scale);
}
