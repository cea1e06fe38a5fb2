#pragma once
// One maker per control kind, each in its kind's file, and the table that picks them.
#include <memory>

#include "platform/win32/native_control.h"

using NativeMaker = std::unique_ptr<NativeControl> (*)(NativeControlOwner& owner,
                                                       const Control& control);

// nullptr for the kinds that have no window of their own (timers, the common dialog).
NativeMaker MakerOf(Kind kind);

std::unique_ptr<NativeControl> MakeEditBox(NativeControlOwner& owner, const Control& control);
// A push button, or a picture button when the catalogue gives it a face.
std::unique_ptr<NativeControl> MakeButton(NativeControlOwner& owner, const Control& control);
std::unique_ptr<NativeControl> MakeSuperButton(NativeControlOwner& owner, const Control& control);
std::unique_ptr<NativeControl> MakeRadioBox(NativeControlOwner& owner, const Control& control);
std::unique_ptr<NativeControl> MakeGroupBox(NativeControlOwner& owner, const Control& control);
std::unique_ptr<NativeControl> MakeColourPicker(NativeControlOwner& owner, const Control& control);
std::unique_ptr<NativeControl> MakeLabel(NativeControlOwner& owner, const Control& control);
std::unique_ptr<NativeControl> MakeTransLabel(NativeControlOwner& owner, const Control& control);
std::unique_ptr<NativeControl> MakeComboBox(NativeControlOwner& owner, const Control& control);
std::unique_ptr<NativeControl> MakeListBox(NativeControlOwner& owner, const Control& control);
std::unique_ptr<NativeControl> MakeProgressBar(NativeControlOwner& owner, const Control& control);
std::unique_ptr<NativeControl> MakeSliderBar(NativeControlOwner& owner, const Control& control);
