#include "platform/win32/wide.h"

#include <windows.h>

#include <climits>

namespace {

// GB18030 is code page 54936. Wine has no table for it; GBK (936), which GB18030 extends,
// then still carries every character the program's own texts use.
UINT ProgramCodePage() {
  static const UINT code_page = IsValidCodePage(54936) ? 54936u : 936u;
  return code_page;
}

}  // namespace

std::wstring Wide(std::string_view text) {
  if (text.empty() || text.size() > static_cast<size_t>(INT_MAX / 2))
    return {};
  const int length = static_cast<int>(text.size());
  const int wide_length =
      MultiByteToWideChar(ProgramCodePage(), 0, text.data(), length, nullptr, 0);
  if (wide_length <= 0)
    return {};
  std::wstring wide(static_cast<size_t>(wide_length), L'\0');
  MultiByteToWideChar(ProgramCodePage(), 0, text.data(), length, wide.data(), wide_length);
  return wide;
}

Text TextFromWide(std::wstring_view wide) {
  if (wide.empty() || wide.size() > static_cast<size_t>(INT_MAX / 4))
    return {};
  const int length = static_cast<int>(wide.size());
  const int text_length =
      WideCharToMultiByte(ProgramCodePage(), 0, wide.data(), length, nullptr, 0, nullptr, nullptr);
  if (text_length <= 0)
    return {};
  Text text(static_cast<size_t>(text_length), '\0');
  WideCharToMultiByte(ProgramCodePage(), 0, wide.data(), length, text.data(), text_length, nullptr,
                      nullptr);
  return text;
}
