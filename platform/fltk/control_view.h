#pragma once
// What every control's widget shares: the control it mirrors, the front end it reports
// through, and the drawing helpers that make the kinds look alike (colours, fonts,
// borders, the window picture behind transparent parts).
#include <FL/Enumerations.H>
#include <FL/Fl_Widget.H>

#include <string>
#include <string_view>

#include "platform/fltk/view_owner.h"
#include "services/control_model.h"
#include "shell/front_end.h"

class Application;

class ControlView {
 public:
  ControlView(ViewOwner& owner, ControlId id) : owner_(owner), id_(id) {}
  virtual ~ControlView() = default;
  ControlView(const ControlView&) = delete;
  ControlView& operator=(const ControlView&) = delete;

  virtual Fl_Widget& widget() = 0;
  // Shows one aspect of the model again. Visible, Disabled and Geometry are common;
  // the rest goes to ShowAspect.
  void Refresh(Aspect aspect);
  // Everything from the model, as at creation.
  void RefreshAll();

  ControlId id() const { return id_; }
  const Control& control() const;
  Application& app() const;
  ViewOwner& owner() const { return owner_; }

 protected:
  virtual void ShowAspect(Aspect aspect) = 0;
  // Redraws the widget unless it lies wholly outside the window, where nobody sees it.
  void Invalidate();
  // The shared part of a widget's handle(): focus reports and the keyboard
  // pre-translation. Answers true when the event is used up here.
  bool PreHandle(int event);

 private:
  ViewOwner& owner_;
  ControlId id_;
};

// Colours: a COLORREF, with the default colour standing for the given fallback.
Fl_Color FlColour(Colour colour, Fl_Color fallback);
inline constexpr Fl_Color kButtonFace = FL_BACKGROUND_COLOR;

// A border style as an FLTK box type (filled when `filled`).
Fl_Boxtype BorderBox(int32_t border_style, bool filled);

// The font a control draws with: its own or the window's 12-pixel GUI font. `face` is
// always the regular cut: text this program draws itself is made bold by DrawPlainText.
// Text that FLTK's own widgets draw (inputs, menus, browsers) uses `widget_face`, the
// bold cut when the font is bold.
struct FlFont {
  Fl_Font face = FL_HELVETICA;
  Fl_Fontsize size = 12;
  bool bold = false;
  Fl_Font widget_face = FL_HELVETICA;
};
FlFont FontOf(const Control& control);
// Every text FLTK draws on its own (dialogs, tooltips, its buttons) in the Chinese face,
// and FLTK's own dialog buttons in Chinese. Once, before any window opens.
void UseChineseFaceForEveryText();

// UTF-8 for FLTK, with CR LF turned into the LF that FLTK breaks lines on.
std::string ShownText(const Text& text);
// The other way for a typed multi-line text: FLTK's LF back into the model's CR LF.
std::string WithCrLf(std::string_view shown);

// Draws text with FLTK's "@" symbols and "&" shortcuts switched off; bold text is struck
// twice, BoldShift() apart (a pixel at the window's scale), so it is that much wider than
// fl_measure says.
void DrawPlainText(const std::string& utf8, int x, int y, int w, int h, Fl_Align align,
                   bool bold = false);
int BoldShift();
// The caption of a button or label: in `colour`, or greyed as the desktop the layout was
// made for greys a disabled one (shadow-grey text over a white copy a pixel right and down).
inline const Fl_Color kGreyedText = fl_rgb_color(0xA0, 0xA0, 0xA0);
void DrawCaption(const std::string& utf8, int x, int y, int w, int h, Fl_Align align, bool bold,
                 Fl_Color colour, bool active);

// Where a control lies in window coordinates (group box members are inside theirs).
Rect WindowRect(const ControlModel& model, const Control& control);
