#include "platform/fltk/text_rows.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

}  // namespace

int CharacterLength(unsigned char lead) {
  if (lead < 0xC0)
    return 1;
  if (lead < 0xE0)
    return 2;
  if (lead < 0xF0)
    return 3;
  return lead < 0xF8 ? 4 : 1;
}

TextRows::TextRows(int tab_spaces, Measure measure)
    : tab_spaces_(tab_spaces), measure_(std::move(measure)) {}

void TextRows::Lay(const std::string& text, double width) {
  width_ = width;
  starts_.assign(1, 0);
  LayFrom(text, 0, -1, {}, 0, starts_);
}

double TextRows::Advance(const char* character, int length, double x) const {
  if (*character == '\n')
    return x;
  if (*character == '\t') {
    const double tab = tab_spaces_ * measure_(" ", 1);
    return tab > 0 ? (std::floor(x / tab) + 1) * tab : x;
  }
  return x + measure_(character, length);
}

void TextRows::Edited(const std::string& text, int at, int removed, int inserted) {
  // A row before may take back the start of the edited word once it is shorter.
  int word = std::min(at, static_cast<int>(text.size()));
  while (word > 0 && !IsBlank(text[word - 1]) && text[word - 1] != '\n') --word;
  const int first = std::max(0, RowOf(word) - 1);
  std::vector<int> laid(starts_.begin(), starts_.begin() + first + 1);
  const int shift = inserted - removed;
  const int same = LayFrom(text, starts_[first], at + inserted, starts_, shift, laid);
  if (same >= 0)
    for (size_t row = static_cast<size_t>(same); row < starts_.size(); ++row)
      laid.push_back(starts_[row] + shift);
  starts_ = std::move(laid);
}

int TextRows::end(int row, const std::string& text) const {
  if (row + 1 >= count())
    return static_cast<int>(text.size());
  const int next = starts_[row + 1];
  return text[next - 1] == '\n' ? next - 1 : next;
}

int TextRows::RowOf(int position) const {
  return static_cast<int>(std::upper_bound(starts_.begin(), starts_.end(), position) -
                          starts_.begin()) -
         1;
}

int TextRows::LayFrom(const std::string& text, int from, int resync_after,
                      const std::vector<int>& old, int shift, std::vector<int>& out) {
  const int length = static_cast<int>(text.size());
  // Starts the row at `start`; the index of the old row starting there, or -1.
  auto begin_row = [&](int start) {
    if (resync_after >= 0 && start > resync_after) {
      const auto same = std::lower_bound(old.begin(), old.end(), start - shift);
      if (same != old.end() && *same == start - shift)
        return static_cast<int>(same - old.begin());
    }
    out.push_back(start);
    return -1;
  };
  int row_start = from;
  int after_blank = -1;  // where a row may start after the row's last space or tab
  double x = 0;
  for (int p = from; p < length;) {
    const char c = text[p];
    if (c == '\n') {
      p += 1;
      if (const int same = begin_row(p); same >= 0)
        return same;
      row_start = p;
      after_blank = -1;
      x = 0;
      continue;
    }
    const int bytes = std::min(CharacterLength(static_cast<unsigned char>(c)), length - p);
    if (IsBlank(c)) {  // hangs past the row's end
      x = Advance(text.data() + p, bytes, x);
      after_blank = p + 1;
      p += 1;
      continue;
    }
    const double w = Advance(text.data() + p, bytes, 0);
    while (x + w > width_ && p > row_start) {
      // After the last blank, the word goes on in the next row; a word longer than the
      // row is cut before this character.
      const int next = after_blank > row_start ? after_blank : p;
      if (const int same = begin_row(next); same >= 0)
        return same;
      row_start = next;
      after_blank = -1;
      x = 0;
      for (int q = next; q < p;) {
        const int n = std::min(CharacterLength(static_cast<unsigned char>(text[q])), length - q);
        x = Advance(text.data() + q, n, x);
        q += n;
      }
    }
    x += w;
    p += bytes;
  }
  return -1;
}
