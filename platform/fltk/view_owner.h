#pragma once
// What the window and the controls' widgets ask of the front end that shows them. The
// front end implements it, so that a widget or the window needs nothing of the front
// end's own and the front end alone knows them all.
#include "platform/fltk/screen_picture.h"
#include "services/control_model.h"

class Application;

class ViewOwner {
 public:
  virtual Application& app() const = 0;
  virtual const ControlModel& model() const = 0;
  // A picture of the catalogue at its own size, greyed for a disabled control, shared
  // by every widget that shows it; null when the picture is missing or damaged (the
  // widget then shows its caption). Only while a widget draws: it is made at its first
  // drawing.
  virtual const ScreenPicture* Picture(const char* name, bool greyed) = 0;
  // Paints the window's picture over a rectangle in window coordinates.
  virtual void DrawBackground(int x, int y, int w, int h) = 0;
  // Gives a control the keyboard focus (0: nothing happens).
  virtual void FocusControl(ControlId id) = 0;
  // The user closed the window.
  virtual void CloseWindow() = 0;

 protected:
  ~ViewOwner() = default;
};
