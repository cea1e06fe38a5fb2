// Checks that need real Windows (or Wine): the W-function edge, the file services on
// UTF-16 names, and the front end building the real window and mirroring the model.
// Prints one line per check and ends with "N passed, N failed"; exit status 1 on failure.
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <string>
#include <vector>

#include "platform/win32/wide.h"
#include "platform/win32/win32_front_end.h"
#include "services/file_services.h"
#include "services/property_model.h"
#include "shell/application.h"
#include "shell/control_ids.h"

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
  Check(outer.right - outer.left == 478 && outer.bottom - outer.top == 610,
        "the window's outer size is 478 x 610");
  Check(outer.left == (GetSystemMetrics(SM_CXSCREEN) - 478) / 2 &&
            outer.top == (GetSystemMetrics(SM_CYSCREEN) - 610) / 2,
        "the window is centred with integer division");
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
  Check(font.lfHeight == -40 && font.lfCharSet == GB2312_CHARSET &&
            std::wstring(font.lfFaceName) == L"宋体",
        "font size 30 gives a 40-pixel GB2312 font of the same face");
}

}  // namespace

int main() {
  INITCOMMONCONTROLSEX classes{sizeof classes,
                               ICC_STANDARD_CLASSES | ICC_BAR_CLASSES | ICC_PROGRESS_CLASS};
  InitCommonControlsEx(&classes);
  CheckTextEdge();
  const Text run_directory = ExecutableDirectory();
  {
    Win32FrontEnd front_end;
    Application application(front_end);
    front_end.Attach(application);
    application.Start(run_directory);
    CheckFileServices(GetRunDirectory());
    CheckWindow(front_end);
    CheckControls(front_end);
    DestroyWindow(front_end.main_window());
    Check(application.Run() == 0, "closing the window ends the program with 0");
  }
  std::printf("win32-checks: %d passed, %d failed\n", passed, failed);
  return failed == 0 ? 0 : 1;
}
