#pragma once
// One maker per control kind, each in its kind's file, and the table that picks them.
// The widget is created without a parent; the front end places it.
#include "platform/fltk/control_view.h"

using ViewMaker = ControlView* (*)(ViewOwner& owner, const Control& control);

// nullptr for the kinds that have nothing on screen (timers, the common dialog).
ViewMaker MakerOf(Kind kind);

ControlView* MakeEditBox(ViewOwner& owner, const Control& control);
// A multi-line box the user types in; MakeEditBox hands those over.
ControlView* MakeTeamLineBox(ViewOwner& owner, const Control& control);
// A push button, or a picture button when the catalogue gives it a face.
ControlView* MakeButton(ViewOwner& owner, const Control& control);
ControlView* MakePushButton(ViewOwner& owner, const Control& control);
ControlView* MakePictureButton(ViewOwner& owner, const Control& control);
ControlView* MakeSuperButton(ViewOwner& owner, const Control& control);
ControlView* MakeLabel(ViewOwner& owner, const Control& control);
ControlView* MakeTransLabel(ViewOwner& owner, const Control& control);
ControlView* MakeGroupBox(ViewOwner& owner, const Control& control);
ControlView* MakeRadioBox(ViewOwner& owner, const Control& control);
ControlView* MakeComboBox(ViewOwner& owner, const Control& control);
ControlView* MakeListBox(ViewOwner& owner, const Control& control);
ControlView* MakeProgressBar(ViewOwner& owner, const Control& control);
ControlView* MakeSliderBar(ViewOwner& owner, const Control& control);
ControlView* MakeColourPicker(ViewOwner& owner, const Control& control);

// A group box holds its members as an FLTK group.
class Fl_Group;
Fl_Group* AsGroup(ControlView& group_box);
