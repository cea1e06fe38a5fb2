#pragma once
// The pictures the catalogue names ("background", "gift1" .. "gift7"), embedded in the
// executable at build time and decoded with libjpeg. Shared by every window front end.
#include <cstdint>
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
