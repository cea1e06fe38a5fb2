#pragma once
// The catalogue's pictures as device-independent bitmaps, decoded once on first use.
#include <windows.h>

#include <cstdint>
#include <vector>

struct PictureDib {
  BITMAPINFO info{};
  std::vector<uint8_t> bits;  // 24-bit BGR rows, top down, each padded to 4 bytes
  int width = 0;
  int height = 0;
};

// nullptr when the build carries no pictures or the named one does not decode.
const PictureDib* FindPicture(const char* name);

// Frees a decoded picture that is drawn only through a copy of its own (the background
// once stretched); a later FindPicture decodes it again.
void ForgetPicture(const char* name);

// The picture at `width` x `height`, each pixel blended from the original's nearest four
// (a smooth filter: a picture never shows doubled pixels at a display's scale).
PictureDib Resampled(const PictureDib& picture, int width, int height);

// The picture at a display's scale: the original itself at 1, else a resampled copy made
// once per scale and kept.
const PictureDib& ScaledPicture(const PictureDib& picture, double scale);

// At its own size, centred in `area` and clipped to it.
void DrawPictureCentred(HDC dc, const RECT& area, const PictureDib& picture);
// Resampled over the whole of `area`.
void DrawPictureStretched(HDC dc, const RECT& area, const PictureDib& picture);
