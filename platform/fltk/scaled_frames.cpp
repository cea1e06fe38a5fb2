// FLTK draws its frames one pixel per line. At a larger scale each line is drawn as many
// pixels thick as its edges scale to, so a sunken box at 2 looks like the one at 1 seen
// through a magnifier, and the face inside starts where the scaled frame ends.
#include "platform/fltk/fltk_draw.h"

#include <FL/Fl.H>

#include <string>

#include "platform/fltk/screen_scale.h"

namespace {

// The frame's lines, outside in, four grey-ramp letters each (FLTK's frame strings),
// with each line repeated for the pixels it covers at the scale.
std::string Thickened(const char* lines) {
  std::string thick;
  const int count = static_cast<int>(std::char_traits<char>::length(lines)) / 4;
  for (int i = 0; i < count; ++i) {
    for (int k = Px(i); k < Px(i + 1); ++k) thick.append(lines + 4 * i, 4);
  }
  return thick;
}

// Bottom and right first (FLTK's fl_frame2), or top and left first (fl_frame).
struct FrameLook {
  const char* lines;
  bool bottom_first;
};

constexpr FrameLook kUp{"AAWWMMTT", true};
constexpr FrameLook kDown{"WWMMPPAA", true};
constexpr FrameLook kThinUp{"HHWW", true};
constexpr FrameLook kThinDown{"WWHH", true};
constexpr FrameLook kEngraved{"HHWWWWHH", false};

template <const FrameLook& look>
void Frame(int x, int y, int w, int h, Fl_Color) {
  static const std::string thick = Thickened(look.lines);
  if (look.bottom_first)
    fl_frame2(thick.c_str(), x, y, w, h);
  else
    fl_frame(thick.c_str(), x, y, w, h);
}

template <const FrameLook& look>
void Box(int x, int y, int w, int h, Fl_Color c) {
  Frame<look>(x, y, w, h, c);
  const int d = Px(static_cast<int>(std::char_traits<char>::length(look.lines)) / 4);
  fl_color(Fl::draw_box_active() ? c : fl_inactive(c));
  fl_rectf(x + d, y + d, w - 2 * d, h - 2 * d);
}

void BorderFrame(int x, int y, int w, int h, Fl_Color) {
  const int d = Px(1);
  fl_color(Fl::draw_box_active() ? FL_BLACK : fl_inactive(FL_BLACK));
  fl_rectf(x, y, w, d);
  fl_rectf(x, y + h - d, w, d);
  fl_rectf(x, y, d, h);
  fl_rectf(x + w - d, y, d, h);
}

void BorderBox(int x, int y, int w, int h, Fl_Color c) {
  BorderFrame(x, y, w, h, c);
  const int d = Px(1);
  fl_color(Fl::draw_box_active() ? c : fl_inactive(c));
  fl_rectf(x + d, y + d, w - 2 * d, h - 2 * d);
}

void Register(Fl_Boxtype type, Fl_Box_Draw_F* draw, int lines) {
  const auto d = static_cast<uchar>(Px(lines));
  Fl::set_boxtype(type, draw, d, d, static_cast<uchar>(2 * d), static_cast<uchar>(2 * d));
}

}  // namespace

void UseScaledFrames() {
  if (ScreenScale() == 1.0)
    return;  // FLTK's own frames are these at 1
  Register(FL_UP_BOX, Box<kUp>, 2);
  Register(FL_UP_FRAME, Frame<kUp>, 2);
  Register(FL_DOWN_BOX, Box<kDown>, 2);
  Register(FL_DOWN_FRAME, Frame<kDown>, 2);
  Register(FL_THIN_UP_BOX, Box<kThinUp>, 1);
  Register(FL_THIN_UP_FRAME, Frame<kThinUp>, 1);
  Register(FL_THIN_DOWN_BOX, Box<kThinDown>, 1);
  Register(FL_THIN_DOWN_FRAME, Frame<kThinDown>, 1);
  Register(FL_ENGRAVED_BOX, Box<kEngraved>, 2);
  Register(FL_ENGRAVED_FRAME, Frame<kEngraved>, 2);
  Register(FL_BORDER_BOX, BorderBox, 1);
  Register(FL_BORDER_FRAME, BorderFrame, 1);
  Fl::scrollbar_size(Px(Fl::scrollbar_size()));
}
