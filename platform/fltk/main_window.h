#pragma once
// The program's one window: fixed size, centred, above other windows, the background
// picture stretched over the client area, closing ends the program.
#include <FL/Fl_Double_Window.H>

#include "platform/fltk/view_owner.h"

// The client area that a 478 x 610 window leaves under a standard caption and frame,
// so that the catalogue's layout fits as designed.
inline constexpr int kClientWidth = 472;
inline constexpr int kClientHeight = 581;
// Where the client area lies inside the outer window on the desktop the layout was made
// for: a 3-pixel frame and a 23-pixel caption.
inline constexpr int kFrameLeft = 3;
inline constexpr int kFrameTop = 26;

class MainWindow : public Fl_Double_Window {
 public:
  MainWindow(ViewOwner& owner, int outer_width, int outer_height, const char* title);
  void draw() override;
  int handle(int event) override;
  // After show(): asks the window manager for the keep-above state and for a frame
  // without minimise and maximise buttons.
  void KeepAbove();

 private:
  static void Closed(Fl_Widget* widget, void* data);
  ViewOwner& owner_;
};

// Centres a window of the given outer size on the primary screen and answers the
// client area's position.
void CentredClientPosition(int outer_width, int outer_height, int& x, int& y);
