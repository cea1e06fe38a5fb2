// Label is the platform's STATIC. TransLabel is a window of our own that paints the part
// of the background picture under it, then its caption without a background.
#include <windows.h>

#include <commctrl.h>

#include <string>

#include "platform/win32/native_control.h"
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

void PaintTransLabel(HWND hwnd, const NativeControl& native) {
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
                                : ShownColour(native.model->text_colour, COLOR_WINDOWTEXT));
  HGDIOBJ old_font = SelectObject(memory, FontOf(native));
  const std::wstring caption = Wide(native.model->text);
  RECT text = client;
  DrawTextW(memory, caption.c_str(), static_cast<int>(caption.size()), &text,
            TextFormat(native.model->entry->own));
  SelectObject(memory, old_font);
  BitBlt(dc, 0, 0, client.right, client.bottom, memory, 0, 0, SRCCOPY);
  SelectObject(memory, old_bitmap);
  DeleteObject(bitmap);
  DeleteDC(memory);
  EndPaint(hwnd, &paint);
}

LRESULT CALLBACK TransLabelProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  auto* native = reinterpret_cast<NativeControl*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  switch (message) {
    case WM_NCCREATE: {
      const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lparam);
      SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
      break;
    }
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT:
      if (native != nullptr) {
        PaintTransLabel(hwnd, *native);
        return 0;
      }
      break;
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

DWORD StaticAlign(const OwnProperties& own) {
  DWORD style = SS_NOPREFIX;
  switch (own.align) {
    case Align::Centre:
      style |= SS_CENTER;
      break;
    case Align::Right:
      style |= SS_RIGHT;
      break;
    default:
      style |= own.word_wrap ? SS_LEFT : SS_LEFTNOWORDWRAP;
      break;
  }
  if (own.centre_vertically)
    style |= SS_CENTERIMAGE;
  return style;
}

}  // namespace

HWND CreateLabelKind(const Control& c, HWND parent, NativeControl& native) {
  const OwnProperties& own = c.entry->own;
  if (c.kind == Kind::TransLabel) {
    RegisterTransLabelClass();
    return CreateWindowExW(BorderExStyle(own.border), kTransLabelClass, Wide(c.text).c_str(),
                           CreationStyle(c) | BorderStyle(own.border), c.rect.left, c.rect.top,
                           c.rect.width, c.rect.height, parent, nullptr, GetModuleHandleW(nullptr),
                           &native);
  }
  return CreateWindowExW(BorderExStyle(own.border), WC_STATICW, Wide(c.text).c_str(),
                         CreationStyle(c) | StaticAlign(own) | BorderStyle(own.border), c.rect.left,
                         c.rect.top, c.rect.width, c.rect.height, parent, nullptr,
                         GetModuleHandleW(nullptr), nullptr);
}
