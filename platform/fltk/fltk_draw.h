#pragma once
// FLTK's drawing header brings in the X11 headers, whose global types Font and Window
// clash with the program's own; they are renamed while it is read. Include this first.
#define Font XFont
#define Window XWindow
#include <FL/fl_draw.H>
#undef Font
#undef Window
