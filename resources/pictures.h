#pragma once
// The pictures the catalogue names ("background", "gift1" .. "gift7"), embedded in the
// executable at build time and decoded with libjpeg. Shared by every window front end.
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

struct Picture {
  int32_t width = 0;
  int32_t height = 0;
  std::vector<uint8_t> rgb;  // width * height * 3 bytes, rows top to bottom
};

// The embedded JPEG bytes of a named picture; empty when there is no such picture.
std::span<const uint8_t> EmbeddedPicture(std::string_view name);
// Decodes JPEG bytes; nullopt (never a crash) for data that is not a usable JPEG.
std::optional<Picture> DecodeJpeg(std::span<const uint8_t> jpeg);

// Decodes JPEG bytes one row at a time, top to bottom, so that a picture scaled on the
// way never exists whole. Bad data ends it early: ok() turns false and Next() fails.
class JpegRows {
 public:
  explicit JpegRows(std::span<const uint8_t> jpeg);
  ~JpegRows();
  JpegRows(const JpegRows&) = delete;
  JpegRows& operator=(const JpegRows&) = delete;

  bool ok() const { return ok_; }
  int32_t width() const { return width_; }
  int32_t height() const { return height_; }
  // Writes the next row (width * 3 bytes, RGB); false when none is left or the data
  // turned out unusable.
  bool Next(uint8_t* rgb);

 private:
  struct State;
  void Open(std::span<const uint8_t> jpeg);
  void Close();

  std::unique_ptr<State> state_;
  bool ok_ = false;
  int32_t width_ = 0;
  int32_t height_ = 0;
};
