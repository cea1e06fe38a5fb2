#pragma once
// The GB18030 mapping as data (services/gb18030_table_data.cpp, generated from the Linux
// build's converter by tools/gb18030/generate_tables.py).
#include <cstddef>
#include <cstdint>

namespace gb18030 {

// Two-byte codes in order: lead 0x81-0xFE, trail 0x40-0x7E then 0x80-0xFE.
inline constexpr std::size_t kTrailCount = 190;
inline constexpr std::size_t kTwoByteCount = 126 * kTrailCount;
// The code point of each two-byte code; 0 for the few beyond the BMP, listed apart.
extern const char16_t kTwoByte[kTwoByteCount];

struct TwoByteBeyond {
  std::uint16_t code;  // lead << 8 | trail
  char32_t code_point;
};
inline constexpr std::size_t kTwoByteBeyondBmpCount = 6;
extern const TwoByteBeyond kTwoByteBeyondBmp[kTwoByteBeyondBmpCount];

// Four-byte codes are numbered from 0x81308130 (0) upwards, the last byte counting
// fastest. Those below kFourByteBmpEnd are BMP characters in runs of consecutive code
// points; numbers missing from every run have no character.
inline constexpr std::uint32_t kFourByteBmpEnd = 39420;
struct FourByteRun {
  std::uint32_t first;  // number of the run's first code
  std::uint32_t count;
  char16_t code_point;  // of the run's first code
};
inline constexpr std::size_t kFourByteRunCount = 210;
extern const FourByteRun kFourByteRuns[kFourByteRunCount];

}  // namespace gb18030
