#pragma once
// The widths of single characters in one font, each asked of the font once: laying a long
// line out measures the same few characters again and again, and a font is slow to ask.
#include <FL/Enumerations.H>

#include <array>
#include <cstdint>
#include <memory>
#include <unordered_map>

class CharacterWidths {
 public:
  // Forgets every width when the font or size is not the one measured.
  void Use(Fl_Font font, Fl_Fontsize size);
  // The width of the UTF-8 character of `length` bytes (1 to 4) at `character`.
  double Of(const char* character, int length);

 private:
  double Measure(const char* character, int length) const;

  Fl_Font font_ = -1;
  Fl_Fontsize size_ = -1;
  // The basic plane's characters by code, in pages of 256 made as they are met; the
  // rest (and stray bytes) by their bytes.
  using Page = std::array<float, 256>;
  std::unique_ptr<Page> pages_[256];
  std::unordered_map<uint64_t, double> others_;
};
