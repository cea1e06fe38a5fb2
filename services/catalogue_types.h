#pragma once
// What a window and its controls are made of: the kinds, their geometry, flags and own
// initial properties, and the handlers bound to their events. The program's catalogue
// is data of these types; the control model is built from it.
#include <cstdint>
#include <span>
#include <string_view>

#include "services/event.h"
#include "services/ids.h"

enum class Kind : uint8_t {
  Window,
  EditBox,
  GroupBox,
  Label,
  Button,
  RadioBox,
  ComboBox,
  ListBox,
  ProcessBar,
  SliderBar,
  ColorPicker,
  CommonDlg,
  Timer,
  SuperBtn,
  TransLabel,
};
std::string_view KindName(Kind kind);  // "EditBox", ...

struct Rect {
  int32_t left = 0, top = 0, width = 0, height = 0;
};

// Catalogue flags.
inline constexpr uint32_t kVisible = 1u;
inline constexpr uint32_t kDisabled = 2u;
inline constexpr uint32_t kTabStop = 4u;
// Created disabled so that nothing can be clicked while the window is being built, and
// enabled by the start-up step once it is.
inline constexpr uint32_t kEnabledAtStartUp = 8u;

enum class Align : uint8_t { Left, Centre, Right };
enum class InputMode : uint8_t { FreeText, ReadOnly, WholeNumbers };

// Border styles shared by all visual kinds.
namespace border {
inline constexpr int32_t kNone = 0;
inline constexpr int32_t kSunken = 1;
inline constexpr int32_t kRaised = 2;
inline constexpr int32_t kShallowSunken = 3;
inline constexpr int32_t kSunkenFrame = 4;
inline constexpr int32_t kSingleLine = 5;
}  // namespace border

// A font of the control's own; height 0 means the control has none (window font).
struct FontSpec {
  int32_t height_px = 0;  // character height in pixels
  int32_t weight = 400;   // 400 normal, 700 bold
  const char* face = "";  // UTF-8; empty lets the system pick for GB2312
};

struct ColourPair {
  Colour text = kDefaultColour;
  Colour background = kDefaultColour;
};

// One event of a control and what it runs: an action, or a handler given the event's
// arguments. Exactly one of the two is set.
struct Binding {
  constexpr Binding(int32_t bound_event, Action bound) : event(bound_event), action(bound) {}
  constexpr Binding(int32_t bound_event, Handler bound) : event(bound_event), handler(bound) {}

  int32_t event;
  Action action = nullptr;
  Handler handler = nullptr;
};

// A control's binding, written in its catalogue row: `.bindings = OnClick<&按钮3_Clicked>`.
template <auto kBound>
inline constexpr Binding OnCreated[1] = {{event::kCreated, kBound}};
template <auto kBound>
inline constexpr Binding OnClick[1] = {{event::kClicked, kBound}};
template <auto kBound>
inline constexpr Binding OnContentChanged[1] = {{event::kContentChanged, kBound}};
template <auto kBound>
inline constexpr Binding OnKeyDown[1] = {{event::kKeyDown, kBound}};
template <auto kBound>
inline constexpr Binding OnTick[1] = {{event::kTick, kBound}};
template <auto kBound>
inline constexpr Binding OnListEvent0[1] = {{event::kListEvent0, kBound}};
template <auto kBound>
inline constexpr Binding OnLabelEvent0[1] = {{event::kLabelEvent0, kBound}};

// The kind's own initial properties; each kind uses the fields that apply to it.
struct OwnProperties {
  const char* text = "";                 // caption or content, UTF-8
  std::span<const char* const> items{};  // ComboBox / ListBox items, UTF-8
  int32_t selection = -1;                // ComboBox / ListBox
  bool checked = false;                  // RadioBox
  Colour text_colour = kDefaultColour;
  Colour back_colour = kDefaultColour;  // also a ColorPicker's current colour
  FontSpec font{};
  Align align = Align::Left;
  bool centre_vertically = false;
  int32_t border = border::kNone;
  InputMode input = InputMode::FreeText;
  bool multiline = false;
  bool word_wrap = false;
  bool drop_down_list = false;  // ComboBox without edit field
  // ProcessBar / SliderBar
  int32_t minimum = 0, maximum = 0, position = 0;
  int32_t page_step = 0, line_step = 0, tick_frequency = 0;
  bool horizontal = true;
  int32_t interval = 0;           // Timer, milliseconds
  const char* picture = nullptr;  // resource name of a picture button / background
  // SuperBtn looks
  ColourPair normal{}, hot{}, pressed{};
};

struct ControlSpec {
  Kind kind;
  NamedControl control;  // id and name (UTF-8, unique, the identifier handlers use)
  Rect rect;
  ControlId parent;  // 0 = the window, else a GroupBox
  uint32_t flags;
  std::span<const Binding> bindings;
  OwnProperties own;
};

struct WindowSpec {
  const char* title;  // UTF-8
  Rect outer;         // stored position is not used: the window opens centred
  const char* background_picture;
  std::span<const Binding> bindings;
};

// The non-visual kinds ignore the visible, disabled and tab-stop flags.
constexpr bool IsNonVisual(Kind kind) {
  return kind == Kind::Timer || kind == Kind::CommonDlg;
}
