// The yardstick of the window start-up benchmark: the least an FLTK program shows, one
// window with one button.
#include <FL/Fl.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Double_Window.H>

int main() {
  Fl_Double_Window window(472, 581, "bare FLTK window");
  Fl_Button button(20, 20, 100, 24, "Button");
  window.end();
  window.show();
  return Fl::run();
}
