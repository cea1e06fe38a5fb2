#pragma once
// A path from UTF-8 text, as the tests and benchmarks spell record names. C++20 takes
// UTF-8 as char8_t; fs::u8path, which took char, is deprecated.
#include <filesystem>
#include <string>
#include <string_view>

inline std::filesystem::path PathFromUtf8(std::string_view utf8) {
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}
