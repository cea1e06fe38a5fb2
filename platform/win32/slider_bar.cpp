// SliderBar: the platform's trackbar (msctls_trackbar32); the user's moves reach the
// model as they happen.
#include <windows.h>

#include <commctrl.h>

#include "platform/win32/native_kinds.h"
#include "platform/win32/win32_front_end.h"
#include "shell/application.h"
#include "shell/catalogue.h"

namespace {

class SliderBar : public NativeControl {
 public:
  using NativeControl::NativeControl;

  void OnScroll(UINT code) override {
    if (code == TB_ENDTRACK)
      return;  // the move itself came before
    const auto position = static_cast<int32_t>(SendMessageW(hwnd(), TBM_GETPOS, 0, 0));
    app().Slide(model().id, position);
  }

 protected:
  HWND MakeWindow(HWND parent) override {
    const Control& c = model();
    const OwnProperties& own = c.entry->own;
    const DWORD style = CreationStyle(c) | BorderStyle(own.border) | TBS_AUTOTICKS |
                        (own.horizontal ? TBS_HORZ | TBS_BOTTOM : TBS_VERT | TBS_RIGHT);
    HWND hwnd = CreateWindowExW(BorderExStyle(own.border), TRACKBAR_CLASSW, L"", style, c.rect.left,
                                c.rect.top, c.rect.width, c.rect.height, parent, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
    if (hwnd == nullptr)
      return nullptr;
    SendMessageW(hwnd, TBM_SETRANGEMIN, FALSE, c.minimum);
    SendMessageW(hwnd, TBM_SETRANGEMAX, FALSE, c.maximum);
    SendMessageW(hwnd, TBM_SETPAGESIZE, 0, own.page_step);
    SendMessageW(hwnd, TBM_SETLINESIZE, 0, own.line_step);
    SendMessageW(hwnd, TBM_SETTICFREQ, static_cast<WPARAM>(own.tick_frequency), 0);
    SendMessageW(hwnd, TBM_SETPOS, TRUE, c.position);
    return hwnd;
  }

  void Show(Aspect aspect) override {
    if (aspect == Aspect::Position)
      SendMessageW(hwnd(), TBM_SETPOS, TRUE, model().position);
    else
      NativeControl::Show(aspect);
  }
};

}  // namespace

std::unique_ptr<NativeControl> MakeSliderBar(NativeControlOwner& owner, const Control& control) {
  return std::make_unique<SliderBar>(owner, control);
}
