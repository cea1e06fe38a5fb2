// What every kind of control shares: creation in its font, the aspects that every native
// window shows alike, and the colours the platform asks for.
#include "platform/win32/native_control.h"

#include <string>

#include "platform/win32/wide.h"
#include "shell/display_scale.h"

namespace {

// Whether the window already shows this text. The clock label is rewritten with the
// text it holds whenever its ticks are caught up before something the user does:
// setting an unchanged caption would make the platform redraw it for nothing.
bool ShowsText(HWND hwnd, const std::wstring& text) {
  const int length = GetWindowTextLengthW(hwnd);
  if (length != static_cast<int>(text.size()))
    return false;
  std::wstring shown(static_cast<size_t>(length) + 1, L'\0');
  GetWindowTextW(hwnd, shown.data(), length + 1);
  shown.resize(static_cast<size_t>(length));
  return shown == text;
}

}  // namespace

NativeControl::~NativeControl() {
  if (font_ != nullptr)
    DeleteObject(font_);
}

bool NativeControl::Create(HWND parent, double scale, HFONT gui_font) {
  scale_ = scale;
  gui_font_ = gui_font;
  hwnd_ = MakeWindow(parent);
  if (hwnd_ == nullptr)
    return false;
  // Made at the catalogue's rectangle; the display's scale applies from here on.
  if (scale_ != 1.0)
    Place();
  font_ = MakeFont(model_.font, scale_);
  SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font()), FALSE);
  return true;
}

void NativeControl::Rescale(double scale, HFONT gui_font) {
  scale_ = scale;
  gui_font_ = gui_font;
  if (hwnd_ == nullptr)
    return;
  Place();
  HFONT old = font_;
  font_ = MakeFont(model_.font, scale_);
  SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font()), TRUE);
  if (old != nullptr)
    DeleteObject(old);
  InvalidateRect(hwnd_, nullptr, TRUE);
}

void NativeControl::Place() {
  const Rect r = Scaled(PlacedRect(), scale_);
  SetWindowPos(hwnd_, nullptr, r.left, r.top, r.width, r.height, SWP_NOZORDER | SWP_NOACTIVATE);
}

int NativeControl::Px(int catalogue_pixels) const {
  return Scaled(catalogue_pixels, scale_);
}

HFONT NativeControl::font() const {
  if (font_ != nullptr)
    return font_;
  if (gui_font_ != nullptr)
    return gui_font_;
  return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

Application& NativeControl::app() const {
  return owner_.app();
}

void NativeControl::Changed(Aspect aspect) {
  if (hwnd_ == nullptr)
    return;
  const Control& c = model_;
  switch (aspect) {
    case Aspect::Visible:
      ShowWindow(hwnd_, c.visible ? SW_SHOWNA : SW_HIDE);
      break;
    case Aspect::Font: {
      HFONT old = font_;
      font_ = MakeFont(c.font, scale_);
      SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font()), TRUE);
      if (old != nullptr)
        DeleteObject(old);
      break;
    }
    case Aspect::Geometry:
      Place();
      break;
    default:
      Show(aspect);
      break;
  }
}

void NativeControl::Show(Aspect aspect) {
  switch (aspect) {
    case Aspect::Disabled:
      EnableWindow(hwnd_, model_.disabled ? FALSE : TRUE);
      break;
    case Aspect::Caption:
      ShowCaption();
      break;
    case Aspect::TextColour:
    case Aspect::PickedColour:
      InvalidateRect(hwnd_, nullptr, TRUE);
      break;
    default:
      break;  // a selection, a position or a check mark only where the kind has one
  }
}

bool NativeControl::ShowCaption() {
  const std::wstring caption = Wide(model_.text);
  if (ShowsText(hwnd_, caption))
    return false;
  SetWindowTextW(hwnd_, caption.c_str());
  return true;
}

LRESULT NativeControl::OnColour(HDC dc) {
  const COLORREF back = ShownColour(model_.back_colour, COLOR_BTNFACE);
  SetTextColor(dc, ShownColour(model_.text_colour, COLOR_WINDOWTEXT));
  SetBkColor(dc, back);
  return reinterpret_cast<LRESULT>(owner_.Brush(back));
}
