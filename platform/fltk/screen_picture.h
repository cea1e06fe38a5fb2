#pragma once
// A picture kept where it is drawn from: an X pixmap filled at its first drawing. The
// decoded pixels live only while the pixmap is filled, so no picture is held twice in
// this program (decoded pixels and an image of them) beside the server's copy.
#include "platform/fltk/fltk_draw.h"  // Fl_Offscreen, without the X11 name clashes

#include <cstdint>
#include <functional>

class ScreenPicture {
 public:
  // Fills one row of `width` RGB pixels, rows top to bottom.
  using RowSource = std::function<void(int row, uint8_t* rgb)>;

  ScreenPicture() = default;
  ~ScreenPicture();
  ScreenPicture(const ScreenPicture&) = delete;
  ScreenPicture& operator=(const ScreenPicture&) = delete;

  int width() const { return width_; }
  int height() const { return height_; }
  bool filled() const { return pixmap_ != 0; }
  // Makes the pixmap from rows handed over a few at a time, so that FLTK's conversion
  // buffer stays small. Only while a window draws (FLTK needs a drawable to match).
  void Fill(int width, int height, const RowSource& rows);
  // Gives the pixmap back; filled() is false afterwards.
  void Clear();
  // Copies the part (sx, sy, w, h) of the picture to (x, y) within the current clip.
  void Draw(int x, int y, int w, int h, int sx, int sy) const;

 private:
  Fl_Offscreen pixmap_ = 0;
  int width_ = 0;
  int height_ = 0;
};
