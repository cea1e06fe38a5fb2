#pragma once
// A long team line as hosts fill one: member names, Chinese and Latin, one a row.
#include <cstddef>
#include <string>

// About `bytes` bytes of UTF-8 (never more), rows joined by CR LF as the box keeps them,
// or all in one row that the box wraps.
inline std::string TeamLineText(size_t bytes, bool rows = true) {
  static const char* const kNames[] = {"棒棒糖队员", "Orvane", "小黄鸭队员", "Lirvo7163",
                                       "主持人的朋友"};
  std::string text;
  text.reserve(bytes);
  for (size_t i = 0;; ++i) {
    const std::string row = std::string(kNames[i % 5]) + std::to_string(i) + (rows ? "\r\n" : "");
    if (text.size() + row.size() > bytes)
      break;
    text += row;
  }
  return text;
}
