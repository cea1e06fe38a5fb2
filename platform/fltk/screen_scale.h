#pragma once
// The Linux window's display scale. The model and everything it reads stay in the
// catalogue's 96-dpi pixels; the widgets are placed, sized, lettered and framed at this
// scale where they meet FLTK, and what FLTK reports back is divided by it.
#include <string>
#include <string_view>

#include "shell/display_scale.h"

// Where the scale comes from, first match wins: the host's SCOREBOARD_SCALE, the
// desktop's GDK_SCALE, then Xft.dpi in the X server's resources (the dpi a desktop sets
// for its scale) over 96, rounded to a quarter; 1 without any. Each argument is null when
// unset. A SCOREBOARD_SCALE that is no number in range is named in `complaint` and the
// next source is asked.
double ChooseScreenScale(const char* scoreboard_scale, const char* gdk_scale,
                         const char* x_resources, std::string& complaint);
// Xft.dpi from the X resource database's text ("Xft.dpi:\t192\n..."); 0 when absent.
double XftDpi(std::string_view x_resources);

// The window's scale: set once, before the first widget is made.
double ScreenScale();
void SetScreenScale(double scale);
// A catalogue length, or a rectangle by its edges, at the window's scale.
int Px(int catalogue_pixels);
Rect Px(const Rect& catalogue_rect);
// FLTK's frames drawn with every line as thick as the scale makes it, for every widget.
void UseScaledFrames();
