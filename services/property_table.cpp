#include "services/property_table.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace {

struct KindRow {
  Kind kind;
  std::string_view name;
  int32_t property_count;  // the eight common ones included
};

// In the order of the enumeration, so that a kind finds its row by its value.
constexpr KindRow kKinds[] = {
    {Kind::Window, "window", 32},
    {Kind::EditBox, "EditBox", 29},
    {Kind::GroupBox, "GroupBox", 13},
    {Kind::Label, "Label", 29},
    {Kind::Button, "Button", 14},
    {Kind::RadioBox, "RadioBox", 19},
    {Kind::ComboBox, "ComboBox", 25},
    {Kind::ListBox, "ListBox", 22},
    {Kind::ProcessBar, "ProcessBar", 14},
    {Kind::SliderBar, "SliderBar", 20},
    {Kind::ColorPicker, "ColorPicker", 10},
    {Kind::CommonDlg, "CommonDlg", 30},
    {Kind::Timer, "Timer", 9},
    {Kind::SuperBtn, "SuperBtn", 35},
    {Kind::TransLabel, "TransLabel", 15},
};

using enum Meaning;
using enum Shape;
constexpr std::optional<Aspect> kNothingShown = std::nullopt;
constexpr std::optional<Kind> kEveryKind = std::nullopt;
constexpr bool kWritable = true;
constexpr bool kKeptAside = false;
constexpr bool kMain = true;

// clang-format off
constexpr PropertyRow kRows[] = {
    // kind             index                    member             meaning           shape         redrawn               write       script name   main
    {kEveryKind,        prop::kLeft,             prop::kWholeValue, Left,             IntegerValue, kNothingShown,        kKeptAside, "",           false},
    {kEveryKind,        prop::kTop,              prop::kWholeValue, Top,              IntegerValue, kNothingShown,        kKeptAside, "",           false},
    {kEveryKind,        prop::kWidth,            prop::kWholeValue, Width,            IntegerValue, kNothingShown,        kKeptAside, "",           false},
    {kEveryKind,        prop::kHeight,           prop::kWholeValue, Height,           IntegerValue, kNothingShown,        kKeptAside, "",           false},
    {kEveryKind,        prop::kTag,              prop::kWholeValue, Tag,              TextValue,    kNothingShown,        kWritable,  "",           false},
    {kEveryKind,        prop::kVisible,          prop::kWholeValue, Visible,          LogicalValue, Aspect::Visible,      kWritable,  "visible",    false},
    {kEveryKind,        prop::kDisabled,         prop::kWholeValue, Disabled,         LogicalValue, Aspect::Disabled,     kWritable,  "disabled",   false},
    {kEveryKind,        prop::kMousePointer,     prop::kWholeValue, MousePointer,     IntegerValue, kNothingShown,        kKeptAside, "",           false},
    {Kind::EditBox,     prop::kContent,          prop::kWholeValue, Content,          TextValue,    Aspect::Caption,      kWritable,  "content",    kMain},
    {Kind::EditBox,     prop::kTextColour,       prop::kWholeValue, TextColour,       ColourValue,  Aspect::TextColour,   kWritable,  "textcolour", false},
    {Kind::EditBox,     prop::kFont,             prop::kFontSize,   FontSize,         IntegerValue, Aspect::Font,         kWritable,  "fontsize",   false},
    {Kind::Label,       prop::kCaption,          prop::kWholeValue, Caption,          TextValue,    Aspect::Caption,      kWritable,  "caption",    kMain},
    {Kind::GroupBox,    prop::kCaption,          prop::kWholeValue, Caption,          TextValue,    Aspect::Caption,      kWritable,  "caption",    kMain},
    {Kind::TransLabel,  prop::kCaption,          prop::kWholeValue, Caption,          TextValue,    Aspect::Caption,      kWritable,  "caption",    kMain},
    {Kind::Button,      prop::kCaption,          prop::kWholeValue, Caption,          TextValue,    Aspect::Caption,      kWritable,  "caption",    kMain},
    {Kind::RadioBox,    prop::kCaption,          prop::kWholeValue, Caption,          TextValue,    Aspect::Caption,      kWritable,  "caption",    kMain},
    {Kind::SuperBtn,    prop::kCaption,          prop::kWholeValue, Caption,          TextValue,    Aspect::Caption,      kWritable,  "caption",    kMain},
    {Kind::Timer,       prop::kInterval,         prop::kWholeValue, Interval,         IntegerValue, kNothingShown,        kWritable,  "interval",   kMain},
    {Kind::ProcessBar,  prop::kMinimum,          prop::kWholeValue, Minimum,          IntegerValue, kNothingShown,        kKeptAside, "",           false},
    {Kind::ProcessBar,  prop::kMaximum,          prop::kWholeValue, Maximum,          IntegerValue, kNothingShown,        kKeptAside, "",           false},
    {Kind::ProcessBar,  prop::kProgressPosition, prop::kWholeValue, ProgressPosition, IntegerValue, Aspect::Position,     kWritable,  "position",   kMain},
    {Kind::SliderBar,   prop::kSliderMinimum,    prop::kWholeValue, Minimum,          IntegerValue, kNothingShown,        kKeptAside, "",           false},
    {Kind::SliderBar,   prop::kSliderMaximum,    prop::kWholeValue, Maximum,          IntegerValue, kNothingShown,        kKeptAside, "",           false},
    {Kind::SliderBar,   prop::kSliderPosition,   prop::kWholeValue, SliderPosition,   IntegerValue, Aspect::Position,     kWritable,  "position",   kMain},
    {Kind::ComboBox,    prop::kSelection,        prop::kWholeValue, Selection,        IntegerValue, Aspect::Selection,    kWritable,  "selection",  kMain},
    {Kind::ListBox,     prop::kSelection,        prop::kWholeValue, Selection,        IntegerValue, Aspect::Selection,    kWritable,  "selection",  kMain},
    {Kind::ColorPicker, prop::kCurrentColour,    prop::kWholeValue, PickedColour,     ColourValue,  Aspect::PickedColour, kWritable,  "colour",     kMain},
};
// clang-format on

constexpr size_t kCommonCount = prop::kMousePointer + 1;

constexpr const KindRow& RowOf(Kind kind) {
  return kKinds[static_cast<size_t>(kind)];
}

// The table's own rules, checked when it is compiled: a kind added to the enumeration
// without its row, or a property outside its kind's range, does not build.
constexpr bool KindsInEnumerationOrder() {
  for (size_t i = 0; i < std::size(kKinds); ++i)
    if (static_cast<size_t>(kKinds[i].kind) != i)
      return false;
  return true;
}
constexpr bool RowsFitTheirKinds() {
  for (const PropertyRow& row : kRows) {
    const bool common = static_cast<size_t>(row.index) < kCommonCount;
    if (row.index < 0 || common != !row.kind.has_value())
      return false;
    if (row.kind && row.index >= RowOf(*row.kind).property_count)
      return false;
    if (row.main && !row.kind)
      return false;
    if (row.shown && !row.writable)
      return false;
  }
  return true;
}
constexpr bool NoPropertyTwiceAndOneMainPerKind() {
  for (size_t i = 0; i < std::size(kRows); ++i) {
    for (size_t j = i + 1; j < std::size(kRows); ++j) {
      const PropertyRow& a = kRows[i];
      const PropertyRow& b = kRows[j];
      if (a.kind == b.kind && a.index == b.index && a.member == b.member)
        return false;
      if (a.kind == b.kind && a.main && b.main)
        return false;
    }
  }
  return true;
}
static_assert(std::size(kKinds) == static_cast<size_t>(Kind::TransLabel) + 1,
              "every kind has its row, TransLabel being the last kind");
static_assert(KindsInEnumerationOrder());
static_assert(RowsFitTheirKinds());
static_assert(NoPropertyTwiceAndOneMainPerKind());

bool Applies(const PropertyRow& row, Kind kind) {
  return !row.kind || *row.kind == kind;
}

bool KnownKind(Kind kind) {
  return static_cast<size_t>(kind) < std::size(kKinds);
}

}  // namespace

std::string_view KindName(Kind kind) {
  // A value outside the enumeration can only come from corrupted data; name it as such.
  return KnownKind(kind) ? RowOf(kind).name : "unknown";
}

int32_t PropertyCount(Kind kind) {
  return KnownKind(kind) ? RowOf(kind).property_count : 0;
}

const PropertyRow* FindProperty(Kind kind, int32_t index, int32_t member) {
  for (const PropertyRow& row : kRows) {
    if (Applies(row, kind) && row.index == index &&
        (row.member == prop::kWholeValue || row.member == member))
      return &row;
  }
  return nullptr;
}

const PropertyRow* MainProperty(Kind kind) {
  const auto* found = std::find_if(std::begin(kRows), std::end(kRows), [kind](const auto& row) {
    return row.main && row.kind == kind;
  });
  return found == std::end(kRows) ? nullptr : found;
}

const PropertyRow* PropertyNamed(Kind kind, std::string_view script_name) {
  if (script_name.empty())
    return nullptr;
  const auto* found = std::find_if(std::begin(kRows), std::end(kRows), [&](const auto& row) {
    return Applies(row, kind) && row.script_name == script_name;
  });
  return found == std::end(kRows) ? nullptr : found;
}

bool IsPropertyName(std::string_view script_name) {
  return !script_name.empty() &&
         std::any_of(std::begin(kRows), std::end(kRows),
                     [&](const auto& row) { return row.script_name == script_name; });
}

bool KindHas(Kind kind, Meaning meaning) {
  return std::any_of(std::begin(kRows), std::end(kRows),
                     [&](const auto& row) { return row.kind == kind && row.meaning == meaning; });
}
