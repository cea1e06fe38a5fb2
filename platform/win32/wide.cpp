#include "platform/win32/wide.h"

#include <windows.h>

#include <climits>
#include <string>

// Through UTF-8 and the program's own GB18030 conversion, not a code page: Wine has no
// GB18030 code page, and its GBK stand-in turned a typed emoji into "??", so the record
// of a session differed from the Linux build's.

std::wstring Wide(std::string_view text) {
  const std::string utf8 = Utf8FromText(text);
  if (utf8.empty() || utf8.size() > static_cast<size_t>(INT_MAX))
    return {};
  const int length = static_cast<int>(utf8.size());
  const int wide_length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), length, nullptr, 0);
  if (wide_length <= 0)
    return {};
  std::wstring wide(static_cast<size_t>(wide_length), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), length, wide.data(), wide_length);
  return wide;
}

Text TextFromWide(std::wstring_view wide) {
  if (wide.empty() || wide.size() > static_cast<size_t>(INT_MAX / 4))
    return {};
  const int length = static_cast<int>(wide.size());
  // A lone surrogate becomes U+FFFD here rather than failing the whole text.
  const int utf8_length =
      WideCharToMultiByte(CP_UTF8, 0, wide.data(), length, nullptr, 0, nullptr, nullptr);
  if (utf8_length <= 0)
    return {};
  std::string utf8(static_cast<size_t>(utf8_length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), length, utf8.data(), utf8_length, nullptr, nullptr);
  return TextFromUtf8(utf8);
}
