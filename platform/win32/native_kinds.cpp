// Which maker each control kind has.
#include "platform/win32/native_kinds.h"

#include <utility>

namespace {

constexpr std::pair<Kind, NativeMaker> kMakers[] = {
    {Kind::EditBox, MakeEditBox},
    {Kind::Button, MakeButton},
    {Kind::SuperBtn, MakeSuperButton},
    {Kind::RadioBox, MakeRadioBox},
    {Kind::GroupBox, MakeGroupBox},
    {Kind::ColorPicker, MakeColourPicker},
    {Kind::Label, MakeLabel},
    {Kind::TransLabel, MakeTransLabel},
    {Kind::ComboBox, MakeComboBox},
    {Kind::ListBox, MakeListBox},
    {Kind::ProcessBar, MakeProgressBar},
    {Kind::SliderBar, MakeSliderBar},
};

}  // namespace

NativeMaker MakerOf(Kind kind) {
  for (const auto& [made, maker] : kMakers) {
    if (made == kind)
      return maker;
  }
  return nullptr;
}
