#include "services/property_model.h"

#include <algorithm>
#include <utility>

#include "services/control_host.h"
#include "services/convert.h"
#include "services/fatal_error.h"
#include "services/property_table.h"

namespace {

enum class Type : uint8_t { Integer, Logical, Colour, Number, Text };

Control& Resolve(WindowId window, ControlId id) {
  ControlModel* model = TheControlHost().LoadedModel();
  if (window != kMainWindow)
    FatalRuntimeError(std::nullopt, Gb("未载入欲访问窗口组件所在的窗口"));
  if (model == nullptr)
    FatalRuntimeError(std::nullopt, Gb("指定窗口尚未载入"));
  Control* control = model->Find(id);
  if (control == nullptr)
    FatalRuntimeError(std::nullopt, Gb("未找到欲访问的窗口组件"));
  return *control;
}

// The control's property at (index, member): its row, or nullptr for a property the
// program gives no meaning. An index beyond the kind's properties is fatal.
const PropertyRow* Property(const Control& c, int32_t index, int32_t member) {
  if (index < 0 || index >= PropertyCount(c.kind))
    FatalRuntimeError(std::nullopt, Gb("欲访问的窗口组件属性不存在"));
  return FindProperty(c.kind, index, member);
}

void Notify(const Control& control, Aspect aspect) {
  TheControlHost().Changed(control, aspect);
}

// Stores a written value; answers whether the stored value changed. A write that leaves
// the value as it was tells the front end nothing: a redraw would show the same, and a
// long team line would be wrapped anew for every key the host types.
template <typename T>
bool Store(T& stored, T value) {
  if (stored == value)
    return false;
  stored = std::move(value);
  return true;
}

int32_t AsInteger(const PropertyValue& value) {
  if (const auto* i = std::get_if<int32_t>(&value))
    return *i;
  if (const auto* c = std::get_if<Colour>(&value))
    return static_cast<int32_t>(*c);
  if (const auto* d = std::get_if<double>(&value))
    return ToInteger(*d);
  return ToInteger(std::get<Text>(value));
}

Colour AsColour(const PropertyValue& value) {
  if (const auto* c = std::get_if<Colour>(&value))
    return *c;
  return static_cast<Colour>(AsInteger(value));
}

Text AsText(const PropertyValue& value) {
  if (const auto* t = std::get_if<Text>(&value))
    return *t;
  if (const auto* d = std::get_if<double>(&value))
    return ToText(*d);
  return ToText(AsInteger(value));
}

// The font's size in points, from its stored height.
int32_t FontSize(const Font& font) {
  const int32_t height = font.height == 0 ? kDefaultGuiFontHeight : font.height;
  return MulDivRound(height < 0 ? -height : height, 72, kLogPixelsY);
}

// The content-changed event runs on every write, also of the text the box holds: the
// rules that hang on it recompute whatever their inputs are. Only the redraw is skipped.
void WriteContent(Control& box, Text text) {
  if (Store(box.text, std::move(text)))
    Notify(box, Aspect::Caption);  // the front end sets its text with change notices muted
  TheControlHost().ContentWritten(box);
}

void WriteFontSize(Control& box, int32_t size) {
  Font font = box.font;
  if (!font.own) {
    font.own = true;
    font.height = kDefaultGuiFontHeight;
    font.face.clear();
  }
  font.height = size <= 0 ? 0 : -MulDivRound(size, kLogPixelsY, 72);
  if (!Store(box.font, std::move(font)))
    return;
  Notify(box, Aspect::Font);
  // A single-line box grows to hold one line of the new font; nothing ever shrinks.
  const int32_t character = box.font.height == 0 ? -kDefaultGuiFontHeight : -box.font.height;
  const int32_t needed = character + 2 * kSystemEdge;
  if (!(box.entry != nullptr && box.entry->own.multiline) && box.rect.height < needed) {
    box.rect.height = needed;
    Notify(box, Aspect::Geometry);
  }
}

void WriteInterval(Control& timer, int32_t interval) {
  interval = std::max(interval, 0);
  if (interval == timer.interval)
    return;  // a running timer keeps its phase
  timer.interval = interval;
  timer.timer_running = interval > 0;
  TheControlHost().IntervalWritten(timer);
}

}  // namespace

PropertyValue ReadProperty(WindowId window, ControlId id, int32_t index, int32_t member) {
  Control& c = Resolve(window, id);
  const PropertyRow* row = Property(c, index, member);
  if (row == nullptr) {
    auto it = c.other.find(index);
    return it == c.other.end() ? PropertyValue{int32_t{0}} : it->second;
  }
  switch (row->meaning) {
    case Meaning::Left:
      return c.rect.left;
    case Meaning::Top:
      return c.rect.top;
    case Meaning::Width:
      return c.rect.width;
    case Meaning::Height:
      return c.rect.height;
    case Meaning::Tag:
      return c.tag;
    case Meaning::Visible:
      return int32_t{TheControlHost().LoadedModel()->IsShown(c) ? 1 : 0};
    case Meaning::Disabled:
      return int32_t{c.disabled ? 1 : 0};
    case Meaning::MousePointer:
      return int32_t{0};
    case Meaning::Content:
    case Meaning::Caption:
      return c.text;
    case Meaning::TextColour:
      return c.text_colour;
    case Meaning::FontSize:
      return FontSize(c.font);
    case Meaning::Interval:
      return c.interval;
    case Meaning::Minimum:
      return c.minimum;
    case Meaning::Maximum:
      return c.maximum;
    case Meaning::ProgressPosition:
    case Meaning::SliderPosition:
      return c.position;
    case Meaning::Selection:
      return c.selection;
    case Meaning::PickedColour:
      return c.picked_colour;
  }
  return int32_t{0};
}

void WriteProperty(WindowId window, ControlId id, int32_t index, int32_t member,
                   const PropertyValue& value) {
  Control& c = Resolve(window, id);
  const PropertyRow* row = Property(c, index, member);
  if (row == nullptr || !row->writable) {
    c.other[index] = value;
    return;
  }
  bool changed = false;
  switch (row->meaning) {
    case Meaning::Tag:
      c.tag = AsText(value);
      return;
    case Meaning::Visible:
      changed = Store(c.visible, AsInteger(value) != 0);
      break;
    case Meaning::Disabled:
      changed = Store(c.disabled, AsInteger(value) != 0);
      break;
    case Meaning::Content:
      return WriteContent(c, AsText(value));
    case Meaning::Caption:
      changed = Store(c.text, AsText(value));
      break;
    case Meaning::TextColour:
      changed = Store(c.text_colour, AsColour(value));
      break;
    case Meaning::FontSize:
      return WriteFontSize(c, AsInteger(value));
    case Meaning::Interval:
      return WriteInterval(c, AsInteger(value));
    case Meaning::ProgressPosition:
      changed = Store(c.position, std::clamp(AsInteger(value), 0, 32767));
      break;
    case Meaning::SliderPosition:
      changed = Store(c.position,
                      std::clamp(AsInteger(value), c.minimum, std::max(c.minimum, c.maximum)));
      break;
    case Meaning::Selection: {
      const int32_t selection = AsInteger(value);
      changed = Store(
          c.selection,
          selection >= 0 && selection < static_cast<int32_t>(c.items.size()) ? selection : -1);
      break;
    }
    case Meaning::PickedColour:
      changed = Store(c.picked_colour, AsColour(value));
      break;
    case Meaning::Left:
    case Meaning::Top:
    case Meaning::Width:
    case Meaning::Height:
    case Meaning::MousePointer:
    case Meaning::Minimum:
    case Meaning::Maximum:
      c.other[index] = value;  // kept aside: reads still give the model's value
      return;
  }
  if (changed && row->shown)
    Notify(c, *row->shown);
}

Text ComboItemText(WindowId window, ControlId combo, int32_t index) {
  const Control& c = Resolve(window, combo);
  if (index < 0 || index >= static_cast<int32_t>(c.items.size()))
    return Text{};
  return c.items[static_cast<size_t>(index)];
}

Text ReadText(ControlId control, int32_t index) {
  return AsText(ReadProperty(kMainWindow, control, index));
}

int32_t ReadInteger(ControlId control, int32_t index, int32_t member) {
  return AsInteger(ReadProperty(kMainWindow, control, index, member));
}

Colour ReadColour(ControlId control, int32_t index) {
  return AsColour(ReadProperty(kMainWindow, control, index));
}

void WriteText(ControlId control, int32_t index, std::string_view text) {
  WriteProperty(kMainWindow, control, index, prop::kWholeValue, Text(text));
}

void WriteInteger(ControlId control, int32_t index, int32_t value, int32_t member) {
  WriteProperty(kMainWindow, control, index, member, value);
}

void WriteColour(ControlId control, int32_t index, Colour colour) {
  WriteProperty(kMainWindow, control, index, prop::kWholeValue, colour);
}

void WriteLogical(ControlId control, int32_t index, bool value) {
  WriteProperty(kMainWindow, control, index, prop::kWholeValue, int32_t{value ? 1 : 0});
}

Text FilterTyped(const Control& box, std::string_view typed) {
  if (box.entry == nullptr || box.entry->own.input != InputMode::WholeNumbers)
    return Text(typed);
  Text kept;
  for (size_t i = 0; i < typed.size(); ++i) {
    const auto byte = static_cast<unsigned char>(typed[i]);
    if (byte >= 0x80) {  // a double-byte (or four-byte) character: printable, dropped whole
      if (i + 1 < typed.size())
        ++i;
      continue;
    }
    if ((byte >= '0' && byte <= '9') || byte == '-')
      kept.push_back(static_cast<char>(byte));
  }
  return kept;
}
