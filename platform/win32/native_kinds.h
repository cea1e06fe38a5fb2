#pragma once
// One maker per control kind, each in its kind's file, and the table that picks them.
#include <memory>

#include "platform/win32/native_control.h"

using NativeMaker = std::unique_ptr<NativeControl> (*)(Win32FrontEnd& owner,
                                                       const Control& control);

// nullptr for the kinds that have no window of their own (timers, the common dialog).
NativeMaker MakerOf(Kind kind);

std::unique_ptr<NativeControl> MakeEditBox(Win32FrontEnd& owner, const Control& control);
// A push button, or a picture button when the catalogue gives it a face.
std::unique_ptr<NativeControl> MakeButton(Win32FrontEnd& owner, const Control& control);
std::unique_ptr<NativeControl> MakeSuperButton(Win32FrontEnd& owner, const Control& control);
std::unique_ptr<NativeControl> MakeRadioBox(Win32FrontEnd& owner, const Control& control);
std::unique_ptr<NativeControl> MakeGroupBox(Win32FrontEnd& owner, const Control& control);
std::unique_ptr<NativeControl> MakeColourPicker(Win32FrontEnd& owner, const Control& control);
std::unique_ptr<NativeControl> MakeLabel(Win32FrontEnd& owner, const Control& control);
std::unique_ptr<NativeControl> MakeTransLabel(Win32FrontEnd& owner, const Control& control);
std::unique_ptr<NativeControl> MakeComboBox(Win32FrontEnd& owner, const Control& control);
std::unique_ptr<NativeControl> MakeListBox(Win32FrontEnd& owner, const Control& control);
std::unique_ptr<NativeControl> MakeProgressBar(Win32FrontEnd& owner, const Control& control);
std::unique_ptr<NativeControl> MakeSliderBar(Win32FrontEnd& owner, const Control& control);
