#include "platform/win32/win32_front_end.h"

#include <windows.h>

#include <string>

#include "platform/win32/dpi.h"
#include "platform/win32/native_kinds.h"
#include "platform/win32/palette.h"
#include "platform/win32/pictures_win32.h"
#include "platform/win32/wide.h"
#include "services/fatal_error.h"
#include "shell/application.h"
#include "shell/display_scale.h"
#include "shell/keyboard.h"
#include "shell/shutdown.h"

namespace {

constexpr wchar_t kWindowClass[] = L"ScoreboardWindow";

bool KeyIsDown(int virtual_key) {
  return (GetKeyState(virtual_key) & 0x8000) != 0;
}

// A modifier key's own press does not count itself.
int32_t Modifiers(WPARAM key) {
  int32_t state = 0;
  if (key != VK_CONTROL && KeyIsDown(VK_CONTROL))
    state |= modifier::kCtrl;
  if (key != VK_SHIFT && KeyIsDown(VK_SHIFT))
    state |= modifier::kShift;
  if (key != VK_MENU && KeyIsDown(VK_MENU))
    state |= modifier::kAlt;
  return state;
}

}  // namespace

Win32FrontEnd::Win32FrontEnd() = default;

Win32FrontEnd::~Win32FrontEnd() {
  for (auto& [colour, brush] : brushes_) DeleteObject(brush);
  if (background_cache_ != nullptr)
    DeleteObject(background_cache_);
  controls_.clear();  // they draw in the GUI font
  if (gui_font_ != nullptr)
    DeleteObject(gui_font_);
}

void Win32FrontEnd::CreateWindow(const ControlModel& model) {
  model_ = &model;
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW window_class{};
  window_class.cbSize = sizeof window_class;
  window_class.lpfnWndProc = WindowProc;
  window_class.hInstance = instance;
  window_class.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
  window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  window_class.lpszClassName = kWindowClass;
  RegisterClassExW(&window_class);

  // Fixed single frame, caption with system menu and close box, nothing to resize.
  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_BORDER | WS_CLIPCHILDREN;
  // The catalogue gives the outer size at 96 dpi; what it leaves inside the frame there is
  // the client area the layout was made for.
  const Rect& outer = model.window().outer;
  const RECT frame = FrameAround(RECT{}, style, WS_EX_APPWINDOW, 96);
  catalogue_client_ = {0, 0, outer.width - (frame.right - frame.left),
                       outer.height - (frame.bottom - frame.top)};
  // Made on the primary display at its scale, then fitted to the one it is really on.
  scale_ = SystemDpi() / 96.0;
  const Rect client = Scaled(catalogue_client_, scale_);
  const RECT shown =
      FrameAround(RECT{0, 0, client.width, client.height}, style, WS_EX_APPWINDOW, SystemDpi());
  const int width = shown.right - shown.left;
  const int height = shown.bottom - shown.top;
  const int left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
  const int top = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
  window_ = CreateWindowExW(WS_EX_APPWINDOW, kWindowClass, Wide(model.title()).c_str(), style, left,
                            top, width, height, nullptr, nullptr, instance, this);
  if (window_ == nullptr)
    FatalRuntimeError(std::nullopt, Gb("载入启动窗口失败"));
  scale_ = DpiOfWindow(window_) / 96.0;
  FitClientArea();
  gui_font_ = MakeGuiFont(scale_);
  SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(gui_font_), FALSE);
  MakeBackground();
  CreateControls();
  FixStacking();
  for (auto& native : controls_)
    ShowWindow(native->hwnd(), native->model().visible ? SW_SHOWNA : SW_HIDE);
  SetWindowPos(window_, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  ShowWindow(window_, SW_SHOW);
  UpdateWindow(window_);
  wake_target_.store(window_);
}

void Win32FrontEnd::CreateControls() {
  controls_.clear();
  for (const Control& c : model_->controls()) {
    if (const NativeMaker make = MakerOf(c.kind))
      controls_.push_back(make(*this, c));
  }
  // Last catalogue entry first, each a hidden child of the window.
  for (size_t i = controls_.size(); i-- > 0;) {
    NativeControl& native = *controls_[i];
    if (!native.Create(window_, scale_, gui_font_))
      FatalRuntimeError(std::nullopt, Gb("载入启动窗口失败"));
    by_window_[native.hwnd()] = &native;
    by_id_[native.model().id] = &native;
  }
  // Group box members move into their box; their stored places are relative to it.
  for (auto& native : controls_) {
    if (native->model().parent == 0)
      continue;
    if (NativeControl* group = Native(native->model().parent))
      SetParent(native->hwnd(), group->hwnd());
  }
}

void Win32FrontEnd::FixStacking() {
  // Among siblings, earlier catalogue entries lie on top.
  std::map<ControlId, HWND> lowest;
  for (auto& native : controls_) {
    auto found = lowest.find(native->model().parent);
    const HWND above = found == lowest.end() ? HWND_TOP : found->second;
    SetWindowPos(native->hwnd(), above, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    lowest[native->model().parent] = native->hwnd();
  }
}

void Win32FrontEnd::FitClientArea() {
  // The frame's size at the window's dpi is whatever the system draws; the client area
  // is what the layout needs, so the outer size follows from the one measured.
  const Rect wanted = Scaled(catalogue_client_, scale_);
  RECT client;
  RECT outer;
  GetClientRect(window_, &client);
  GetWindowRect(window_, &outer);
  const int more_x = wanted.width - (client.right - client.left);
  const int more_y = wanted.height - (client.bottom - client.top);
  if (more_x == 0 && more_y == 0)
    return;
  SetWindowPos(window_, nullptr, 0, 0, outer.right - outer.left + more_x,
               outer.bottom - outer.top + more_y, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32FrontEnd::Rescale(double scale) {
  scale_ = scale;
  FitClientArea();
  HFONT old_font = gui_font_;
  gui_font_ = MakeGuiFont(scale_);
  SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(gui_font_), FALSE);
  for (auto& native : controls_) native->Rescale(scale_, gui_font_);
  if (old_font != nullptr)
    DeleteObject(old_font);
  if (background_cache_ != nullptr) {
    DeleteObject(background_cache_);
    background_cache_ = nullptr;
  }
  MakeBackground();
  RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void Win32FrontEnd::MakeBackground() {
  background_ = FindPicture(model_->window().background_picture);
  if (background_ == nullptr)
    return;
  RECT client;
  GetClientRect(window_, &client);
  HDC screen = GetDC(window_);
  background_cache_ = CreateCompatibleBitmap(screen, client.right, client.bottom);
  HDC memory = CreateCompatibleDC(screen);
  HGDIOBJ old = SelectObject(memory, background_cache_);
  DrawPictureStretched(memory, client, *background_);
  SelectObject(memory, old);
  DeleteDC(memory);
  ReleaseDC(window_, screen);
  // Only the stretched copy is drawn from now on.
  ForgetPicture(model_->window().background_picture);
  background_ = nullptr;
}

void Win32FrontEnd::PaintBackground(HDC dc, const RECT& area) {
  if (background_cache_ == nullptr) {
    FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
    return;
  }
  HDC memory = CreateCompatibleDC(dc);
  HGDIOBJ old = SelectObject(memory, background_cache_);
  BitBlt(dc, area.left, area.top, area.right - area.left, area.bottom - area.top, memory, area.left,
         area.top, SRCCOPY);
  SelectObject(memory, old);
  DeleteDC(memory);
}

NativeControl* Win32FrontEnd::FromWindow(HWND hwnd) {
  auto found = by_window_.find(hwnd);
  return found == by_window_.end() ? nullptr : found->second;
}

NativeControl* Win32FrontEnd::Native(ControlId id) {
  auto found = by_id_.find(id);
  return found == by_id_.end() ? nullptr : found->second;
}

NativeControl* Win32FrontEnd::ControlOfWindow(HWND hwnd) {
  while (hwnd != nullptr && hwnd != window_) {
    if (NativeControl* native = FromWindow(hwnd))
      return native;
    hwnd = GetParent(hwnd);
  }
  return nullptr;
}

void Win32FrontEnd::Changed(ControlId control, Aspect aspect) {
  if (NativeControl* native = Native(control))
    native->Changed(aspect);
}

void Win32FrontEnd::StartTimer(ControlId timer, int32_t period_ms) {
  if (window_ == nullptr)
    return;
  auto found = timer_ids_.find(timer);
  UINT_PTR id = 0;
  if (found == timer_ids_.end()) {
    id = timer_ids_.size() + 1;
    timer_ids_[timer] = id;
    timers_by_id_[id] = timer;
  } else {
    id = found->second;
  }
  SetTimer(window_, id, static_cast<UINT>(period_ms), nullptr);
}

void Win32FrontEnd::StopTimer(ControlId timer) {
  auto found = timer_ids_.find(timer);
  if (found != timer_ids_.end() && window_ != nullptr)
    KillTimer(window_, found->second);
}

int32_t Win32FrontEnd::MessageBox(const Text& text, const Text& caption, uint32_t flags) {
  // No owner: a task-modal box disables the program's windows; its own loop still
  // dispatches the timers' ticks.
  return MessageBoxW(nullptr, Wide(text).c_str(), Wide(caption).c_str(), flags);
}

bool Win32FrontEnd::LaunchProgram(const Text& command_line, int32_t show_window, bool wait) {
  std::wstring line = Wide(command_line);
  if (line.empty())
    return false;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = static_cast<WORD>(show_window);
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process)) {
    return false;
  }
  if (wait)
    WaitForSingleObject(process.hProcess, INFINITE);
  else
    WaitForInputIdle(process.hProcess, 1000);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return true;
}

void Win32FrontEnd::ShowFatalError(const Text& text) {
  MessageBoxW(nullptr, Wide(text).c_str(), Wide(FatalErrorCaption()).c_str(), MB_ICONERROR);
  RunShutdown();
  ExitProcess(static_cast<UINT>(-1));
}

void Win32FrontEnd::WakeFromAnyThread() {
  // A window gone meanwhile makes this post fail harmlessly: nothing runs any more.
  if (HWND target = wake_target_.load())
    PostMessageW(target, kRunQueuedMessage, 0, 0);
}

void Win32FrontEnd::RunMessageLoop() {
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) Deliver(message);
}

void Win32FrontEnd::DeliverWaitingMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(message.wParam));  // left for RunMessageLoop
      return;
    }
    Deliver(message);
  }
}

void Win32FrontEnd::Deliver(const MSG& message) {
  if (!PreTranslate(message)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  ReportFocusChange();
}

bool Win32FrontEnd::PreTranslate(const MSG& message) {
  if (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN)
    return false;
  if (window_ == nullptr || application_ == nullptr ||
      (message.hwnd != window_ && !IsChild(window_, message.hwnd))) {
    return false;
  }
  // The colour pop-up has no focus of its own: Escape closes it and goes no further; any
  // other key closes it and then counts as usual.
  if (DismissPalette() && message.wParam == VK_ESCAPE)
    return true;
  NativeControl* native = ControlOfWindow(message.hwnd);
  const auto key = static_cast<int32_t>(message.wParam);
  const int32_t modifiers = Modifiers(message.wParam);
  const Control* c = native != nullptr ? &native->model() : nullptr;
  if (TakeWindowKey(*application_, c != nullptr ? c->id : 0, key, modifiers,
                    [this](ControlId target) { FocusControl(target); }))
    return true;
  if (c == nullptr)
    return false;
  const std::optional<bool> goes_on = application_->KeyDown(c->id, key, modifiers);
  if (goes_on.has_value() && !*goes_on)
    return true;
  // A key the control has no use for stops here, as on the Linux window.
  return !ControlUsesKey(*c, key);
}

void Win32FrontEnd::FocusControl(ControlId id) {
  NativeControl* target = Native(id);
  if (target == nullptr)
    return;
  FocusWithoutClick(target->hwnd());
  target->Focused();
}

void Win32FrontEnd::FocusWithoutClick(HWND hwnd) {
  moving_focus_ = true;
  SetFocus(hwnd);
  moving_focus_ = false;
}

void Win32FrontEnd::ReportFocusChange() {
  if (application_ == nullptr || window_ == nullptr)
    return;
  HWND focus = GetFocus();
  if (focus == last_focus_)
    return;
  NativeControl* lost = ControlOfWindow(last_focus_);
  NativeControl* got = ControlOfWindow(focus);
  last_focus_ = focus;
  DismissPaletteIfFocusLeft(focus);  // the pop-up belongs to its picker
  if (lost == got)
    return;
  if (lost != nullptr)
    application_->Focus(lost->model().id, false);
  if (got != nullptr)
    application_->Focus(got->model().id, true);
}

HBRUSH Win32FrontEnd::Brush(COLORREF colour) {
  auto found = brushes_.find(colour);
  if (found != brushes_.end())
    return found->second;
  HBRUSH brush = CreateSolidBrush(colour);
  brushes_[colour] = brush;
  return brush;
}

LRESULT CALLBACK Win32FrontEnd::WindowProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lparam);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* self = reinterpret_cast<Win32FrontEnd*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (self == nullptr)
    return DefWindowProcW(hwnd, message, wparam, lparam);
  return self->Handle(hwnd, message, wparam, lparam);
}

LRESULT Win32FrontEnd::Handle(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_ERASEBKGND: {
      RECT client;
      GetClientRect(hwnd, &client);
      PaintBackground(reinterpret_cast<HDC>(wparam), client);
      return 1;
    }
    case kPaintBackgroundMessage:
      PaintBackground(reinterpret_cast<HDC>(wparam), *reinterpret_cast<const RECT*>(lparam));
      return 1;
    // What a control reports goes to the control, which answers it; a group box's
    // members report through their box, which hands the notice on to here.
    case WM_COMMAND:
      if (lparam != 0 && application_ != nullptr) {
        if (NativeControl* native = FromWindow(reinterpret_cast<HWND>(lparam)))
          native->OnCommand(HIWORD(wparam));
      }
      return 0;
    case WM_HSCROLL:
    case WM_VSCROLL:
      if (lparam != 0 && application_ != nullptr) {
        if (NativeControl* native = FromWindow(reinterpret_cast<HWND>(lparam)))
          native->OnScroll(LOWORD(wparam));
      }
      return 0;
    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lparam);
      NativeControl* native = FromWindow(item->hwndItem);
      if (native == nullptr)
        break;
      native->OnDrawItem(*item);
      return TRUE;
    }
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX:
      if (NativeControl* native = FromWindow(reinterpret_cast<HWND>(lparam)))
        return native->OnColour(reinterpret_cast<HDC>(wparam));
      break;
    case WM_TIMER: {
      auto found = timers_by_id_.find(wparam);
      if (found != timers_by_id_.end() && application_ != nullptr)
        application_->TimerTick(found->second);
      return 0;
    }
    case WM_ACTIVATE:
      // The focus comes back to the control that had it when the window was left.
      if (LOWORD(wparam) == WA_INACTIVE) {
        DismissPalette();
        HWND focus = GetFocus();
        if (focus != nullptr && IsChild(hwnd, focus))
          focus_to_restore_ = focus;
      } else if (focus_to_restore_ != nullptr && model_ != nullptr) {
        const NativeControl* had = ControlOfWindow(focus_to_restore_);
        FocusControl(FocusAfterDialog(*model_, had != nullptr ? had->model().id : 0));
        return 0;
      }
      break;
    case WM_DPICHANGED: {
      // Moved to a monitor with another scale: the system suggests where the window goes,
      // and the layout is drawn anew at the new scale, never stretched.
      const auto* suggested = reinterpret_cast<const RECT*>(lparam);
      SetWindowPos(hwnd, nullptr, suggested->left, suggested->top,
                   suggested->right - suggested->left, suggested->bottom - suggested->top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
      if (model_ != nullptr)
        Rescale(HIWORD(wparam) / 96.0);
      return 0;
    }
    case WM_HOTKEY:
      if (hotkey_heard_ && IsWindowEnabled(hwnd))
        hotkey_heard_(static_cast<int>(wparam));
      return 0;
    case WM_CLOSE:
      DestroyWindow(hwnd);
      return 0;
    case kRunQueuedMessage:
      // Also delivered by a message box's own loop while one is open.
      if (application_ != nullptr)
        application_->RunQueued();
      return 0;
    case WM_DESTROY:
      wake_target_.store(nullptr);
      if (application_ != nullptr)
        application_->WindowClosed();
      window_ = nullptr;
      PostQuitMessage(0);
      return 0;
    default:
      break;
  }
  return DefWindowProcW(hwnd, message, wparam, lparam);
}
