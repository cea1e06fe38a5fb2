#pragma once
// The overlay page served at "/": one self-contained UTF-8 HTML document.
#include <string_view>

std::string_view OverlayPageHtml();
