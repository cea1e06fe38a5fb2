#include "platform/win32/pictures_win32.h"

#include <map>
#include <memory>
#include <string>

#ifdef SCOREBOARD_HAVE_PICTURES
#include "resources/pictures.h"
#endif

namespace {

#ifdef SCOREBOARD_HAVE_PICTURES
std::unique_ptr<PictureDib> MakeDib(const Picture& picture) {
  auto dib = std::make_unique<PictureDib>();
  dib->width = picture.width;
  dib->height = picture.height;
  BITMAPINFOHEADER& header = dib->info.bmiHeader;
  header.biSize = sizeof header;
  header.biWidth = picture.width;
  header.biHeight = -picture.height;  // top-down rows, as the decoder gives them
  header.biPlanes = 1;
  header.biBitCount = 24;
  header.biCompression = BI_RGB;
  const size_t row_bytes = (static_cast<size_t>(picture.width) * 3 + 3) & ~size_t{3};
  dib->bits.assign(row_bytes * static_cast<size_t>(picture.height), 0);
  for (size_t y = 0; y < static_cast<size_t>(picture.height); ++y) {
    const uint8_t* from = picture.rgb.data() + y * static_cast<size_t>(picture.width) * 3;
    uint8_t* to = dib->bits.data() + y * row_bytes;
    for (size_t x = 0; x < static_cast<size_t>(picture.width); ++x) {
      to[x * 3 + 0] = from[x * 3 + 2];
      to[x * 3 + 1] = from[x * 3 + 1];
      to[x * 3 + 2] = from[x * 3 + 0];
    }
  }
  return dib;
}
#endif

}  // namespace

const PictureDib* FindPicture(const char* name) {
  if (name == nullptr)
    return nullptr;
  static std::map<std::string, std::unique_ptr<PictureDib>> decoded;
  const std::string key(name);
  auto found = decoded.find(key);
  if (found != decoded.end())
    return found->second.get();
  std::unique_ptr<PictureDib> dib;
#ifdef SCOREBOARD_HAVE_PICTURES
  const auto picture = DecodeJpeg(EmbeddedPicture(key));
  if (picture && picture->width > 0 && picture->height > 0 &&
      picture->rgb.size() ==
          static_cast<size_t>(picture->width) * static_cast<size_t>(picture->height) * 3) {
    dib = MakeDib(*picture);
  }
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
