#pragma once
// What the push buttons, picture buttons and SuperBtn share: a click (mouse release or
// the space bar) is reported to the Application, which refuses it when disabled.
#include <FL/Fl_Button.H>

#include "platform/fltk/control_view.h"
#include "shell/application.h"

class ButtonBase : public Fl_Button, public ControlView {
 public:
  ButtonBase(ViewOwner& owner, const Control& c)
      : Fl_Button(c.rect.left, c.rect.top, c.rect.width, c.rect.height), ControlView(owner, c.id) {
    callback(Clicked, this);
  }
  Fl_Widget& widget() override { return *this; }
  int handle(int event) override {
    if (PreHandle(event))
      return 1;
    return Fl_Button::handle(event);
  }

 protected:
  void ShowAspect(Aspect) override {}
  // The face: up or, while held, down.
  Fl_Boxtype Face() const { return value() != 0 ? FL_DOWN_BOX : FL_UP_BOX; }

 private:
  static void Clicked(Fl_Widget*, void* data) {
    auto* self = static_cast<ButtonBase*>(data);
    self->app().Click(self->id());
  }
};
