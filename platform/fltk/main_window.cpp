#include "platform/fltk/main_window.h"
#include "platform/fltk/screen_scale.h"

#include <FL/Fl.H>

#include "platform/fltk/keys.h"
#include "platform/fltk/x11_window.h"
#include "shell/keyboard.h"

MainWindow::MainWindow(ViewOwner& owner, int outer_width, int outer_height, const char* title)
    : Fl_Double_Window(Px(kClientWidth), Px(kClientHeight)), owner_(owner) {
  end();
  copy_label(title);
  int x = 0, y = 0;
  // The frame around the client area is the window manager's, at its own size.
  CentredClientPosition(w() + outer_width - kClientWidth, h() + outer_height - kClientHeight, x, y);
  position(x, y);
  size_range(w(), h(), w(), h());
  callback(Closed, this);
}

void MainWindow::draw() {
  if ((damage() & ~FL_DAMAGE_CHILD) != 0)
    owner_.DrawBackground(0, 0, w(), h());
  draw_children();
}

int MainWindow::handle(int event) {
  if (event == FL_KEYBOARD) {
    const int key = Fl::event_key();
    // Nothing has the focus: the window's own keys still apply (Tab finds the first
    // stop); the rest, arrows and Enter included, move nothing.
    TakeWindowKey(owner_.app(), 0, VirtualKeyOf(key), ModifiersOf(Fl::event_state(), key),
                  [this](ControlId target) { owner_.FocusControl(target); });
    if (key == FL_Escape)
      return Fl_Double_Window::handle(event);  // the close callback refuses it
    return 1;
  }
  return Fl_Double_Window::handle(event);
}

void MainWindow::Closed(Fl_Widget*, void* data) {
  // Escape does not close this window; only the close box and the window menu do.
  if (Fl::event() == FL_SHORTCUT && Fl::event_key() == FL_Escape)
    return;
  static_cast<MainWindow*>(data)->owner_.CloseWindow();
}

void MainWindow::KeepAbove() {
  SetKeepAbove(*this);
  SetMoveAndCloseOnly(*this);
}

void CentredClientPosition(int outer_width, int outer_height, int& x, int& y) {
  int sx = 0, sy = 0, sw = 0, sh = 0;
  Fl::screen_xywh(sx, sy, sw, sh, 0);
  x = sx + (sw - outer_width) / 2 + kFrameLeft;
  y = sy + (sh - outer_height) / 2 + kFrameTop;
}
