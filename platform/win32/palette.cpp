// The colour picker's pop-up: 32 named cells and a button for the system colour dialog.
#include <windows.h>

#include <commctrl.h>
#include <commdlg.h>

#include <array>
#include <memory>
#include <string>

#include "platform/win32/palette.h"
#include "platform/win32/wide.h"

namespace {

// The system colour dialog. Its library pulls in the shell and the printing stack
// (and under Wine, the printing and security libraries of the host), so it is loaded
// only when a host first asks for the dialog. False when it cannot be had.
bool ChooseSystemColour(CHOOSECOLORW& dialog) {
  using ChooseColourFunction = BOOL(WINAPI*)(CHOOSECOLORW*);
  static ChooseColourFunction choose = [] {
    HMODULE library = LoadLibraryW(L"comdlg32.dll");
    return library == nullptr ? nullptr
                              : reinterpret_cast<ChooseColourFunction>(reinterpret_cast<void*>(
                                    GetProcAddress(library, "ChooseColorW")));
  }();
  return choose != nullptr && choose(&dialog) != FALSE;
}

struct Cell {
  const char* name;  // UTF-8
  Colour colour;
};

// In cell order: each eight cells fill one column of the palette, top to bottom, as
// on the Linux window.
constexpr std::array<Cell, 32> kCells = {{
    {"黑色", Rgb(0x00, 0x00, 0x00)}, {"藏青", Rgb(0x00, 0x00, 0x80)},
    {"墨绿", Rgb(0x00, 0x80, 0x00)}, {"深青", Rgb(0x00, 0x80, 0x80)},
    {"红褐", Rgb(0x80, 0x00, 0x00)}, {"紫红", Rgb(0x80, 0x00, 0x80)},
    {"褐绿", Rgb(0x80, 0x80, 0x00)}, {"浅灰", Rgb(0xc0, 0xc0, 0xc0)},
    {"灰色", Rgb(0x80, 0x80, 0x80)}, {"蓝色", Rgb(0x00, 0x00, 0xff)},
    {"绿色", Rgb(0x00, 0xff, 0x00)}, {"艳青", Rgb(0x00, 0xff, 0xff)},
    {"红色", Rgb(0xff, 0x00, 0x00)}, {"品红", Rgb(0xff, 0x00, 0xff)},
    {"黄色", Rgb(0xff, 0xff, 0x00)}, {"白色", Rgb(0xff, 0xff, 0xff)},
    {"蓝灰", Rgb(0x80, 0x80, 0xff)}, {"藏蓝", Rgb(0x58, 0x30, 0xe0)},
    {"嫩绿", Rgb(0x80, 0xe0, 0x00)}, {"青绿", Rgb(0x00, 0xe0, 0x80)},
    {"黄褐", Rgb(0xc0, 0x60, 0x00)}, {"粉红", Rgb(0xff, 0xa8, 0xff)},
    {"嫩黄", Rgb(0xd8, 0xd8, 0x00)}, {"银白", Rgb(0xec, 0xec, 0xec)},
    {"紫色", Rgb(0x90, 0x00, 0xff)}, {"天蓝", Rgb(0x00, 0x88, 0xff)},
    {"灰绿", Rgb(0x80, 0xa0, 0x80)}, {"青蓝", Rgb(0x00, 0x60, 0xc0)},
    {"橙黄", Rgb(0xff, 0x80, 0x00)}, {"桃红", Rgb(0xff, 0x50, 0x80)},
    {"芙红", Rgb(0xff, 0x80, 0xc0)}, {"深灰", Rgb(0x60, 0x60, 0x60)},
}};

constexpr int kColumns = 4;
constexpr int kRows = 8;
constexpr int kMargin = 4;
constexpr int kButtonHeight = 22;
constexpr int kMore = static_cast<int>(kCells.size());  // the item after the last cell
constexpr int kNothing = -1;
constexpr wchar_t kPaletteClass[] = L"ScoreboardPalette";
// Posted by OpenPalette: the pop-up takes the mouse once the picker's own click is over.
constexpr UINT kTrackMessage = WM_APP + 2;

// The one open pop-up, if any.
HWND open_palette = nullptr;

int CellSize() {
  // Never smaller than twice the system edge plus 7.
  const int smallest = 2 * GetSystemMetrics(SM_CXEDGE) + 7;
  return smallest > 18 ? smallest : 18;
}

int ClientWidth() {
  return 2 * kMargin + kColumns * CellSize();
}

RECT ItemRect(int item) {
  const int size = CellSize();
  if (item == kMore) {
    const int top = 2 * kMargin + kRows * size;
    return RECT{kMargin, top, ClientWidth() - kMargin, top + kButtonHeight};
  }
  const int left = kMargin + (item / kRows) * size;
  const int top = kMargin + (item % kRows) * size;
  return RECT{left, top, left + size, top + size};
}

int ItemAt(POINT at) {
  for (int item = 0; item <= kMore; ++item) {
    const RECT area = ItemRect(item);
    if (PtInRect(&area, at))
      return item;
  }
  return kNothing;
}

POINT PointOf(LPARAM lparam) {
  return POINT{static_cast<short>(LOWORD(lparam)), static_cast<short>(HIWORD(lparam))};
}

struct Palette {
  HWND picker = nullptr;
  HWND owner = nullptr;
  Colour current = 0;
  std::function<void(Colour)> picked;
  std::array<std::wstring, kCells.size()> names;
  int hot = kNothing;      // under the mouse
  int pressed = kNothing;  // where the left button went down
  bool done = false;
};

// The pop-up never takes the activation or the keyboard focus: the window keeps both, as
// with a drop-down list. It holds the mouse capture instead, so that a click anywhere
// else closes it, and it closes when the capture is taken from it.
void ClosePalette(HWND hwnd, Palette& palette, int item) {
  if (palette.done)
    return;
  palette.done = true;
  if (open_palette == hwnd)
    open_palette = nullptr;
  // The pop-up goes first, so the dialog and the handlers run with the window alone.
  auto picked = palette.picked;
  const HWND owner = palette.owner;
  const Colour current = palette.current;
  DestroyWindow(hwnd);
  if (item >= 0 && item < kMore) {
    picked(kCells[static_cast<size_t>(item)].colour);
  } else if (item == kMore) {
    static COLORREF custom[16] = {};
    CHOOSECOLORW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.rgbResult = current & 0x00FFFFFFu;
    dialog.lpCustColors = custom;
    dialog.Flags = CC_RGBINIT | CC_ANYCOLOR;
    if (ChooseSystemColour(dialog))
      picked(static_cast<Colour>(dialog.rgbResult & 0x00FFFFFFu));
  }
}

void PaintPalette(HWND hwnd, const Palette& palette) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(hwnd, &paint);
  for (int i = 0; i < kMore; ++i) {
    RECT cell = ItemRect(i);
    const Colour colour = kCells[static_cast<size_t>(i)].colour;
    const bool current = (palette.current & 0x00FFFFFFu) == colour;
    const bool down = palette.pressed == i && palette.hot == i;
    DrawEdge(dc, &cell, current || down ? EDGE_SUNKEN : EDGE_ETCHED, BF_RECT | BF_ADJUST);
    if (palette.hot == i) {
      FrameRect(dc, &cell, GetSysColorBrush(COLOR_HIGHLIGHT));
      InflateRect(&cell, -1, -1);
    }
    InflateRect(&cell, -1, -1);
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc, &cell, brush);
    DeleteObject(brush);
  }
  // "其它颜色..." is drawn here rather than being a child button: the capture would keep
  // every click from a child.
  RECT more = ItemRect(kMore);
  const bool down = palette.pressed == kMore && palette.hot == kMore;
  DrawFrameControl(dc, &more, DFC_BUTTON, DFCS_BUTTONPUSH | (down ? DFCS_PUSHED : 0));
  if (down)
    OffsetRect(&more, 1, 1);
  const std::wstring caption = Wide(Gb("其它颜色..."));
  HGDIOBJ old_font = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
  DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &more,
            DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  SelectObject(dc, old_font);
  EndPaint(hwnd, &paint);
}

void SetItemState(HWND hwnd, Palette& palette, int hot, int pressed) {
  if (hot == palette.hot && pressed == palette.pressed)
    return;
  palette.hot = hot;
  palette.pressed = pressed;
  InvalidateRect(hwnd, nullptr, FALSE);
}

bool Outside(HWND hwnd, POINT at) {
  RECT client;
  GetClientRect(hwnd, &client);
  return !PtInRect(&client, at);
}

LRESULT CALLBACK PaletteProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  auto* palette = reinterpret_cast<Palette*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lparam);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    return DefWindowProcW(hwnd, message, wparam, lparam);
  }
  if (palette == nullptr)
    return DefWindowProcW(hwnd, message, wparam, lparam);
  switch (message) {
    case kTrackMessage:
      if (!palette->done)
        SetCapture(hwnd);
      return 0;
    case WM_MOUSEACTIVATE:
      return MA_NOACTIVATE;
    case WM_PAINT:
      PaintPalette(hwnd, *palette);
      return 0;
    case WM_MOUSEMOVE:
      SetItemState(hwnd, *palette, ItemAt(PointOf(lparam)), palette->pressed);
      return 0;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN: {
      const POINT at = PointOf(lparam);
      if (Outside(hwnd, at)) {
        // A click anywhere else closes the pop-up without a choice and goes no further.
        ClosePalette(hwnd, *palette, kNothing);
      } else if (message == WM_LBUTTONDOWN) {
        const int item = ItemAt(at);
        SetItemState(hwnd, *palette, item, item);
      }
      return 0;
    }
    case WM_LBUTTONUP: {
      const int item = ItemAt(PointOf(lparam));
      const int pressed = palette->pressed;
      SetItemState(hwnd, *palette, item, kNothing);
      if (item != kNothing && item == pressed)
        ClosePalette(hwnd, *palette, item);
      return 0;
    }
    case WM_CAPTURECHANGED:
      if (reinterpret_cast<HWND>(lparam) != hwnd)
        ClosePalette(hwnd, *palette, kNothing);
      return 0;
    case WM_CANCELMODE:
      ClosePalette(hwnd, *palette, kNothing);
      return 0;
    case WM_KEYDOWN:
      if (wparam == VK_ESCAPE) {
        ClosePalette(hwnd, *palette, kNothing);
        return 0;
      }
      break;
    case WM_CLOSE:
      ClosePalette(hwnd, *palette, kNothing);
      return 0;
    case WM_NCDESTROY:
      if (open_palette == hwnd)
        open_palette = nullptr;
      SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
      delete palette;
      break;
    default:
      break;
  }
  return DefWindowProcW(hwnd, message, wparam, lparam);
}

void RegisterPaletteClass() {
  static const bool registered = [] {
    WNDCLASSEXW window_class{};
    window_class.cbSize = sizeof window_class;
    window_class.style = CS_DROPSHADOW;
    window_class.lpfnWndProc = PaletteProc;
    window_class.hInstance = GetModuleHandleW(nullptr);
    window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    window_class.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    window_class.lpszClassName = kPaletteClass;
    return RegisterClassExW(&window_class) != 0;
  }();
  (void)registered;
}

}  // namespace

void OpenPalette(HWND picker, HWND owner, Colour current, std::function<void(Colour)> picked) {
  DismissPalette();
  RegisterPaletteClass();
  auto palette = std::make_unique<Palette>();
  palette->picker = picker;
  palette->owner = owner;
  palette->current = current;
  palette->picked = std::move(picked);
  const int client_width = ClientWidth();
  const int client_height = 3 * kMargin + kRows * CellSize() + kButtonHeight;
  RECT frame{0, 0, client_width, client_height};
  const DWORD style = WS_POPUP | WS_BORDER;
  const DWORD ex_style = WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE;
  AdjustWindowRectEx(&frame, style, FALSE, ex_style);
  RECT below;
  GetWindowRect(picker, &below);
  // Under the picker, kept on the screen's work area.
  int left = below.left;
  int top = below.bottom;
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  if (GetMonitorInfoW(MonitorFromWindow(picker, MONITOR_DEFAULTTONEAREST), &monitor)) {
    const RECT& work = monitor.rcWork;
    if (left + width > work.right)
      left = work.right - width;
    if (left < work.left)
      left = work.left;
    if (top + height > work.bottom)
      top = below.top - height;
    if (top < work.top)
      top = work.top;
  }
  Palette* raw = palette.release();  // the window owns it from here
  HWND hwnd = CreateWindowExW(ex_style, kPaletteClass, L"", style, left, top, width, height, owner,
                              nullptr, GetModuleHandleW(nullptr), raw);
  if (hwnd == nullptr) {
    delete raw;
    return;
  }
  open_palette = hwnd;
  HWND tips = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                              CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd,
                              nullptr, GetModuleHandleW(nullptr), nullptr);
  if (tips != nullptr) {
    for (size_t i = 0; i < kCells.size(); ++i) {
      raw->names[i] = Wide(Gb(kCells[i].name));
      TOOLINFOW tool{};
      tool.cbSize = sizeof tool;
      tool.uFlags = TTF_SUBCLASS;
      tool.hwnd = hwnd;
      tool.uId = i + 1;
      tool.rect = ItemRect(static_cast<int>(i));
      tool.lpszText = raw->names[i].data();
      SendMessageW(tips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
  }
  // Shown without activation: the window keeps its caption and the picker its focus.
  SetWindowPos(hwnd, HWND_TOPMOST, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
  // The picker's button may still hold the mouse while it reports its click.
  PostMessageW(hwnd, kTrackMessage, 0, 0);
}

HWND OpenPaletteWindow() {
  return open_palette;
}

void DismissPaletteIfFocusLeft(HWND focus) {
  if (open_palette == nullptr)
    return;
  const auto* palette =
      reinterpret_cast<const Palette*>(GetWindowLongPtrW(open_palette, GWLP_USERDATA));
  if (palette != nullptr && focus != palette->picker)
    DismissPalette();
}

bool DismissPalette() {
  if (open_palette == nullptr)
    return false;
  SendMessageW(open_palette, WM_CLOSE, 0, 0);
  return true;
}
