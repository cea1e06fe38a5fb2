// Checks that need real Windows (or Wine): the W-function edge, the file services on
// UTF-16 names, and the front end building the real window and mirroring the model.
// Prints one line per check and ends with "N passed, N failed"; exit status 1 on failure.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "platform/win32/dpi.h"
#include "platform/win32/palette.h"
#include "platform/win32/wide.h"
#include "platform/win32/win32_front_end.h"
#include "services/file_services.h"
#include "services/property_model.h"
#include "shell/application.h"
#include "shell/control_ids.h"
#include "shell/display_scale.h"

namespace {

int passed = 0;
int failed = 0;

void Check(bool ok, const char* what) {
  std::printf("%s %s\n", ok ? "ok  " : "FAIL", what);
  (ok ? passed : failed)++;
}

std::wstring WindowText(HWND hwnd) {
  wchar_t buffer[512] = {};
  GetWindowTextW(hwnd, buffer, 512);
  return buffer;
}

void CheckTextEdge() {
  struct Case {
    const char* utf8;
    const wchar_t* wide;
  };
  const std::vector<Case> cases = {
      {"", L""},
      {"棒棒糖队", L"棒棒糖队"},
      {"其它颜色...", L"其它颜色..."},
      {"需主持费\r\n", L"需主持费\r\n"},
      {"V2.4", L"V2.4"},
      // Beyond GBK: four-byte GB18030 forms, as the Linux build keeps them.
      {"\xF0\x9F\x98\x80\xC2\xA5\xE2\x82\xAC", L"\U0001F600\u00A5\u20AC"},
  };
  bool all = true;
  for (const Case& c : cases) {
    all = all && Wide(Gb(c.utf8)) == c.wide && TextFromWide(c.wide) == Gb(c.utf8);
  }
  Check(all, "program texts cross to UTF-16 and back unchanged");
}

void CheckFileServices(const Text& run_directory) {
  Check(!run_directory.empty() && run_directory.back() != '\\',
        "the run directory is the exe's folder without a trailing backslash");
  struct Probe {
    Text path;
    bool exists;
    const char* what;
  };
  const std::vector<Probe> probes = {
      {run_directory, true, "FileExists: the run directory (a folder) counts"},
      {run_directory + "\\*.exe", true, "FileExists: a wildcard that matches"},
      {run_directory + "\\no-such-file.txt", false, "FileExists: a missing file"},
      {Text{}, false, "FileExists: the empty path"},
  };
  for (const Probe& probe : probes) Check(FileExists(probe.path) == probe.exists, probe.what);

  // A record-like file: its UTF-16 name must be the Chinese one, its bytes GB18030.
  const Text path = run_directory + "\\" + Gb("检查数据.txt");
  Check(WriteIniItem(path, Gb("保存"), Gb("刷豆总数"), Gb("10")), "WriteIniItem creates a file");
  WIN32_FIND_DATAW found{};
  const std::wstring wide_name = Wide(path);
  const HANDLE search = FindFirstFileW(wide_name.c_str(), &found);
  Check(search != INVALID_HANDLE_VALUE && std::wstring(found.cFileName) == L"检查数据.txt",
        "the file's name on disk is the UTF-16 form of the program text");
  if (search != INVALID_HANDLE_VALUE)
    FindClose(search);
  std::string bytes;
  const HANDLE file = CreateFileW(wide_name.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, 0, nullptr);
  if (file != INVALID_HANDLE_VALUE) {
    char chunk[256];
    DWORD got = 0;
    while (ReadFile(file, chunk, sizeof chunk, &got, nullptr) && got > 0) bytes.append(chunk, got);
    CloseHandle(file);
  }
  // Built piece by piece: GCC 12 misreads a chain of string additions (-Wrestrict).
  Text expected = "[";
  expected += Gb("保存");
  expected += "]\r\n";
  expected += Gb("刷豆总数");
  expected += "=10\r\n";
  Check(bytes == expected, "the INI bytes are GB18030 with CR LF lines");
  DeleteFileW(wide_name.c_str());
}

void CheckWindow(Win32FrontEnd& front_end) {
  HWND window = front_end.main_window();
  RECT outer{};
  GetWindowRect(window, &outer);
  const double scale = front_end.scale();
  if (scale == 1.0) {
    Check(outer.right - outer.left == 478 && outer.bottom - outer.top == 610,
          "the window's outer size is 478 x 610");
  }
  Check(outer.left == (GetSystemMetrics(SM_CXSCREEN) - (outer.right - outer.left)) / 2 &&
            outer.top == (GetSystemMetrics(SM_CYSCREEN) - (outer.bottom - outer.top)) / 2,
        "the window is centred with integer division");
  RECT client{};
  GetClientRect(window, &client);
  const Rect wanted = Scaled(front_end.CatalogueClient(), scale);
  std::printf("     scale %g: client %ldx%ld, catalogue client %dx%d\n", scale, client.right,
              client.bottom, front_end.CatalogueClient().width, front_end.CatalogueClient().height);
  Check(std::abs(client.right - wanted.width) <= 1 && std::abs(client.bottom - wanted.height) <= 1,
        "the client area is the catalogue's times the display's scale, within a pixel");
  const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
  const LONG_PTR ex_style = GetWindowLongPtrW(window, GWL_EXSTYLE);
  Check(
      (style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME)) == 0 && (style & WS_SYSMENU) != 0,
      "fixed frame with a system menu, no minimise or maximise box");
  Check((ex_style & WS_EX_TOPMOST) != 0, "the window stays on top");
  Check(WindowText(window) == Wide(Gb("LirvoLv7163Orvane専属游戏计数器_TobrikV2.4 无账号正式版")),
        "the title comes from the catalogue");

  // Stacking and parents.
  Check(GetWindow(window, GW_CHILD) == front_end.WindowOf(按钮49),
        "the first catalogue entry lies on top of its siblings");
  Check(GetParent(front_end.WindowOf(按钮20)) == front_end.WindowOf(分组框5),
        "group box members live in their group box");

  // Visibility and enabling after the start-up step.
  struct State {
    ControlId id;
    bool visible;
    bool enabled;
    const char* what;
  };
  const std::vector<State> states = {
      {按钮7, true, true, "a gift button is shown and enabled after start-up"},
      {按钮42, true, false, "an inactive button stays greyed"},
      {列表框1, false, false, "the inactive list boxes are never shown"},
      {编辑框13, true, true, "the host fee box is shown by the start-up step"},
      {编辑框7, true, false, "the one-versus multiplier waits for its button"},
  };
  for (const State& s : states) {
    HWND hwnd = front_end.WindowOf(s.id);
    Check(hwnd != nullptr && (IsWindowVisible(hwnd) != 0) == s.visible &&
              (IsWindowEnabled(hwnd) != 0) == s.enabled,
          s.what);
  }
}

// Every control's window lies at its catalogue rectangle times the display's scale, while
// what the program reads of its place is still in catalogue pixels.
void CheckScaledPlaces(Win32FrontEnd& front_end, const ControlModel& model) {
  const double scale = front_end.scale();
  int wrong = 0;
  for (const Control& c : model.controls()) {
    HWND hwnd = front_end.WindowOf(c.id);
    if (hwnd == nullptr || c.kind == Kind::ComboBox)  // a combo box's window holds its list
      continue;
    RECT placed{};
    GetWindowRect(hwnd, &placed);
    MapWindowPoints(nullptr, GetParent(hwnd), reinterpret_cast<POINT*>(&placed), 2);
    const Rect wanted = Scaled(c.rect, scale);
    const bool ok = placed.left == wanted.left && placed.top == wanted.top &&
                    placed.right - placed.left == wanted.width &&
                    placed.bottom - placed.top == wanted.height &&
                    ReadInteger(c.id, prop::kLeft) == c.rect.left &&
                    ReadInteger(c.id, prop::kWidth) == c.rect.width;
    if (!ok && wrong++ < 3)
      std::printf("     %s at %ld,%ld %ldx%ld, not %d,%d %dx%d\n", c.name.c_str(), placed.left,
                  placed.top, placed.right - placed.left, placed.bottom - placed.top, wanted.left,
                  wanted.top, wanted.width, wanted.height);
  }
  Check(wrong == 0, "every control lies at its catalogue rectangle times the scale, read unscaled");
}

// The window moved to a monitor of another scale: Windows sends WM_DPICHANGED with the
// new dpi and the place it suggests. The window must take that place and lay itself out
// anew at the new scale (client area and every control), then the same back again.
void CheckDpiChange(Win32FrontEnd& front_end, const ControlModel& model) {
  HWND window = front_end.main_window();
  const double first = front_end.scale();
  const double other = first == 1.5 ? 1.0 : 1.5;
  bool all = true;
  for (const double scale : {other, first}) {
    RECT suggested{};
    GetWindowRect(window, &suggested);
    const Rect client = Scaled(front_end.CatalogueClient(), scale);
    suggested.right = suggested.left + client.width + 40;  // the frame, about
    suggested.bottom = suggested.top + client.height + 60;
    const auto dpi = static_cast<WORD>(scale * 96);
    SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
    RECT now{};
    GetWindowRect(window, &now);
    RECT inside{};
    GetClientRect(window, &inside);
    int misplaced = 0;
    for (const Control& c : model.controls()) {
      HWND hwnd = front_end.WindowOf(c.id);
      if (hwnd == nullptr || c.kind == Kind::ComboBox)
        continue;
      RECT placed{};
      GetWindowRect(hwnd, &placed);
      MapWindowPoints(nullptr, GetParent(hwnd), reinterpret_cast<POINT*>(&placed), 2);
      const Rect wanted = Scaled(c.rect, scale);
      misplaced += placed.left != wanted.left || placed.right - placed.left != wanted.width;
    }
    const bool ok = front_end.scale() == scale && now.left == suggested.left &&
                    now.top == suggested.top && std::abs(inside.right - client.width) <= 1 &&
                    std::abs(inside.bottom - client.height) <= 1 && misplaced == 0;
    if (!ok)
      std::printf("     at %g: client %ldx%ld, %d controls misplaced\n", scale, inside.right,
                  inside.bottom, misplaced);
    all = all && ok;
  }
  Check(all, "a dpi change lays the window out anew at the new scale, at the suggested place");
}

// One line per shown caption: how many lines it takes in its box, wrapped at the box's
// width in the box's own font, whether a word of it is wider than the box (cut across:
// "1314" shows as "314") and whether its lines are taller than the box (cut below). The
// scale test compares these lines between display scales: a caption whole at 1 must be
// whole, on as many lines, at any other.
void ReportCaptions(Win32FrontEnd& front_end, const ControlModel& model) {
  for (const Control& c : model.controls()) {
    HWND hwnd = front_end.WindowOf(c.id);
    if (hwnd == nullptr || !IsWindowVisible(hwnd) || c.kind == Kind::ComboBox ||
        c.kind == Kind::ListBox)
      continue;
    const std::wstring caption = WindowText(hwnd);
    if (caption.empty())
      continue;
    RECT box{};
    GetClientRect(hwnd, &box);
    HDC dc = GetDC(hwnd);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(hwnd, WM_GETFONT, 0, 0)));
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    RECT needed{0, 0, box.right, 0};
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &needed,
              DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    SelectObject(dc, old);
    ReleaseDC(hwnd, dc);
    const int line_height = metrics.tmHeight > 0 ? metrics.tmHeight : 1;
    const int lines = (needed.bottom + line_height - 1) / line_height;
    std::printf("caption %s lines=%d wide=%d tall=%d text=%ldx%ld box=%ldx%ld\n", c.name.c_str(),
                lines, needed.right > box.right ? 1 : 0, needed.bottom > box.bottom ? 1 : 0,
                needed.right, needed.bottom, box.right, box.bottom);
  }
}

// The darkest pixel of a control's client as painted, and whether anything but its
// background (the top-left pixel) was painted at all.
COLORREF DarkestPixel(HWND hwnd, bool& painted) {
  RECT client;
  GetClientRect(hwnd, &client);
  RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  HDC dc = GetDC(hwnd);
  const COLORREF background = GetPixel(dc, 0, 0);
  COLORREF darkest = background;
  auto lightness = [](COLORREF c) { return GetRValue(c) + GetGValue(c) + GetBValue(c); };
  painted = false;
  for (int y = 0; y < client.bottom; ++y) {
    for (int x = 0; x < client.right; ++x) {
      const COLORREF pixel = GetPixel(dc, x, y);
      painted = painted || pixel != background;
      if (lightness(pixel) < lightness(darkest))
        darkest = pixel;
    }
  }
  ReleaseDC(hwnd, dc);
  return darkest;
}

// The style each window had when it was created, as a creation hook sees it.
std::map<HWND, LONG> created_styles;

LRESULT CALLBACK RecordCreation(int code, WPARAM wparam, LPARAM lparam) {
  if (code == HCBT_CREATEWND) {
    const auto* create = reinterpret_cast<CBT_CREATEWNDW*>(lparam);
    created_styles[reinterpret_cast<HWND>(wparam)] = create->lpcs->style;
  }
  return CallNextHookEx(nullptr, code, wparam, lparam);
}

void CheckCreatedWithFinalStyle(Win32FrontEnd& front_end, const ControlModel& model) {
  // A style changed after creation reaches some controls too late (a disabled edit box
  // of the common controls keeps drawing as enabled) and costs the window server a
  // round trip per control.
  constexpr LONG kBits = WS_DISABLED | WS_TABSTOP | WS_CLIPSIBLINGS;
  int wrong = 0;
  for (const Control& c : model.controls()) {
    HWND hwnd = front_end.WindowOf(c.id);
    if (hwnd == nullptr)
      continue;
    auto found = created_styles.find(hwnd);
    const LONG created = found == created_styles.end() ? 0 : found->second;
    const LONG wanted = WS_CLIPSIBLINGS | (c.entry->flags & kDisabled ? WS_DISABLED : 0) |
                        (c.entry->flags & kTabStop ? WS_TABSTOP : 0);
    if (found == created_styles.end() || (created & kBits) != wanted) {
      if (wrong++ < 3)
        std::printf("     %s created with style %08lx\n", c.name.c_str(),
                    static_cast<unsigned long>(created));
    }
  }
  Check(wrong == 0, "every control is created with its final style");
}

void CheckEveryKindMade(Win32FrontEnd& front_end, const ControlModel& model) {
  // What the table of makers must give each kind: the window class, and for the kinds
  // made from BUTTON its type (a picture button draws its own face).
  constexpr LONG kNotAButton = -1;
  constexpr LONG kPushOrPicture = -2;
  struct Made {
    Kind kind;
    const wchar_t* window_class;  // nullptr: no window at all
    LONG button_type;
  };
  const std::vector<Made> table = {
      {Kind::EditBox, L"ScoreboardEdit", kNotAButton},
      {Kind::Button, L"Button", kPushOrPicture},
      {Kind::SuperBtn, L"Button", BS_OWNERDRAW},
      {Kind::ColorPicker, L"Button", BS_OWNERDRAW},
      {Kind::RadioBox, L"Button", BS_RADIOBUTTON},
      {Kind::GroupBox, L"ScoreboardGroupBox", BS_GROUPBOX},
      {Kind::Label, L"Static", kNotAButton},
      {Kind::TransLabel, L"ScoreboardTransLabel", kNotAButton},
      {Kind::ComboBox, L"ComboBox", kNotAButton},
      {Kind::ListBox, L"ListBox", kNotAButton},
      {Kind::ProcessBar, L"msctls_progress32", kNotAButton},
      {Kind::SliderBar, L"msctls_trackbar32", kNotAButton},
      {Kind::Timer, nullptr, kNotAButton},
      {Kind::CommonDlg, nullptr, kNotAButton},
  };
  int wrong = 0;
  for (const Control& c : model.controls()) {
    auto row =
        std::find_if(table.begin(), table.end(), [&](const Made& m) { return m.kind == c.kind; });
    HWND hwnd = front_end.WindowOf(c.id);
    bool ok = row != table.end();
    if (ok && row->window_class == nullptr) {
      ok = hwnd == nullptr;
    } else if (ok) {
      wchar_t window_class[64] = {};
      GetClassNameW(hwnd, window_class, 64);
      const LONG type = static_cast<LONG>(GetWindowLongPtrW(hwnd, GWL_STYLE) & BS_TYPEMASK);
      LONG wanted = row->button_type;
      if (wanted == kPushOrPicture)
        wanted = c.entry->own.picture != nullptr ? BS_OWNERDRAW : BS_PUSHBUTTON;
      ok = hwnd != nullptr && lstrcmpiW(window_class, row->window_class) == 0 &&
           (wanted == kNotAButton || type == wanted);
    }
    if (!ok && wrong++ < 3)
      std::printf("     %s (%.*s) is not made as its kind\n", c.name.c_str(),
                  static_cast<int>(KindName(c.kind).size()), KindName(c.kind).data());
  }
  Check(wrong == 0, "every control is made by its kind's maker, as a window of its kind's class");
}

void CheckGreyedBoxes(Win32FrontEnd& front_end) {
  // The one-versus multipliers are disabled from their creation: their "1" is greyed
  // text, not the black of an enabled box. At 96 dpi black's one-pixel stroke is smoothed
  // to about 0x7c, so only a light grey tells them apart (Wine draws 0xd1 there); at a
  // larger scale a black stroke holds whole pixels of black, while grey text (Wine's grey
  // is 0x6d to 0x80, drawn whole by the thicker stroke) stays well above it.
  const int lightest_black = front_end.scale() > 1.0 ? 0x60 : 0xA0;
  for (const ControlId id : {编辑框7, 编辑框8}) {
    bool painted = false;
    const COLORREF darkest = DarkestPixel(front_end.WindowOf(id), painted);
    const int brightest_channel =
        std::max({GetRValue(darkest), GetGValue(darkest), GetBValue(darkest)});
    if (!(painted && brightest_channel >= lightest_black))
      std::printf("     %s: darkest pixel %06lx, painted %d, at scale %.2f\n",
                  id == 编辑框7 ? "编辑框7" : "编辑框8", static_cast<unsigned long>(darkest),
                  painted ? 1 : 0, front_end.scale());
    Check(painted && brightest_channel >= lightest_black,
          id == 编辑框7 ? "编辑框7 draws its 1 greyed" : "编辑框8 draws its 1 greyed");
  }
}

void CheckControls(Win32FrontEnd& front_end) {
  // A program write shows the text and runs the box's handler once (the difference
  // follows the score); the native notice is not taken for a user edit.
  WriteText(编辑框9, prop::kContent, "123");
  Check(WindowText(front_end.WindowOf(编辑框9)) == L"123", "a content write shows in the box");
  Check(ReadText(编辑框11, prop::kContent) == "123",
        "the score box's content-changed handler ran inside the write");
  Check((GetWindowLongPtrW(front_end.WindowOf(编辑框9), GWL_STYLE) & ES_READONLY) != 0,
        "score boxes are read-only");

  // Typing into a whole-numbers box: the user's characters pass the filter one by one.
  HWND quantity = front_end.WindowOf(编辑框3);
  struct Key {
    wchar_t character;
    const char* expected;
  };
  const std::vector<Key> keys = {{L'a', ""}, {L'7', "7"}, {L'队', "7"}, {L'-', "7-"}, {L'.', "7-"}};
  bool typed = true;
  for (const Key& key : keys) {
    SendMessageW(quantity, WM_CHAR, key.character, 1);
    typed = typed && ReadText(编辑框3, prop::kContent) == key.expected;
  }
  Check(typed, "a whole-numbers box keeps only digits and \"-\"; each edit reaches the model");
  SendMessageW(quantity, WM_CHAR, VK_BACK, 1);
  Check(ReadText(编辑框3, prop::kContent) == "7", "backspace passes the filter");

  // The progress bar stores what was written and draws it limited to its range.
  WriteInteger(进度条1, prop::kProgressPosition, 51);
  Check(ReadInteger(进度条1, prop::kProgressPosition) == 51 &&
            SendMessageW(front_end.WindowOf(进度条1), PBM_GETPOS, 0, 0) == 50,
        "a progress position of 51 reads back 51 and draws full");

  // The slider: range 11..30; a user move reaches the model through WM_HSCROLL.
  HWND slider = front_end.WindowOf(滑块条1);
  Check(SendMessageW(slider, TBM_GETRANGEMIN, 0, 0) == 11 &&
            SendMessageW(slider, TBM_GETRANGEMAX, 0, 0) == 30 &&
            SendMessageW(slider, TBM_GETPOS, 0, 0) == 11,
        "the sliders start at 11 within 11..30");
  SendMessageW(slider, TBM_SETPOS, TRUE, 20);
  SendMessageW(GetParent(slider), WM_HSCROLL, MAKEWPARAM(TB_THUMBPOSITION, 20),
               reinterpret_cast<LPARAM>(slider));
  Check(ReadInteger(滑块条1, prop::kSliderPosition) == 20, "a thumb move reaches the model");

  // The combo boxes open with the catalogue's items and selections.
  HWND combo = front_end.WindowOf(组合框2);
  wchar_t item[64] = {};
  SendMessageW(combo, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(item));
  Check(SendMessageW(combo, CB_GETCOUNT, 0, 0) == 3 &&
            SendMessageW(combo, CB_GETCURSEL, 0, 0) == 2 && std::wstring(item) == L"棒棒糖队",
        "a combo box holds its items with the catalogue's selection");

  // A click on the other radio box checks it and clears its neighbour.
  SendMessageW(front_end.WindowOf(单选框3), BM_CLICK, 0, 0);
  Check(SendMessageW(front_end.WindowOf(单选框3), BM_GETCHECK, 0, 0) == BST_CHECKED &&
            SendMessageW(front_end.WindowOf(单选框2), BM_GETCHECK, 0, 0) == BST_UNCHECKED,
        "a radio click checks that box only");

  // A font size write: GB2312 font of the new height, face kept.
  WriteInteger(编辑框1, prop::kFont, 30, prop::kFontSize);
  LOGFONTW font{};
  const auto handle =
      reinterpret_cast<HFONT>(SendMessageW(front_end.WindowOf(编辑框1), WM_GETFONT, 0, 0));
  GetObjectW(handle, sizeof font, &font);
  Check(font.lfHeight == ScaledFontHeight(-40, front_end.scale()) &&
            font.lfCharSet == GB2312_CHARSET && std::wstring(font.lfFaceName) == L"宋体" &&
            ReadInteger(编辑框1, prop::kFont, prop::kFontSize) == 30,
        "font size 30 gives a 40-pixel GB2312 font of the same face, times the scale; "
        "it reads back 30");
}

// --- keys and mouse through the message loop's own path ---------------------------

constexpr COLORREF kRed = RGB(0xff, 0x00, 0x00);

// The thread's keyboard state as a key message leaves it: Shift held, NumLock on.
void SetKeyState(int virtual_key, BYTE value) {
  BYTE state[256] = {};
  GetKeyboardState(state);
  state[virtual_key] = value;
  SetKeyboardState(state);
}

// A key pressed on the focused control: the messages wait in the queue and the front end
// takes them as its message loop would, pre-translation and character translation included.
void PressKey(Win32FrontEnd& front_end, WPARAM virtual_key, bool extended = false) {
  HWND target = GetFocus();
  const auto scan = static_cast<LPARAM>(MapVirtualKeyW(static_cast<UINT>(virtual_key), 0));
  const LPARAM down = 1 | (scan << 16) | (extended ? (LPARAM{1} << 24) : 0);
  const LPARAM up = down | (LPARAM{1} << 30) | (LPARAM{1} << 31);
  PostMessageW(target, WM_KEYDOWN, virtual_key, down);
  PostMessageW(target, WM_KEYUP, virtual_key, up);
  front_end.DeliverWaitingMessages();
}

// Whether the focus is in the control (a combo box's inner parts count).
bool HasFocus(Win32FrontEnd& front_end, ControlId id) {
  HWND control = front_end.WindowOf(id);
  HWND focus = GetFocus();
  return control != nullptr && (focus == control || IsChild(control, focus));
}

// Counts what reaches an edit box's own window procedure.
struct Seen {
  int enter_keys = 0;
  int enter_characters = 0;
  int characters = 0;
};

LRESULT CALLBACK Spy(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR /*id*/,
                     DWORD_PTR data) {
  auto* seen = reinterpret_cast<Seen*>(data);
  if (message == WM_KEYDOWN && wparam == VK_RETURN)
    seen->enter_keys++;
  if (message == WM_CHAR) {
    seen->characters++;
    if (wparam == L'\r' || wparam == L'\n')
      seen->enter_characters++;
  }
  return DefSubclassProc(hwnd, message, wparam, lparam);
}

// Windows' radio buttons report a click when they get the focus without the mouse; Wine's
// do not. The checks give them that habit so that the front end must cope with it.
LRESULT CALLBACK ClickOnFocus(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam,
                              UINT_PTR /*id*/, DWORD_PTR /*data*/) {
  const LRESULT result = DefSubclassProc(hwnd, message, wparam, lparam);
  if (message == WM_SETFOCUS && GetCapture() != hwnd) {
    SendMessageW(GetParent(hwnd), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(hwnd), BN_CLICKED),
                 reinterpret_cast<LPARAM>(hwnd));
  }
  return result;
}

void CheckKeyboard(Win32FrontEnd& front_end, Application& application) {
  for (ControlId radio : {单选框2, 单选框3})
    SetWindowSubclass(front_end.WindowOf(radio), ClickOnFocus, 78, 0);
  // Tab walks the tab stops that take input and lie on the window (not the state boxes
  // beyond its right edge), in catalogue order, and wraps.
  std::vector<ControlId> stops;
  for (const Control& c : application.model().controls()) {
    const Control* group = c.parent != 0 ? application.model().Find(c.parent) : nullptr;
    const int32_t left = c.rect.left + (group != nullptr ? group->rect.left : 0);
    if (c.tab_stop && application.model().TakesInput(c) && front_end.WindowOf(c.id) != nullptr &&
        left < application.model().window().outer.width)
      stops.push_back(c.id);
  }
  const Text fee_before = ReadText(编辑框25, prop::kContent);
  const bool radio2_before = application.model().Find(单选框2)->checked;
  SetFocus(front_end.WindowOf(stops.front()));
  front_end.DeliverWaitingMessages();
  bool forward = stops.size() > 10;
  bool no_choice = true;  // checked after every step: the two radio boxes lie side by side
  for (size_t i = 1; i <= stops.size(); ++i) {
    PressKey(front_end, VK_TAB);
    forward = forward && HasFocus(front_end, stops[i % stops.size()]);
    no_choice = no_choice && ReadText(编辑框25, prop::kContent) == fee_before &&
                application.model().Find(单选框2)->checked == radio2_before;
  }
  Check(forward, "Tab visits every tab stop in catalogue order and wraps to the first");
  Check(no_choice, "tabbing onto a radio box moves the focus only: no game-time choice");

  SetKeyState(VK_SHIFT, 0x80);
  bool backward = true;
  for (size_t i = stops.size(); i-- > 0;) {
    PressKey(front_end, VK_TAB);
    backward = backward && HasFocus(front_end, stops[i]);
  }
  SetKeyState(VK_SHIFT, 0);
  Check(backward, "Shift+Tab visits them in reverse order");

  // The arrow keys move between the two radio boxes and choose the game time.
  SetFocus(front_end.WindowOf(单选框2));
  front_end.DeliverWaitingMessages();
  struct Arrow {
    WPARAM key;
    ControlId lands_on;
    const char* fee;
  };
  const std::vector<Arrow> arrows = {
      {VK_RIGHT, 单选框3, "200"}, {VK_LEFT, 单选框2, "100"}, {VK_DOWN, 单选框3, "200"},
      {VK_UP, 单选框2, "100"},    {VK_UP, 单选框3, "200"},
  };
  bool radios = true;
  for (const Arrow& arrow : arrows) {
    PressKey(front_end, arrow.key);
    const ControlId other = arrow.lands_on == 单选框2 ? 单选框3 : 单选框2;
    radios = radios && HasFocus(front_end, arrow.lands_on) &&
             SendMessageW(front_end.WindowOf(arrow.lands_on), BM_GETCHECK, 0, 0) == BST_CHECKED &&
             SendMessageW(front_end.WindowOf(other), BM_GETCHECK, 0, 0) == BST_UNCHECKED &&
             ReadText(编辑框25, prop::kContent) == arrow.fee;
  }
  Check(radios, "arrow keys move between the radio boxes, check the one reached, set its fee");
  for (ControlId radio : {单选框2, 单选框3})
    RemoveWindowSubclass(front_end.WindowOf(radio), ClickOnFocus, 78);

  // Keypad digits type into the custom amount box; keypad Enter adds the amount to the
  // lollipop score and empties the box, and neither the Enter key nor a character of it
  // reaches the box.
  HWND amount = front_end.WindowOf(编辑框5);
  Seen seen;
  SetWindowSubclass(amount, Spy, 77, reinterpret_cast<DWORD_PTR>(&seen));
  SetKeyState(VK_NUMLOCK, 0x01);
  SetFocus(amount);
  WriteText(编辑框9, prop::kContent, "100");
  const Text multiplier = ReadText(编辑框7, prop::kContent);
  PressKey(front_end, VK_NUMPAD2);
  PressKey(front_end, VK_NUMPAD5);
  Check(ReadText(编辑框5, prop::kContent) == "25" && WindowText(amount) == L"25",
        "keypad digits type into the amount box");
  PressKey(front_end, VK_RETURN, true);
  Check(multiplier == "1" && ReadText(编辑框9, prop::kContent) == "125",
        "keypad Enter in the amount box adds 25 to the lollipop score of 100");
  Check(ReadText(编辑框5, prop::kContent).empty() && WindowText(amount).empty(),
        "keypad Enter empties the amount box");
  Check(seen.enter_keys == 0 && seen.enter_characters == 0 && seen.characters == 2,
        "the dropped Enter never reaches the box: no key, no character, no beep");
  RemoveWindowSubclass(amount, Spy, 77);

  // Escape does not close the window, Enter does not move the focus, in a one-line box
  // and in the multi-line team line (which takes Enter as a new line).
  HWND quantity = front_end.WindowOf(编辑框3);
  SetFocus(quantity);
  PressKey(front_end, VK_ESCAPE);
  PressKey(front_end, VK_RETURN);
  Check(IsWindowVisible(front_end.main_window()) && GetFocus() == quantity,
        "Escape and Enter in a one-line box: the window stays, the focus stays");
  HWND line = front_end.WindowOf(编辑框1);
  SetFocus(line);
  const std::wstring before = WindowText(line);
  const auto end = static_cast<WPARAM>(before.size());
  SendMessageW(line, EM_SETSEL, end, static_cast<LPARAM>(end));
  PressKey(front_end, VK_ESCAPE);
  PressKey(front_end, VK_RETURN);
  Check(IsWindowVisible(front_end.main_window()) && GetFocus() == line &&
            WindowText(line) == before + L"\r\n",
        "the multi-line team line takes Enter as a new line; Escape closes nothing");
  SetKeyState(VK_NUMLOCK, 0);
}

// Where the palette paints the colour: the first pixel of it in the pop-up's client.
bool FindColour(HWND hwnd, COLORREF colour, POINT& at) {
  RECT client;
  GetClientRect(hwnd, &client);
  UpdateWindow(hwnd);
  HDC dc = GetDC(hwnd);
  bool found = false;
  for (int y = 0; y < client.bottom && !found; ++y) {
    for (int x = 0; x < client.right && !found; ++x) {
      if (GetPixel(dc, x, y) == colour) {
        // Aim a little inside the cell, past its edge.
        at = POINT{x + 3, y + 3};
        found = true;
      }
    }
  }
  ReleaseDC(hwnd, dc);
  return found;
}

void Click(Win32FrontEnd& front_end, HWND hwnd, POINT at) {
  const LPARAM where = MAKELPARAM(at.x, at.y);
  PostMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, where);
  PostMessageW(hwnd, WM_LBUTTONUP, 0, where);
  front_end.DeliverWaitingMessages();
}

HWND OpenPaletteOf(Win32FrontEnd& front_end, ControlId picker) {
  SendMessageW(front_end.WindowOf(picker), BM_CLICK, 0, 0);
  front_end.DeliverWaitingMessages();
  return OpenPaletteWindow();
}

void CheckPalette(Win32FrontEnd& front_end, Application& application) {
  HWND window = front_end.main_window();
  HWND picker = front_end.WindowOf(颜色选择器1);
  SetForegroundWindow(window);
  SetFocus(picker);
  HWND palette = OpenPaletteOf(front_end, 颜色选择器1);
  Check(palette != nullptr && IsWindowVisible(palette), "a click on the picker opens its palette");
  Check(GetActiveWindow() != palette && GetFocus() == picker && GetCapture() == palette,
        "the palette takes neither the activation nor the focus, only the mouse capture");

  POINT red{};
  Check(FindColour(palette, kRed, red), "the palette paints a red cell");
  Click(front_end, palette, red);
  Check(!IsWindow(palette) && OpenPaletteWindow() == nullptr && GetCapture() == nullptr,
        "a click on a cell closes the palette and lets the mouse go");
  Check(application.model().Find(颜色选择器1)->picked_colour == kRed,
        "the clicked cell's colour is the picker's colour");

  // The lollipop team line takes the colour at its next content change.
  HWND line = front_end.WindowOf(编辑框1);
  SendMessageW(line, WM_CHAR, L'x', 1);
  HDC dc = GetDC(line);
  SendMessageW(window, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc),
               reinterpret_cast<LPARAM>(line));
  const COLORREF drawn = GetTextColor(dc);
  ReleaseDC(line, dc);
  Check(application.model().Find(编辑框1)->text_colour == kRed && drawn == kRed,
        "typing into the team line draws it in the picked red");

  // A click elsewhere, Escape, and a focus move close it without a choice.
  struct Dismissal {
    int how;
    const char* what;
  };
  const std::vector<Dismissal> dismissals = {
      {0, "a click outside the palette closes it without a choice"},
      {1, "Escape closes the palette without a choice; the window stays"},
      {2, "Tab closes the palette and moves the focus on"},
      {3, "the focus leaving the picker closes the palette"},
  };
  for (const Dismissal& d : dismissals) {
    SetFocus(picker);
    front_end.DeliverWaitingMessages();
    palette = OpenPaletteOf(front_end, 颜色选择器1);
    if (d.how == 0) {
      Click(front_end, palette, POINT{-20, -20});
    } else if (d.how == 1) {
      PressKey(front_end, VK_ESCAPE);
    } else if (d.how == 2) {
      PressKey(front_end, VK_TAB);
    } else {
      // A focus move that no key of the user's made still closes it.
      SetFocus(front_end.WindowOf(编辑框3));
      PostMessageW(window, WM_NULL, 0, 0);
      front_end.DeliverWaitingMessages();
    }
    Check(palette != nullptr && !IsWindow(palette) && IsWindowVisible(window) &&
              application.model().Find(颜色选择器1)->picked_colour == kRed,
          d.what);
  }
}

}  // namespace

int main() {
  INITCOMMONCONTROLSEX classes{sizeof classes,
                               ICC_STANDARD_CLASSES | ICC_BAR_CLASSES | ICC_PROGRESS_CLASS};
  InitCommonControlsEx(&classes);
  CheckTextEdge();
  const std::optional<NativePath> run_directory = ExecutableDirectory();
  {
    Win32FrontEnd front_end;
    Application application(front_end);
    front_end.Attach(application);
    HHOOK hook = SetWindowsHookExW(WH_CBT, RecordCreation, nullptr, GetCurrentThreadId());
    application.Start(run_directory);
    UnhookWindowsHookEx(hook);
    CheckFileServices(GetRunDirectory());
    CheckWindow(front_end);
    CheckScaledPlaces(front_end, application.model());
    CheckDpiChange(front_end, application.model());
    ReportCaptions(front_end, application.model());
    CheckCreatedWithFinalStyle(front_end, application.model());
    CheckEveryKindMade(front_end, application.model());
    CheckGreyedBoxes(front_end);
    CheckControls(front_end);
    CheckKeyboard(front_end, application);
    CheckPalette(front_end, application);
    DestroyWindow(front_end.main_window());
    Check(application.Run() == 0, "closing the window ends the program with 0");
  }
  std::printf("win32-checks: %d passed, %d failed\n", passed, failed);
  return failed == 0 ? 0 : 1;
}
