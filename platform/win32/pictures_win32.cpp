#include "platform/win32/pictures_win32.h"

#include <map>
#include <memory>
#include <string>
#include <utility>

#ifdef SCOREBOARD_HAVE_PICTURES
#include "resources/pictures.h"
#endif

namespace {

std::map<std::string, std::unique_ptr<PictureDib>> decoded;

#ifdef SCOREBOARD_HAVE_PICTURES
// Decoded row by row straight into the bitmap's rows: the picture never exists twice.
std::unique_ptr<PictureDib> MakeDib(std::span<const uint8_t> jpeg) {
  JpegRows rows(jpeg);
  if (!rows.ok())
    return nullptr;
  auto dib = std::make_unique<PictureDib>();
  dib->width = rows.width();
  dib->height = rows.height();
  BITMAPINFOHEADER& header = dib->info.bmiHeader;
  header.biSize = sizeof header;
  header.biWidth = dib->width;
  header.biHeight = -dib->height;  // top-down rows, as the decoder gives them
  header.biPlanes = 1;
  header.biBitCount = 24;
  header.biCompression = BI_RGB;
  const size_t width = static_cast<size_t>(dib->width);
  const size_t row_bytes = (width * 3 + 3) & ~size_t{3};
  dib->bits.assign(row_bytes * static_cast<size_t>(dib->height), 0);
  for (size_t y = 0; y < static_cast<size_t>(dib->height); ++y) {
    uint8_t* to = dib->bits.data() + y * row_bytes;
    if (!rows.Next(to))
      return nullptr;
    for (size_t x = 0; x < width; ++x) std::swap(to[x * 3 + 0], to[x * 3 + 2]);  // RGB to BGR
  }
  return dib;
}
#endif

}  // namespace

const PictureDib* FindPicture(const char* name) {
  if (name == nullptr)
    return nullptr;
  const std::string key(name);
  auto found = decoded.find(key);
  if (found != decoded.end())
    return found->second.get();
  std::unique_ptr<PictureDib> dib;
#ifdef SCOREBOARD_HAVE_PICTURES
  dib = MakeDib(EmbeddedPicture(key));
#endif
  return decoded.emplace(key, std::move(dib)).first->second.get();
}

void DrawPictureCentred(HDC dc, const RECT& area, const PictureDib& picture) {
  const int left = area.left + (area.right - area.left - picture.width) / 2;
  const int top = area.top + (area.bottom - area.top - picture.height) / 2;
  const int saved = SaveDC(dc);
  IntersectClipRect(dc, area.left, area.top, area.right, area.bottom);
  SetDIBitsToDevice(dc, left, top, static_cast<DWORD>(picture.width),
                    static_cast<DWORD>(picture.height), 0, 0, 0, static_cast<UINT>(picture.height),
                    picture.bits.data(), &picture.info, DIB_RGB_COLORS);
  RestoreDC(dc, saved);
}

void DrawPictureStretched(HDC dc, const RECT& area, const PictureDib& picture) {
  SetStretchBltMode(dc, HALFTONE);
  SetBrushOrgEx(dc, 0, 0, nullptr);
  StretchDIBits(dc, area.left, area.top, area.right - area.left, area.bottom - area.top, 0, 0,
                picture.width, picture.height, picture.bits.data(), &picture.info, DIB_RGB_COLORS,
                SRCCOPY);
}

void ForgetPicture(const char* name) {
  if (name != nullptr)
    decoded.erase(name);
}
