#include "services/property_model.h"

#include <algorithm>

#include "services/control_host.h"
#include "services/convert.h"
#include "services/fatal_error.h"

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

void Notify(const Control& control, Aspect aspect) {
  TheControlHost().Changed(control, aspect);
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

bool IsCaptioned(Kind kind) {
  switch (kind) {
    case Kind::Label:
    case Kind::GroupBox:
    case Kind::TransLabel:
    case Kind::Button:
    case Kind::RadioBox:
    case Kind::SuperBtn:
      return true;
    default:
      return false;
  }
}

bool IsSelectable(Kind kind) {
  return kind == Kind::ComboBox || kind == Kind::ListBox;
}

// The font's size in points, from its stored height.
int32_t FontSize(const Font& font) {
  const int32_t height = font.height == 0 ? kDefaultGuiFontHeight : font.height;
  return MulDivRound(height < 0 ? -height : height, 72, kLogPixelsY);
}

void WriteContent(Control& box, Text text) {
  box.text = std::move(text);
  Notify(box, Aspect::Caption);  // the front end sets its text with change notices muted
  TheControlHost().ContentWritten(box);
}

void WriteFontSize(Control& box, int32_t size) {
  if (!box.font.own) {
    box.font.own = true;
    box.font.height = kDefaultGuiFontHeight;
    box.font.face.clear();
  }
  box.font.height = size <= 0 ? 0 : -MulDivRound(size, kLogPixelsY, 72);
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

int32_t PropertyCount(Kind kind) {
  switch (kind) {
    case Kind::Window:
      return 32;
    case Kind::EditBox:
      return 29;
    case Kind::GroupBox:
      return 13;
    case Kind::Label:
      return 29;
    case Kind::Button:
      return 14;
    case Kind::RadioBox:
      return 19;
    case Kind::ComboBox:
      return 25;
    case Kind::ListBox:
      return 22;
    case Kind::ProcessBar:
      return 14;
    case Kind::SliderBar:
      return 20;
    case Kind::ColorPicker:
      return 10;
    case Kind::CommonDlg:
      return 30;
    case Kind::Timer:
      return 9;
    case Kind::SuperBtn:
      return 35;
    case Kind::TransLabel:
      return 15;
  }
  return 0;
}

PropertyValue ReadProperty(WindowId window, ControlId id, int32_t index, int32_t member) {
  Control& c = Resolve(window, id);
  if (index < 0 || index >= PropertyCount(c.kind))
    FatalRuntimeError(std::nullopt, Gb("欲访问的窗口组件属性不存在"));
  switch (index) {
    case prop::kLeft:
      return c.rect.left;
    case prop::kTop:
      return c.rect.top;
    case prop::kWidth:
      return c.rect.width;
    case prop::kHeight:
      return c.rect.height;
    case prop::kTag:
      return c.tag;
    case prop::kVisible:
      return int32_t{TheControlHost().LoadedModel()->IsShown(c) ? 1 : 0};
    case prop::kDisabled:
      return int32_t{c.disabled ? 1 : 0};
    case prop::kMousePointer:
      return int32_t{0};
    default:
      break;
  }
  switch (c.kind) {
    case Kind::EditBox:
      if (index == prop::kContent)
        return c.text;
      if (index == prop::kTextColour)
        return c.text_colour;
      if (index == prop::kFont && member == prop::kFontSize)
        return FontSize(c.font);
      break;
    case Kind::Timer:
      if (index == prop::kInterval)
        return c.interval;
      break;
    case Kind::ProcessBar:
      if (index == prop::kMinimum)
        return c.minimum;
      if (index == prop::kMaximum)
        return c.maximum;
      if (index == prop::kProgressPosition)
        return c.position;
      break;
    case Kind::SliderBar:
      if (index == prop::kSliderMinimum)
        return c.minimum;
      if (index == prop::kSliderMaximum)
        return c.maximum;
      if (index == prop::kSliderPosition)
        return c.position;
      break;
    case Kind::ColorPicker:
      if (index == prop::kCurrentColour)
        return c.picked_colour;
      break;
    default:
      if (IsCaptioned(c.kind) && index == prop::kCaption)
        return c.text;
      if (IsSelectable(c.kind) && index == prop::kSelection)
        return c.selection;
      break;
  }
  auto it = c.other.find(index);
  return it == c.other.end() ? PropertyValue{int32_t{0}} : it->second;
}

void WriteProperty(WindowId window, ControlId id, int32_t index, int32_t member,
                   const PropertyValue& value) {
  Control& c = Resolve(window, id);
  if (index < 0 || index >= PropertyCount(c.kind))
    FatalRuntimeError(std::nullopt, Gb("欲访问的窗口组件属性不存在"));
  switch (index) {
    case prop::kVisible:
      c.visible = AsInteger(value) != 0;
      Notify(c, Aspect::Visible);
      return;
    case prop::kDisabled:
      c.disabled = AsInteger(value) != 0;
      Notify(c, Aspect::Disabled);
      return;
    case prop::kTag:
      c.tag = AsText(value);
      return;
    default:
      break;
  }
  switch (c.kind) {
    case Kind::EditBox:
      if (index == prop::kContent)
        return WriteContent(c, AsText(value));
      if (index == prop::kTextColour) {
        c.text_colour = AsColour(value);
        Notify(c, Aspect::TextColour);
        return;
      }
      if (index == prop::kFont && member == prop::kFontSize)
        return WriteFontSize(c, AsInteger(value));
      break;
    case Kind::Timer:
      if (index == prop::kInterval)
        return WriteInterval(c, AsInteger(value));
      break;
    case Kind::ProcessBar:
      if (index == prop::kProgressPosition) {
        c.position = std::clamp(AsInteger(value), 0, 32767);
        Notify(c, Aspect::Position);
        return;
      }
      break;
    case Kind::SliderBar:
      if (index == prop::kSliderPosition) {
        c.position = std::clamp(AsInteger(value), c.minimum, std::max(c.minimum, c.maximum));
        Notify(c, Aspect::Position);
        return;
      }
      break;
    case Kind::ColorPicker:
      if (index == prop::kCurrentColour) {
        c.picked_colour = AsColour(value);
        Notify(c, Aspect::PickedColour);
        return;
      }
      break;
    default:
      if (IsCaptioned(c.kind) && index == prop::kCaption) {
        c.text = AsText(value);
        Notify(c, Aspect::Caption);
        return;
      }
      if (IsSelectable(c.kind) && index == prop::kSelection) {
        const int32_t selection = AsInteger(value);
        c.selection =
            selection >= 0 && selection < static_cast<int32_t>(c.items.size()) ? selection : -1;
        Notify(c, Aspect::Selection);
        return;
      }
      break;
  }
  c.other[index] = value;
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
