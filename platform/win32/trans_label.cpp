// TransLabel: a window of our own that paints the part of the background picture under
// it, then its caption without a background. Clicks fall through it.
#include <windows.h>

#include <string>

#include "platform/win32/native_kinds.h"
#include "platform/win32/wide.h"
#include "shell/catalogue.h"

namespace {

constexpr wchar_t kTransLabelClass[] = L"ScoreboardTransLabel";

UINT TextFormat(const OwnProperties& own) {
  UINT format = DT_NOPREFIX;
  if (own.align == Align::Centre)
    format |= DT_CENTER;
  else if (own.align == Align::Right)
    format |= DT_RIGHT;
  if (own.centre_vertically)
    format |= DT_VCENTER | DT_SINGLELINE;
  else
    format |= DT_WORDBREAK;
  return format;
}

class TransLabel : public NativeControl {
 public:
  using NativeControl::NativeControl;

  void Paint(HWND hwnd) const;

 protected:
  HWND MakeWindow(HWND parent) override;

  // Nothing of the platform's draws it: every change is painted here.
  void Show(Aspect aspect) override {
    if (aspect == Aspect::Caption) {
      if (ShowCaption())
        RedrawWindow(hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
      return;
    }
    NativeControl::Show(aspect);
    if (aspect == Aspect::Disabled)
      InvalidateRect(hwnd(), nullptr, FALSE);
  }
};

void TransLabel::Paint(HWND hwnd) const {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(hwnd, &paint);
  RECT client;
  GetClientRect(hwnd, &client);
  // Paint through a memory bitmap so the caption never flickers over the picture.
  HDC memory = CreateCompatibleDC(dc);
  HBITMAP bitmap = CreateCompatibleBitmap(dc, client.right, client.bottom);
  HGDIOBJ old_bitmap = SelectObject(memory, bitmap);
  HWND top = GetAncestor(hwnd, GA_ROOT);
  RECT under = client;
  MapWindowPoints(hwnd, top, reinterpret_cast<POINT*>(&under), 2);
  SetViewportOrgEx(memory, -under.left, -under.top, nullptr);
  SendMessageW(top, kPaintBackgroundMessage, reinterpret_cast<WPARAM>(memory),
               reinterpret_cast<LPARAM>(&under));
  SetViewportOrgEx(memory, 0, 0, nullptr);
  SetBkMode(memory, TRANSPARENT);
  const bool disabled = !IsWindowEnabled(hwnd);
  SetTextColor(memory, disabled ? GetSysColor(COLOR_GRAYTEXT)
                                : ShownColour(model().text_colour, COLOR_WINDOWTEXT));
  HGDIOBJ old_font = SelectObject(memory, font());
  const std::wstring caption = Wide(model().text);
  RECT text = client;
  DrawTextW(memory, caption.c_str(), static_cast<int>(caption.size()), &text,
            TextFormat(model().entry->own));
  SelectObject(memory, old_font);
  BitBlt(dc, 0, 0, client.right, client.bottom, memory, 0, 0, SRCCOPY);
  SelectObject(memory, old_bitmap);
  DeleteObject(bitmap);
  DeleteDC(memory);
  EndPaint(hwnd, &paint);
}

LRESULT CALLBACK TransLabelProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  const auto* label = reinterpret_cast<const TransLabel*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  switch (message) {
    case WM_NCCREATE: {
      const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lparam);
      SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
      break;
    }
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT:
      if (label != nullptr) {
        label->Paint(hwnd);
        return 0;
      }
      break;
    case WM_GETFONT:
      // The font it draws in, as a platform control answers (what a test measures with).
      return label != nullptr ? reinterpret_cast<LRESULT>(label->font()) : 0;
    case WM_NCHITTEST:
      return HTTRANSPARENT;  // clicks fall through to what lies under the caption
    default:
      break;
  }
  return DefWindowProcW(hwnd, message, wparam, lparam);
}

void RegisterTransLabelClass() {
  static const bool registered = [] {
    WNDCLASSEXW window_class{};
    window_class.cbSize = sizeof window_class;
    window_class.lpfnWndProc = TransLabelProc;
    window_class.hInstance = GetModuleHandleW(nullptr);
    window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    window_class.lpszClassName = kTransLabelClass;
    return RegisterClassExW(&window_class) != 0;
  }();
  (void)registered;
}

HWND TransLabel::MakeWindow(HWND parent) {
  const Control& c = model();
  const OwnProperties& own = c.entry->own;
  RegisterTransLabelClass();
  return CreateWindowExW(BorderExStyle(own.border), kTransLabelClass, Wide(c.text).c_str(),
                         CreationStyle(c) | BorderStyle(own.border), c.rect.left, c.rect.top,
                         c.rect.width, c.rect.height, parent, nullptr, GetModuleHandleW(nullptr),
                         this);
}

}  // namespace

std::unique_ptr<NativeControl> MakeTransLabel(NativeControlOwner& owner, const Control& control) {
  return std::make_unique<TransLabel>(owner, control);
}
