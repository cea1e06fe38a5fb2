#include "platform/fltk/fltk_draw.h"

#include "platform/fltk/screen_picture.h"

#include <algorithm>
#include <vector>

// FLTK's offscreen macros name the X11 window type, renamed by fltk_draw.h; nothing of
// this program's own is called Window in this file.
using Window = XWindow;

namespace {

// FLTK converts an image for the server through one buffer that it keeps for good and
// sizes for the largest image it was given; a strip of this many rows keeps it small.
constexpr int kStripRows = 16;

}  // namespace

ScreenPicture::~ScreenPicture() {
  Clear();
}

void ScreenPicture::Clear() {
  if (pixmap_ != 0)
    fl_delete_offscreen(pixmap_);
  pixmap_ = 0;
}

void ScreenPicture::Fill(int width, int height, const RowSource& rows) {
  if (pixmap_ != 0 || width <= 0 || height <= 0)
    return;
  width_ = width;
  height_ = height;
  pixmap_ = fl_create_offscreen(width, height);
  std::vector<uint8_t> strip(static_cast<size_t>(width) * 3 * kStripRows);
  fl_begin_offscreen(pixmap_);
  for (int top = 0; top < height; top += kStripRows) {
    const int count = std::min(kStripRows, height - top);
    for (int i = 0; i < count; ++i) rows(top + i, &strip[static_cast<size_t>(i) * width * 3]);
    fl_draw_image(strip.data(), 0, top, width, count, 3);
  }
  fl_end_offscreen();
}

void ScreenPicture::Draw(int x, int y, int w, int h, int sx, int sy) const {
  if (pixmap_ != 0)
    fl_copy_offscreen(x, y, w, h, pixmap_, sx, sy);
}
