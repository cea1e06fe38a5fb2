#include "overlay/overlay_page.h"

namespace {

constexpr unsigned char kPage[] = {
#include "overlay/overlay_page_html.inc"
};

}  // namespace

std::string_view OverlayPageHtml() {
  return {reinterpret_cast<const char*>(kPage), sizeof kPage};
}
