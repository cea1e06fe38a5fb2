#include "platform/win32/pictures_win32.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <utility>

#include "shell/display_scale.h"

#ifdef SCOREBOARD_HAVE_PICTURES
#include "resources/pictures.h"
#endif

namespace {

std::map<std::string, std::unique_ptr<PictureDib>> decoded;
// Resampled copies by original, width and height.
std::map<std::tuple<const PictureDib*, int, int>, std::unique_ptr<PictureDib>> scaled_copies;

size_t RowBytes(int width) {
  return (static_cast<size_t>(width) * 3 + 3) & ~size_t{3};
}

void DescribeDib(PictureDib& dib, int width, int height) {
  dib.width = width;
  dib.height = height;
  BITMAPINFOHEADER& header = dib.info.bmiHeader;
  header.biSize = sizeof header;
  header.biWidth = width;
  header.biHeight = -height;  // top-down rows
  header.biPlanes = 1;
  header.biBitCount = 24;
  header.biCompression = BI_RGB;
  dib.bits.assign(RowBytes(width) * static_cast<size_t>(height), 0);
}

// Where a destination pixel's centre falls in the source, split into the pixel before it
// and how far towards the next one.
struct Sample {
  int before;
  int after;
  double towards_after;
};

Sample SampleAt(int destination, int destination_size, int source_size) {
  const double at = (destination + 0.5) * source_size / destination_size - 0.5;
  const double clamped = std::clamp(at, 0.0, static_cast<double>(source_size - 1));
  const int before = static_cast<int>(std::floor(clamped));
  return {before, std::min(before + 1, source_size - 1), clamped - before};
}

#ifdef SCOREBOARD_HAVE_PICTURES
// Decoded row by row straight into the bitmap's rows: the picture never exists twice.
std::unique_ptr<PictureDib> MakeDib(std::span<const uint8_t> jpeg) {
  JpegRows rows(jpeg);
  if (!rows.ok())
    return nullptr;
  auto dib = std::make_unique<PictureDib>();
  DescribeDib(*dib, rows.width(), rows.height());  // top-down rows, as the decoder gives them
  const size_t width = static_cast<size_t>(dib->width);
  const size_t row_bytes = RowBytes(dib->width);
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

PictureDib Resampled(const PictureDib& picture, int width, int height) {
  PictureDib copy;
  width = std::max(width, 1);
  height = std::max(height, 1);
  DescribeDib(copy, width, height);
  if (picture.width <= 0 || picture.height <= 0)
    return copy;
  const size_t from_row = RowBytes(picture.width);
  const size_t to_row = RowBytes(width);
  std::vector<Sample> columns;
  for (int x = 0; x < width; ++x) columns.push_back(SampleAt(x, width, picture.width));
  for (int y = 0; y < height; ++y) {
    const Sample row = SampleAt(y, height, picture.height);
    const uint8_t* upper = picture.bits.data() + static_cast<size_t>(row.before) * from_row;
    const uint8_t* lower = picture.bits.data() + static_cast<size_t>(row.after) * from_row;
    uint8_t* to = copy.bits.data() + static_cast<size_t>(y) * to_row;
    for (int x = 0; x < width; ++x) {
      const Sample& column = columns[static_cast<size_t>(x)];
      const size_t left = static_cast<size_t>(column.before) * 3;
      const size_t right = static_cast<size_t>(column.after) * 3;
      for (size_t channel = 0; channel < 3; ++channel) {
        const double top = upper[left + channel] +
                           (upper[right + channel] - upper[left + channel]) * column.towards_after;
        const double bottom =
            lower[left + channel] +
            (lower[right + channel] - lower[left + channel]) * column.towards_after;
        const double value = top + (bottom - top) * row.towards_after;
        to[static_cast<size_t>(x) * 3 + channel] = static_cast<uint8_t>(std::lround(value));
      }
    }
  }
  return copy;
}

const PictureDib& ScaledPicture(const PictureDib& picture, double scale) {
  if (scale == 1.0)
    return picture;
  const int width = Scaled(picture.width, scale);
  const int height = Scaled(picture.height, scale);
  auto& copy = scaled_copies[{&picture, width, height}];
  if (copy == nullptr)
    copy = std::make_unique<PictureDib>(Resampled(picture, width, height));
  return *copy;
}

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
  // Resampled here rather than by the platform's stretch, whose smoothing differs
  // between systems (Wine's halftone mode keeps hard pixel steps when enlarging).
  const PictureDib copy = Resampled(picture, area.right - area.left, area.bottom - area.top);
  SetDIBitsToDevice(dc, area.left, area.top, static_cast<DWORD>(copy.width),
                    static_cast<DWORD>(copy.height), 0, 0, 0, static_cast<UINT>(copy.height),
                    copy.bits.data(), &copy.info, DIB_RGB_COLORS);
}

void ForgetPicture(const char* name) {
  if (name == nullptr)
    return;
  auto found = decoded.find(name);
  if (found == decoded.end())
    return;
  std::erase_if(scaled_copies,
                [&](const auto& entry) { return std::get<0>(entry.first) == found->second.get(); });
  decoded.erase(found);
}
