#pragma once
// One maker per control kind; each lives in its own file. The widget is created
// without a parent; the front end places it.
#include "platform/fltk/control_view.h"

ControlView* MakeEditBox(FltkFrontEnd& owner, const Control& control);
// A multi-line box the user types in; MakeEditBox hands those over.
ControlView* MakeTeamLineBox(FltkFrontEnd& owner, const Control& control);
ControlView* MakePushButton(FltkFrontEnd& owner, const Control& control);
ControlView* MakePictureButton(FltkFrontEnd& owner, const Control& control);
ControlView* MakeSuperButton(FltkFrontEnd& owner, const Control& control);
ControlView* MakeLabel(FltkFrontEnd& owner, const Control& control);
ControlView* MakeTransLabel(FltkFrontEnd& owner, const Control& control);
ControlView* MakeGroupBox(FltkFrontEnd& owner, const Control& control);
ControlView* MakeRadioBox(FltkFrontEnd& owner, const Control& control);
ControlView* MakeComboBox(FltkFrontEnd& owner, const Control& control);
ControlView* MakeListBox(FltkFrontEnd& owner, const Control& control);
ControlView* MakeProgressBar(FltkFrontEnd& owner, const Control& control);
ControlView* MakeSliderBar(FltkFrontEnd& owner, const Control& control);
ControlView* MakeColourPicker(FltkFrontEnd& owner, const Control& control);

// A group box holds its members as an FLTK group.
class Fl_Group;
Fl_Group* AsGroup(ControlView& group_box);
