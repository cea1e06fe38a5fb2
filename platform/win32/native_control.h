#pragma once
// One control of the window as the Win32 front end holds it: the model it mirrors and
// the native window that shows it. Each kind's creation and drawing lives in its own file.
#include <windows.h>

#include <cstdint>
#include <functional>

#include "services/control_model.h"

struct PictureDib;

struct NativeControl {
  const Control* model = nullptr;  // points into the ControlModel, which never moves
  HWND hwnd = nullptr;
  HFONT font = nullptr;  // owned when the control has a font of its own, else the stock font
  bool muted = false;    // the program is setting an EditBox's text: no user edit to report
  bool hot = false;      // the mouse is over a SuperBtn
  const PictureDib* picture = nullptr;  // a picture button's face
};

// Private messages. A transparent label asks the top-level window to paint the part of
// the background picture under it: wParam = HDC, lParam = RECT* in the window's client.
inline constexpr UINT kPaintBackgroundMessage = WM_APP + 1;

// Creation, all hidden at the control's rectangle; the front end shows them afterwards.
HWND CreateEditBox(const Control& c, HWND parent, NativeControl& native);
HWND CreateButtonKind(const Control& c, HWND parent, NativeControl& native);
HWND CreateLabelKind(const Control& c, HWND parent, NativeControl& native);
HWND CreateListKind(const Control& c, HWND parent);
HWND CreateBarKind(const Control& c, HWND parent);

// Owner-drawn faces.
void DrawSuperButton(const NativeControl& native, const DRAWITEMSTRUCT& item);
void DrawPictureButton(const NativeControl& native, const DRAWITEMSTRUCT& item);
void DrawPickerButton(const NativeControl& native, const DRAWITEMSTRUCT& item);

// The colour picker's pop-up: 32 named cells and "其它颜色..." for the system dialog.
// `picked` runs after the pop-up is gone, only when the user chose a colour.
// It never takes the activation or the focus; it holds the mouse capture while open.
void OpenPalette(HWND picker, HWND owner, Colour current, std::function<void(Colour)> picked);
// The open pop-up, or nullptr.
HWND OpenPaletteWindow();
// Closes an open pop-up without a choice; true when one was open.
bool DismissPalette();
// Closes an open pop-up once the keyboard focus is no longer on its picker.
void DismissPaletteIfFocusLeft(HWND focus);

// A group box parents its members, so their notices reach it first: it hands them on
// (and lets the window's background show inside it). True when the message was taken.
bool ForwardedByGroupBox(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result);
// The class group boxes are made from: the platform's BUTTON, painting its own frame and
// caption (in the control's text colour on every theme) and handing its members'
// notices on. Its creation data is the NativeControl. Empty when it cannot be had.
const wchar_t* GroupBoxClass();

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

// A catalogue colour as drawn: the default colour takes the given system colour.
COLORREF ShownColour(Colour colour, int system_colour);

// Applies the control's font: its own (GB2312 character set) or the stock GUI font.
// Returns the font now owned by the control (nullptr for the stock font).
HFONT MakeFont(const Font& font);
HFONT FontOf(const NativeControl& native);
