#pragma once
// What the control services ask of the program around them: the loaded window, a
// redraw, the events a write raises, the timers, and the few things only a platform
// can do. The services declare it; the program fills it at start-up, so nothing here
// depends on who runs the board (a window, the headless driver or a test).
#include <cstdint>

#include "services/ids.h"
#include "services/text.h"

class ControlModel;
struct Control;

// What a property write changed, so that the front end redraws just that.
enum class Aspect : uint8_t {
  Visible,
  Disabled,
  Caption,  // content or caption
  TextColour,
  Font,
  Geometry,  // a box grew to fit its font
  Selection,
  Position,
  PickedColour,  // a colour picker's current colour
  Checked,       // a radio box
};

class ControlHost {
 public:
  virtual ~ControlHost() = default;

  // The loaded window's controls; null while no window is loaded.
  virtual ControlModel* LoadedModel() = 0;
  // A write changed what the control shows.
  virtual void Changed(const Control& control, Aspect aspect) = 0;
  // A box's content was written: its content-changed event runs before the write returns.
  virtual void ContentWritten(const Control& box) = 0;
  // A timer's interval was written; it runs afresh from now, or stops at 0.
  virtual void IntervalWritten(const Control& timer) = 0;

  // The platform's message box: its answer (1 OK ... 7 No), 1 when nothing can show it.
  virtual int32_t MessageBox(const Text& text, const Text& caption, uint32_t flags) = 0;
  // Starts a program with the platform show value; false when the platform refuses.
  virtual bool LaunchProgram(const Text& command_line, int32_t show_window, bool wait) = 0;
};

// The installed host. Without one no window is loaded, which is the fatal error of
// reaching a control of a window that is not there.
ControlHost& TheControlHost();
void InstallControlHost(ControlHost* host);  // nullptr uninstalls
