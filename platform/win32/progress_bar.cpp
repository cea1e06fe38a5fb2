// ProcessBar: the platform's progress bar (msctls_progress32).
#include <windows.h>

#include <commctrl.h>

#include <algorithm>

#include "platform/win32/native_kinds.h"
#include "shell/catalogue.h"

namespace {

class ProgressBar : public NativeControl {
 public:
  using NativeControl::NativeControl;

 protected:
  HWND MakeWindow(HWND parent) override {
    const Control& c = model();
    const OwnProperties& own = c.entry->own;
    DWORD style = CreationStyle(c) | BorderStyle(own.border);
    if (!own.horizontal)
      style |= PBS_VERTICAL;
    HWND hwnd = CreateWindowExW(BorderExStyle(own.border), PROGRESS_CLASSW, L"", style, c.rect.left,
                                c.rect.top, c.rect.width, c.rect.height, parent, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
    if (hwnd == nullptr)
      return nullptr;
    SendMessageW(hwnd, PBM_SETRANGE32, static_cast<WPARAM>(c.minimum),
                 static_cast<LPARAM>(c.maximum));
    SendMessageW(hwnd, PBM_SETPOS, static_cast<WPARAM>(ShownPosition()), 0);
    return hwnd;
  }

  void Show(Aspect aspect) override {
    if (aspect == Aspect::Position)
      SendMessageW(hwnd(), PBM_SETPOS, static_cast<WPARAM>(ShownPosition()), 0);
    else
      NativeControl::Show(aspect);
  }

 private:
  // The position is stored as written, which may lie past the range; the bar shows it
  // limited.
  int32_t ShownPosition() const {
    const Control& c = model();
    return std::clamp(c.position, c.minimum, std::max(c.minimum, c.maximum));
  }
};

}  // namespace

std::unique_ptr<NativeControl> MakeProgressBar(NativeControlOwner& owner, const Control& control) {
  return std::make_unique<ProgressBar>(owner, control);
}
