// ColorPicker: a push button showing its colour; a click opens a pop-up of 32 named
// cells and a button for the system colour dialog.
#include <windows.h>

#include <commctrl.h>
#include <commdlg.h>

#include <array>
#include <memory>
#include <string>

#include "platform/win32/native_control.h"
#include "platform/win32/wide.h"

namespace {

struct Cell {
  const char* name;  // UTF-8
  Colour colour;
};

// Row by row: each row of eight is one column of the palette's named list.
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

constexpr int kColumns = 8;
constexpr int kRows = 4;
constexpr int kMargin = 4;
constexpr int kButtonHeight = 22;
constexpr int kMoreId = 100;
constexpr wchar_t kPaletteClass[] = L"ScoreboardPalette";

int CellSize() {
  // Never smaller than twice the system edge plus 7.
  const int smallest = 2 * GetSystemMetrics(SM_CXEDGE) + 7;
  return smallest > 18 ? smallest : 18;
}

RECT CellRect(int index) {
  const int size = CellSize();
  const int left = kMargin + (index % kColumns) * size;
  const int top = kMargin + (index / kColumns) * size;
  return RECT{left, top, left + size, top + size};
}

struct Palette {
  HWND owner = nullptr;
  Colour current = 0;
  std::function<void(Colour)> picked;
  std::array<std::wstring, kCells.size()> names;
  bool done = false;
};

void ClosePalette(HWND hwnd, Palette& palette, bool more, int cell) {
  if (palette.done)
    return;
  palette.done = true;
  // The pop-up goes first, so the dialog and the handlers run with the window active.
  auto picked = palette.picked;
  const HWND owner = palette.owner;
  const Colour current = palette.current;
  DestroyWindow(hwnd);
  if (cell >= 0) {
    picked(kCells[static_cast<size_t>(cell)].colour);
  } else if (more) {
    static COLORREF custom[16] = {};
    CHOOSECOLORW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.rgbResult = current & 0x00FFFFFFu;
    dialog.lpCustColors = custom;
    dialog.Flags = CC_RGBINIT | CC_ANYCOLOR;
    if (ChooseColorW(&dialog))
      picked(static_cast<Colour>(dialog.rgbResult & 0x00FFFFFFu));
  }
}

void PaintPalette(HWND hwnd, const Palette& palette) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(hwnd, &paint);
  for (size_t i = 0; i < kCells.size(); ++i) {
    RECT cell = CellRect(static_cast<int>(i));
    const bool current = (palette.current & 0x00FFFFFFu) == kCells[i].colour;
    DrawEdge(dc, &cell, current ? EDGE_SUNKEN : EDGE_ETCHED, BF_RECT | BF_ADJUST);
    InflateRect(&cell, -1, -1);
    HBRUSH brush = CreateSolidBrush(kCells[i].colour);
    FillRect(dc, &cell, brush);
    DeleteObject(brush);
  }
  EndPaint(hwnd, &paint);
}

LRESULT CALLBACK PaletteProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  auto* palette = reinterpret_cast<Palette*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  switch (message) {
    case WM_NCCREATE: {
      const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lparam);
      SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
      break;
    }
    case WM_PAINT:
      if (palette != nullptr) {
        PaintPalette(hwnd, *palette);
        return 0;
      }
      break;
    case WM_LBUTTONUP:
      if (palette != nullptr) {
        const POINT at{static_cast<short>(LOWORD(lparam)), static_cast<short>(HIWORD(lparam))};
        for (int i = 0; i < static_cast<int>(kCells.size()); ++i) {
          const RECT cell = CellRect(i);
          if (PtInRect(&cell, at)) {
            ClosePalette(hwnd, *palette, false, i);
            return 0;
          }
        }
      }
      return 0;
    case WM_COMMAND:
      if (palette != nullptr && LOWORD(wparam) == kMoreId && HIWORD(wparam) == BN_CLICKED) {
        ClosePalette(hwnd, *palette, true, -1);
        return 0;
      }
      break;
    case WM_KEYDOWN:
      if (wparam == VK_ESCAPE && palette != nullptr) {
        ClosePalette(hwnd, *palette, false, -1);
        return 0;
      }
      break;
    case WM_ACTIVATE:
      // A click anywhere else closes the pop-up without a choice.
      if (LOWORD(wparam) == WA_INACTIVE && palette != nullptr && !palette->done)
        PostMessageW(hwnd, WM_CLOSE, 0, 0);
      break;
    case WM_CLOSE:
      if (palette != nullptr) {
        ClosePalette(hwnd, *palette, false, -1);
        return 0;
      }
      break;
    case WM_NCDESTROY:
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

void DrawPickerButton(const NativeControl& native, const DRAWITEMSTRUCT& item) {
  HDC dc = item.hDC;
  RECT face = item.rcItem;
  const bool pressed = (item.itemState & ODS_SELECTED) != 0;
  DrawFrameControl(dc, &face, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0));
  RECT swatch = face;
  InflateRect(&swatch, -4, -4);
  if (pressed)
    OffsetRect(&swatch, 1, 1);
  if ((item.itemState & ODS_DISABLED) != 0) {
    FrameRect(dc, &swatch, GetSysColorBrush(COLOR_GRAYTEXT));
  } else {
    HBRUSH brush = CreateSolidBrush(native.model->picked_colour & 0x00FFFFFFu);
    FillRect(dc, &swatch, brush);
    DeleteObject(brush);
    FrameRect(dc, &swatch, GetSysColorBrush(COLOR_BTNSHADOW));
  }
  if ((item.itemState & ODS_FOCUS) != 0) {
    RECT focus = face;
    InflateRect(&focus, -2, -2);
    DrawFocusRect(dc, &focus);
  }
}

void OpenPalette(HWND picker, HWND owner, Colour current, std::function<void(Colour)> picked) {
  RegisterPaletteClass();
  auto palette = std::make_unique<Palette>();
  palette->owner = owner;
  palette->current = current;
  palette->picked = std::move(picked);
  const int size = CellSize();
  const int client_width = 2 * kMargin + kColumns * size;
  const int client_height = 3 * kMargin + kRows * size + kButtonHeight;
  RECT frame{0, 0, client_width, client_height};
  const DWORD style = WS_POPUP | WS_BORDER;
  const DWORD ex_style = WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
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
  HWND more = CreateWindowExW(
      0, WC_BUTTONW, Wide(Gb("其它颜色...")).c_str(), WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON,
      kMargin, 2 * kMargin + kRows * size, client_width - 2 * kMargin, kButtonHeight, hwnd,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(kMoreId)), GetModuleHandleW(nullptr), nullptr);
  SendMessageW(more, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);

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
      tool.rect = CellRect(static_cast<int>(i));
      tool.lpszText = raw->names[i].data();
      SendMessageW(tips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
  }
  ShowWindow(hwnd, SW_SHOW);
  SetForegroundWindow(hwnd);
}
