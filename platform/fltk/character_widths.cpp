#include "platform/fltk/character_widths.h"

#include <FL/fl_draw.H>

#include <algorithm>

void CharacterWidths::Use(Fl_Font font, Fl_Fontsize size) {
  if (font == font_ && size == size_)
    return;
  font_ = font;
  size_ = size;
  for (auto& page : pages_) page.reset();
  others_.clear();
}

double CharacterWidths::Of(const char* character, int length) {
  const auto* b = reinterpret_cast<const unsigned char*>(character);
  uint32_t code = 0x10000;  // not in the basic plane
  if (length == 1 && b[0] < 0x80)
    code = b[0];
  else if (length == 2 && (b[0] & 0xE0) == 0xC0 && (b[1] & 0xC0) == 0x80)
    code = (b[0] & 0x1Fu) << 6 | (b[1] & 0x3Fu);
  else if (length == 3 && (b[0] & 0xF0) == 0xE0 && (b[1] & 0xC0) == 0x80 && (b[2] & 0xC0) == 0x80)
    code = (b[0] & 0x0Fu) << 12 | (b[1] & 0x3Fu) << 6 | (b[2] & 0x3Fu);
  if (code < 0x10000) {
    auto& page = pages_[code >> 8];
    if (page == nullptr) {
      page = std::make_unique<Page>();
      page->fill(-1);
    }
    float& width = (*page)[code & 0xFF];
    if (width < 0)
      width = static_cast<float>(Measure(character, length));
    return width;
  }
  uint64_t key = static_cast<uint64_t>(length) << 32;
  for (int i = 0; i < std::min(length, 4); ++i) key |= static_cast<uint64_t>(b[i]) << (8 * i);
  auto [known, added] = others_.try_emplace(key, 0.0);
  if (added)
    known->second = Measure(character, length);
  return known->second;
}

double CharacterWidths::Measure(const char* character, int length) const {
  fl_font(font_, size_);
  return fl_width(character, length);
}
