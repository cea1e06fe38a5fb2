// Reading numbers out of texts typed into the board's boxes. A host types on a Chinese
// input method, so full-width digits, signs and the ideographic space count as their ASCII
// forms; anything else ends the number and the rest of the text is ignored.
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string_view>

#include "services/convert.h"

namespace {

// Walks a text as it reads after folding the full-width forms, one byte at a time and
// without copying it. A double-byte character that does not fold yields its lead byte
// only: that byte is 0x80 or more, which no number accepts, so its trail never matters.
class FoldedText {
 public:
  explicit FoldedText(std::string_view text) : text_(text) {
    // Texts are NUL-ended in the rest of the program; a stray NUL ends this one too.
    if (size_t nul = text_.find('\0'); nul != std::string_view::npos)
      text_ = text_.substr(0, nul);
    Load();
  }

  // The current byte, or 0 at the end of the text.
  unsigned char Peek() const { return current_; }
  void Next() {
    pos_ += width_;
    Load();
  }

 private:
  void Load() {
    if (pos_ >= text_.size()) {
      current_ = 0;
      width_ = 0;
      return;
    }
    auto lead = static_cast<unsigned char>(text_[pos_]);
    if (lead < 0x80) {
      current_ = lead;
      width_ = 1;
      return;
    }
    if (pos_ + 1 >= text_.size()) {  // a lead byte cut off at the end is dropped
      current_ = 0;
      width_ = 0;
      pos_ = text_.size();
      return;
    }
    auto trail = static_cast<unsigned char>(text_[pos_ + 1]);
    width_ = 2;
    current_ = lead;
    if (lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE) {
      current_ = static_cast<unsigned char>(trail - 0x80);  // the full-width ASCII row
    } else if (lead == 0xA1) {
      if (trail == 0xA1)
        current_ = ' ';
      if (trail == 0xAB)
        current_ = '~';
      if (trail == 0xEE || trail == 0xEF)
        current_ = '*';
    }
  }

  std::string_view text_;
  size_t pos_ = 0;
  size_t width_ = 0;
  unsigned char current_ = 0;
};

bool IsSpace(unsigned char c) {
  return c == ' ' || (c >= '\t' && c <= '\r');
}
bool IsDigit(unsigned char c) {
  return c >= '0' && c <= '9';
}

// Skips the white space and reads the sign; true when the number is negative.
bool ReadSign(FoldedText& in) {
  while (IsSpace(in.Peek())) in.Next();
  if (in.Peek() == '+' || in.Peek() == '-') {
    bool negative = in.Peek() == '-';
    in.Next();
    return negative;
  }
  return false;
}

// Halfway points between neighbouring doubles have at most 767 significant digits, so the
// first kDigitsKept digits plus one sticky digit for whatever nonzero follows round to
// the same double as the full run. This keeps every parse in a stack buffer.
constexpr size_t kDigitsKept = 800;
// Exponents far beyond the double range saturate so that a long run of exponent digits
// cannot overflow. The limit must outweigh any run of leading zeros or dropped digits a
// text can hold ("0.000...0001e1000010" is 1e8), so it sits far above any text length.
constexpr int64_t kExponentLimit = 100'000'000'000'000'000;

}  // namespace

double ToNumber(std::string_view text) {
  FoldedText in(text);
  const bool negative = ReadSign(in);

  // The significant digits without leading zeros; the value is digits x 10^scale.
  char digits[kDigitsKept + 1];
  size_t kept = 0;
  bool dropped_nonzero = false;
  int64_t scale = 0;
  bool any_digit = false;
  bool seen_point = false;
  for (;; in.Next()) {
    unsigned char c = in.Peek();
    if (c == '.' && !seen_point) {
      seen_point = true;
      continue;
    }
    if (!IsDigit(c))
      break;
    any_digit = true;
    if (kept == 0 && c == '0') {
      if (seen_point)
        --scale;
    } else if (kept < kDigitsKept) {
      digits[kept++] = static_cast<char>(c);
      if (seen_point)
        --scale;
    } else {
      dropped_nonzero = dropped_nonzero || c != '0';
      if (!seen_point)
        ++scale;
    }
  }
  if (!any_digit)
    return 0;

  char letter = static_cast<char>(in.Peek());
  if (letter == 'e' || letter == 'E' || letter == 'd' || letter == 'D') {
    // The exponent counts only when digits follow the letter and its optional sign.
    FoldedText probe = in;
    probe.Next();
    bool exponent_negative = false;
    if (probe.Peek() == '+' || probe.Peek() == '-') {
      exponent_negative = probe.Peek() == '-';
      probe.Next();
    }
    if (IsDigit(probe.Peek())) {
      int64_t exponent = 0;
      for (; IsDigit(probe.Peek()); probe.Next()) {
        if (exponent < kExponentLimit)
          exponent = exponent * 10 + (probe.Peek() - '0');
      }
      scale += exponent_negative ? -exponent : exponent;
    }
  }

  const double zero = negative ? -0.0 : 0.0;
  while (kept > 0 && digits[kept - 1] == '0' && !dropped_nonzero) {
    --kept;
    ++scale;
  }
  if (kept == 0)
    return zero;
  if (dropped_nonzero) {
    digits[kept++] = '1';
    --scale;
  }

  // The decimal exponent of the leading digit decides the plain overflow and underflow
  // cases before the digits reach the correctly rounding reader.
  const int64_t leading = static_cast<int64_t>(kept) - 1 + scale;
  const double inf = std::numeric_limits<double>::infinity();
  if (leading > 310)
    return negative ? -inf : inf;
  if (leading < -330)
    return zero;

  char buffer[kDigitsKept + 32];
  char* end = buffer;
  for (size_t i = 0; i < kept; ++i) *end++ = digits[i];
  *end++ = 'e';
  end = std::to_chars(end, buffer + sizeof buffer, scale).ptr;
  double value = 0;
  auto [ptr, ec] = std::from_chars(buffer, end, value, std::chars_format::scientific);
  if (ec == std::errc::result_out_of_range)
    value = leading > 0 ? inf : 0.0;
  return negative ? -value : value;
}

int32_t ToInteger(std::string_view text) {
  FoldedText in(text);
  const bool negative = ReadSign(in);
  // Unsigned arithmetic wraps modulo 2^32 as the board always has, without undefined
  // behaviour on long runs of digits.
  uint32_t value = 0;
  for (; IsDigit(in.Peek()); in.Next()) value = value * 10u + (in.Peek() - '0');
  if (negative)
    value = 0u - value;
  return static_cast<int32_t>(value);
}

int32_t ToInteger(double number) {
  // A value that no 64-bit integer holds (NaN, an infinity, 2^63 and beyond in
  // magnitude) becomes 0x8000000000000000, as the x86 conversion instruction gives its
  // "integer indefinite"; its low 32 bits are 0, so the result is 0.
  constexpr double kLimit = 9223372036854775808.0;  // 2^63
  if (!(number > -kLimit && number < kLimit))
    return 0;
  auto whole = static_cast<int64_t>(number);  // truncates toward zero
  return static_cast<int32_t>(static_cast<uint32_t>(static_cast<uint64_t>(whole)));
}
