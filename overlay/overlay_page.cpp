#include "overlay/overlay_page.h"

// A placeholder until the real page lands: it shows board.json as it comes.
std::string_view OverlayPageHtml() {
  return "<!DOCTYPE html><html><head><meta charset=\"utf-8\"><title>board</title></head>"
         "<body><pre id=\"b\"></pre><script>new EventSource('/events').onmessage="
         "e=>{document.getElementById('b').textContent=e.data}</script></body></html>\n";
}
