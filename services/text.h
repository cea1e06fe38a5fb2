#pragma once
// The program's text: a byte string in GB18030. It is byte for byte GBK for every
// character GBK has, while a character GBK lacks keeps its four-byte form. An absent
// text and an empty text are the same value. Returned by value, so the caller owns it.
#include <string>
#include <string_view>

using Text = std::string;

// Conversions at the edge of the program: UTF-8 (source literals, Linux file names,
// the FLTK window, the replay driver) to and from GB18030. Bytes that are not valid in
// the source encoding become "?" rather than being dropped silently.
Text TextFromUtf8(std::string_view utf8);
std::string Utf8FromText(std::string_view text);

// A source literal as a program text: Gb("棒棒糖队").
inline Text Gb(std::string_view utf8) {
  return TextFromUtf8(utf8);
}
