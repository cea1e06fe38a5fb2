#pragma once
// The table of embedded pictures that the build generates from resources/*.jpg.
#include <cstdint>
#include <span>
#include <string_view>

struct EmbeddedEntry {
  std::string_view name;  // the file name without ".jpg"
  std::span<const uint8_t> bytes;
};

std::span<const EmbeddedEntry> EmbeddedEntries();
