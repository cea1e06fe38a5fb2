#pragma once
// One control of the window as the Win32 front end holds it: the model it mirrors, the
// native window that shows it, and the kind's own answers to what the platform reports
// about it. Each kind lives in its own file; the window only finds the control a notice
// came from and hands the notice to it.
#include <windows.h>
// The program's interfaces have members of these names; not the platform's A/W macros.
#undef CreateWindow
#undef MessageBox

#include <cstdint>

#include "services/control_host.h"
#include "services/control_model.h"

class Application;

// What the controls ask of the window that holds them. The front end implements it, so
// that a control needs nothing of the front end's own.
class NativeControlOwner {
 public:
  virtual Application& app() const = 0;
  virtual const ControlModel& model() const = 0;
  virtual HWND main_window() const = 0;
  // A solid brush of the colour, kept until the window goes.
  virtual HBRUSH Brush(COLORREF colour) = 0;
  // The focus is being moved by the program (the window's keys, a closed dialog), not
  // by the user.
  virtual bool moving_focus() const = 0;

 protected:
  ~NativeControlOwner() = default;
};

class NativeControl {
 public:
  NativeControl(NativeControlOwner& owner, const Control& model) : owner_(owner), model_(model) {}
  virtual ~NativeControl();
  NativeControl(const NativeControl&) = delete;
  NativeControl& operator=(const NativeControl&) = delete;

  // Makes the native window, hidden at the control's rectangle at `scale`, in its font
  // (`gui_font` when it has none of its own); false when the platform refuses. The front
  // end shows it once every control is made.
  bool Create(HWND parent, double scale, HFONT gui_font);
  // The display's scale changed: the control takes its place, font and pictures anew.
  void Rescale(double scale, HFONT gui_font);
  // Shows one aspect of the model again.
  void Changed(Aspect aspect);

  // What the platform reports about the control, reflected to it by the window.
  virtual void OnCommand(UINT /*code*/) {}
  virtual void OnScroll(UINT /*code*/) {}
  virtual void OnDrawItem(const DRAWITEMSTRUCT& /*item*/) {}
  // WM_CTLCOLOR*: sets the colours the platform draws the control's text in and answers
  // the brush of its background.
  virtual LRESULT OnColour(HDC dc);
  // The window's own keys or a closed dialog just gave the control the focus.
  virtual void Focused() {}

  const Control& model() const { return model_; }
  HWND hwnd() const { return hwnd_; }
  // The control's own font, or the window's GUI font; both at the display's scale.
  HFONT font() const;
  // The display's scale the control is drawn at (catalogue pixels times this).
  double scale() const { return scale_; }
  // A catalogue length (an inset, a border) at the display's scale.
  int Px(int catalogue_pixels) const;

 protected:
  // The kind's native window, with the creation data its class expects.
  virtual HWND MakeWindow(HWND parent) = 0;
  // The aspects that differ between kinds (all but visibility, font and geometry).
  virtual void Show(Aspect aspect);
  // Sets the window's text to the model's unless it shows it already; true when it changed.
  bool ShowCaption();
  // The rectangle the native window takes, in catalogue pixels relative to its parent:
  // the control's own, unless the kind's window holds more (a combo box's drop-down).
  virtual Rect PlacedRect() const { return model_.rect; }
  // Moves the native window to its rectangle at the display's scale.
  void Place();

  NativeControlOwner& owner() const { return owner_; }
  Application& app() const;

 private:
  NativeControlOwner& owner_;
  const Control& model_;  // in the ControlModel, which never moves
  HWND hwnd_ = nullptr;
  HFONT font_ = nullptr;      // owned; nullptr for the window's GUI font
  HFONT gui_font_ = nullptr;  // the window's, not owned
  double scale_ = 1.0;
};

// Private messages. A transparent label asks the top-level window to paint the part of
// the background picture under it: wParam = HDC, lParam = RECT* in the window's client.
inline constexpr UINT kPaintBackgroundMessage = WM_APP + 1;
// Posted to the main window by another thread: run the work queued for this thread.
inline constexpr UINT kRunQueuedMessage = WM_APP + 3;

// Registers `name`, a class of this program's own made from the platform's class `base`
// with `proc` as its window procedure (superclassing: one class, not one subclass for
// every window). `base_proc` receives the platform's procedure for `proc` to call on.
bool RegisterSuperclass(const wchar_t* base, const wchar_t* name, WNDPROC proc, WNDPROC& base_proc);

// The styles every control is created with: a child that paints only itself (controls
// overlap: group boxes lie under their neighbours), disabled and a tab stop as its
// catalogue flags say. Set at creation, never after: a style changed later reaches
// some controls too late (a disabled edit box kept drawing as enabled).
DWORD CreationStyle(const Control& c);

// Window styles of the catalogue's border styles.
DWORD BorderStyle(int32_t border);
DWORD BorderExStyle(int32_t border);

// Where a BUTTON-made control puts its caption across.
DWORD ButtonCaptionAlign(const OwnProperties& own);

// A catalogue colour as drawn: the default colour takes the given system colour.
COLORREF ShownColour(Colour colour, int system_colour);

// The control's own font (GB2312 character set) at `scale`; nullptr when it has none.
HFONT MakeFont(const Font& font, double scale);
// The system's GUI font at the height it has at 96 dpi times `scale`, so that captions
// keep the proportions they have at 96 dpi whatever the display's scale.
HFONT MakeGuiFont(double scale);

// The focus rectangle of an owner-drawn button, `inset` pixels inside its face.
void DrawFocusInside(HDC dc, const RECT& face, int inset);
