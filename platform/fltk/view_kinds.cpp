// Which maker each control kind has.
#include <utility>

#include "platform/fltk/views.h"

namespace {

constexpr std::pair<Kind, ViewMaker> kMakers[] = {
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

ViewMaker MakerOf(Kind kind) {
  for (const auto& [made, maker] : kMakers) {
    if (made == kind)
      return maker;
  }
  return nullptr;
}
