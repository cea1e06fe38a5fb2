#pragma once
// UTF-8 as other programs read it: a text that leaves the program (an overlay file, a
// JSON value) must be valid UTF-8 whatever bytes it was made from.
#include <string>
#include <string_view>

// True when every sequence is a well-formed UTF-8 character (no overlong forms, no
// surrogates, nothing past U+10FFFF).
bool IsValidUtf8(std::string_view text);
// The text with each run of ill-formed bytes replaced by one U+FFFD.
std::string ValidUtf8(std::string_view text);
