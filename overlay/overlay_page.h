#pragma once
// The overlay page for the streaming software's browser source: one self-contained UTF-8
// HTML document (its style and script inline, nothing fetched from elsewhere) that shows
// the board and follows it live through the local server's /events and /board.json.
#include <string_view>

// The whole page, as built from overlay/page/overlay.html.
std::string_view OverlayPageHtml();
