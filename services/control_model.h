#pragma once
// The live state of the window's controls: each control's stored properties, set from
// the catalogue when the window is built and changed by the user or by WriteProperty.
#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <unordered_map>
#include <variant>
#include <vector>

#include "services/catalogue_types.h"
#include "services/ids.h"
#include "services/text.h"

// A property value as handlers pass it: integer (also choice and logical), colour,
// number or text.
using PropertyValue = std::variant<int32_t, Colour, double, Text>;

struct Font {
  bool own = false;    // false: the window's default GUI font
  int32_t height = 0;  // LOGFONT height: negative is character height in pixels
  int32_t weight = 400;
  Text face;

  bool operator==(const Font&) const = default;
};

struct Control {
  const ControlSpec* entry = nullptr;  // the control's catalogue entry
  Kind kind = Kind::Label;
  ControlId id = 0;
  ControlId parent = 0;
  std::string name;  // UTF-8, as the catalogue spells it
  Rect rect;
  bool visible = false;
  bool disabled = false;
  bool tab_stop = false;
  Text tag;

  Text text;  // content or caption
  std::vector<Text> items;
  int32_t selection = -1;
  bool checked = false;
  Colour text_colour = kDefaultColour;
  Colour back_colour = kDefaultColour;
  Colour picked_colour = 0;  // a colour picker's current colour
  Font font;
  int32_t minimum = 0, maximum = 0, position = 0;
  int32_t interval = 0;
  bool timer_running = false;

  // Properties the program never uses keep whatever was last written.
  std::map<int32_t, PropertyValue> other;
};

class ControlModel {
 public:
  // Builds every control from the catalogue, texts converted to program texts.
  ControlModel(const WindowSpec& window, std::span<const ControlSpec> catalogue);

  Control* Find(ControlId id);
  const Control* Find(ControlId id) const;
  Control* FindByName(std::string_view utf8_name);
  std::vector<Control>& controls() { return controls_; }
  const std::vector<Control>& controls() const { return controls_; }
  const WindowSpec& window() const { return *window_; }
  const Text& title() const { return title_; }

  // Visible on screen: its own flag, its group box's and the window's shown state.
  bool IsShown(const Control& control) const;
  // Takes user input: shown and enabled, inside an enabled group box.
  bool TakesInput(const Control& control) const;
  bool window_shown = false;

 private:
  const WindowSpec* window_;
  Text title_;
  std::vector<Control> controls_;
  std::unordered_map<ControlId, size_t> index_;
};

// The screen the core assumes for point sizes: 96 pixels per inch.
inline constexpr int32_t kLogPixelsY = 96;
// The stock GUI font's height when a control has none of its own.
inline constexpr int32_t kDefaultGuiFontHeight = -12;
inline constexpr int32_t kSystemEdge = 2;
// The shortest timer period any front end grants.
inline constexpr int32_t kMinimumTimerPeriod = 10;

// As the platform's MulDiv: a * b / c rounded half away from zero, -1 when c is 0 or on overflow.
int32_t MulDivRound(int32_t a, int32_t b, int32_t c);
