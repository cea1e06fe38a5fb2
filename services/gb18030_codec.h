#pragma once
// GB18030 <-> UTF-8 from the program's own tables: the same bytes as the Linux build's
// converter on every platform, whatever code pages the platform has (Wine has no
// GB18030 at all, and Windows' own table predates characters GBK later gained).
#include <string>
#include <string_view>

namespace gb18030 {

// Each appends the whole conversion to `out` and answers true, or answers false and
// leaves `out` as it was when any sequence is broken or has no character.
bool ToUtf8(std::string_view gb, std::string& out);
bool FromUtf8(std::string_view utf8, std::string& out);

}  // namespace gb18030
