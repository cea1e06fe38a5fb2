#pragma once
// Program texts (GB18030) cross into the W functions here and nowhere else.
#include <string>
#include <string_view>

#include "services/text.h"

std::wstring Wide(std::string_view text);
Text TextFromWide(std::wstring_view wide);
