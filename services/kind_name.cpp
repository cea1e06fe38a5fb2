#include "services/control_spec.h"

std::string_view KindName(Kind kind) {
  switch (kind) {
    case Kind::Window:
      return "window";
    case Kind::EditBox:
      return "EditBox";
    case Kind::GroupBox:
      return "GroupBox";
    case Kind::Label:
      return "Label";
    case Kind::Button:
      return "Button";
    case Kind::RadioBox:
      return "RadioBox";
    case Kind::ComboBox:
      return "ComboBox";
    case Kind::ListBox:
      return "ListBox";
    case Kind::ProcessBar:
      return "ProcessBar";
    case Kind::SliderBar:
      return "SliderBar";
    case Kind::ColorPicker:
      return "ColorPicker";
    case Kind::CommonDlg:
      return "CommonDlg";
    case Kind::Timer:
      return "Timer";
    case Kind::SuperBtn:
      return "SuperBtn";
    case Kind::TransLabel:
      return "TransLabel";
  }
  // A value outside the enumeration can only come from corrupted data; name it as such.
  return "unknown";
}
