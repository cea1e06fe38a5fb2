#include "platform/win32/win32_front_end.h"

#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <string>

#include "platform/win32/pictures_win32.h"
#include "platform/win32/wide.h"
#include "services/fatal_error.h"
#include "shell/application.h"
#include "shell/keyboard.h"
#include "shell/shutdown.h"

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

bool IsPictureButton(const Control& c) {
  return c.kind == Kind::Button && c.entry != nullptr && c.entry->own.picture != nullptr;
}

}  // namespace

Win32FrontEnd::Win32FrontEnd() = default;

Win32FrontEnd::~Win32FrontEnd() {
  for (auto& native : controls_) {
    if (native->font != nullptr)
      DeleteObject(native->font);
  }
  for (auto& [colour, brush] : brushes_) DeleteObject(brush);
  if (background_cache_ != nullptr)
    DeleteObject(background_cache_);
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
  const Rect& outer = model.window().outer;
  const int left = (GetSystemMetrics(SM_CXSCREEN) - outer.width) / 2;
  const int top = (GetSystemMetrics(SM_CYSCREEN) - outer.height) / 2;
  window_ = CreateWindowExW(WS_EX_APPWINDOW, kWindowClass, Wide(model.title()).c_str(), style, left,
                            top, outer.width, outer.height, nullptr, nullptr, instance, this);
  if (window_ == nullptr)
    FatalRuntimeError(std::nullopt, Gb("载入启动窗口失败"));
  SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
               FALSE);
  MakeBackground();
  CreateControls();
  FixStacking();
  for (auto& native : controls_) {
    if (native->hwnd != nullptr)
      ShowWindow(native->hwnd, native->model->visible ? SW_SHOWNA : SW_HIDE);
  }
  SetWindowPos(window_, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  ShowWindow(window_, SW_SHOW);
  UpdateWindow(window_);
}

void Win32FrontEnd::CreateControls() {
  const auto& controls = model_->controls();
  controls_.clear();
  for (const Control& c : controls) {
    auto native = std::make_unique<NativeControl>();
    native->model = &c;
    controls_.push_back(std::move(native));
  }
  // Last catalogue entry first, each a hidden child of the window.
  for (size_t i = controls_.size(); i-- > 0;) {
    NativeControl& native = *controls_[i];
    const Control& c = *native.model;
    HWND hwnd = nullptr;
    switch (c.kind) {
      case Kind::EditBox:
        hwnd = CreateEditBox(c, window_, native);
        break;
      case Kind::Button:
      case Kind::RadioBox:
      case Kind::GroupBox:
      case Kind::SuperBtn:
      case Kind::ColorPicker:
        hwnd = CreateButtonKind(c, window_, native);
        break;
      case Kind::Label:
      case Kind::TransLabel:
        hwnd = CreateLabelKind(c, window_, native);
        break;
      case Kind::ComboBox:
      case Kind::ListBox:
        hwnd = CreateListKind(c, window_);
        break;
      case Kind::ProcessBar:
      case Kind::SliderBar:
        hwnd = CreateBarKind(c, window_);
        break;
      default:
        continue;  // timers and the common dialog have no window
    }
    if (hwnd == nullptr)
      FatalRuntimeError(std::nullopt, Gb("载入启动窗口失败"));
    native.hwnd = hwnd;
    native.font = MakeFont(c.font);
    SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(FontOf(native)), FALSE);
    by_window_[hwnd] = &native;
    by_id_[c.id] = &native;
  }
  // Group box members move into their box; their stored places are relative to it.
  for (auto& native : controls_) {
    if (native->hwnd == nullptr || native->model->parent == 0)
      continue;
    if (NativeControl* group = Native(native->model->parent))
      SetParent(native->hwnd, group->hwnd);
  }
}

void Win32FrontEnd::FixStacking() {
  // Among siblings, earlier catalogue entries lie on top.
  std::map<ControlId, HWND> lowest;
  for (auto& native : controls_) {
    if (native->hwnd == nullptr)
      continue;
    auto found = lowest.find(native->model->parent);
    const HWND above = found == lowest.end() ? HWND_TOP : found->second;
    SetWindowPos(native->hwnd, above, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    lowest[native->model->parent] = native->hwnd;
  }
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
  NativeControl* native = Native(control);
  if (native == nullptr || native->hwnd == nullptr)
    return;
  const Control& c = *native->model;
  HWND hwnd = native->hwnd;
  switch (aspect) {
    case Aspect::Visible:
      ShowWindow(hwnd, c.visible ? SW_SHOWNA : SW_HIDE);
      break;
    case Aspect::Disabled:
      EnableWindow(hwnd, c.disabled ? FALSE : TRUE);
      if (c.kind == Kind::TransLabel)
        InvalidateRect(hwnd, nullptr, FALSE);
      break;
    case Aspect::Caption:
      if (c.kind == Kind::EditBox) {
        // A program write: the core raises content changed itself, once.
        native->muted = true;
        SetWindowTextW(hwnd, Wide(c.text).c_str());
        native->muted = false;
      } else {
        const std::wstring caption = Wide(c.text);
        if (ShowsText(hwnd, caption))
          break;
        SetWindowTextW(hwnd, caption.c_str());
        if (c.kind == Kind::TransLabel)
          RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        else if (c.kind == Kind::SuperBtn)
          InvalidateRect(hwnd, nullptr, FALSE);
      }
      break;
    case Aspect::TextColour:
    case Aspect::PickedColour:
      InvalidateRect(hwnd, nullptr, TRUE);
      break;
    case Aspect::Font: {
      HFONT old = native->font;
      native->font = MakeFont(c.font);
      SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(FontOf(*native)), TRUE);
      if (old != nullptr)
        DeleteObject(old);
      break;
    }
    case Aspect::Geometry:
      SetWindowPos(hwnd, nullptr, c.rect.left, c.rect.top, c.rect.width, c.rect.height,
                   SWP_NOZORDER | SWP_NOACTIVATE);
      break;
    case Aspect::Selection:
      if (c.kind == Kind::ComboBox)
        SendMessageW(hwnd, CB_SETCURSEL, static_cast<WPARAM>(c.selection), 0);
      else if (c.kind == Kind::ListBox)
        SendMessageW(hwnd, LB_SETCURSEL, static_cast<WPARAM>(c.selection), 0);
      break;
    case Aspect::Position:
      if (c.kind == Kind::ProcessBar) {
        // Stored as written; drawn limited to the bar's range.
        const int shown = std::clamp(c.position, c.minimum, std::max(c.minimum, c.maximum));
        SendMessageW(hwnd, PBM_SETPOS, static_cast<WPARAM>(shown), 0);
      } else if (c.kind == Kind::SliderBar) {
        SendMessageW(hwnd, TBM_SETPOS, TRUE, c.position);
      }
      break;
    case Aspect::Checked:
      SendMessageW(hwnd, BM_SETCHECK, c.checked ? BST_CHECKED : BST_UNCHECKED, 0);
      break;
  }
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
  const Control* c = native != nullptr ? native->model : nullptr;
  const WindowKey window_key = PreTranslateKey(*model_, c != nullptr ? c->id : 0, key, modifiers);
  switch (window_key.action) {
    case WindowKey::Action::MoveFocus:
      FocusControl(window_key.target);
      return true;
    case WindowKey::Action::Choose:
      FocusControl(window_key.target);
      application_->Click(window_key.target);
      return true;
    case WindowKey::Action::UsedUp:
      return true;
    case WindowKey::Action::ToControl:
      break;
  }
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
  if (target == nullptr || target->hwnd == nullptr)
    return;
  FocusWithoutClick(target->hwnd);
  if (target->model->kind == Kind::EditBox)
    SendMessageW(target->hwnd, EM_SETSEL, 0, -1);
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
    application_->Focus(lost->model->id, false);
  if (got != nullptr)
    application_->Focus(got->model->id, true);
}

HBRUSH Win32FrontEnd::Brush(COLORREF colour) {
  auto found = brushes_.find(colour);
  if (found != brushes_.end())
    return found->second;
  HBRUSH brush = CreateSolidBrush(colour);
  brushes_[colour] = brush;
  return brush;
}

LRESULT Win32FrontEnd::ControlColour(HDC dc, const NativeControl& native) {
  const Control& c = *native.model;
  const COLORREF back = ShownColour(c.back_colour, COLOR_BTNFACE);
  SetTextColor(dc, ShownColour(c.text_colour, COLOR_WINDOWTEXT));
  SetBkColor(dc, back);
  return reinterpret_cast<LRESULT>(Brush(back));
}

void Win32FrontEnd::Command(NativeControl& native, UINT code) {
  const Control& c = *native.model;
  switch (c.kind) {
    case Kind::Button:
    case Kind::SuperBtn:
      if (code == BN_CLICKED)
        application_->Click(c.id);
      break;
    case Kind::RadioBox:
      // A radio box reports a click when it merely gets the focus (a platform habit);
      // focus moves of our own are no choice of the user's.
      if (code == BN_CLICKED && !moving_focus_)
        application_->Click(c.id);
      break;
    case Kind::ColorPicker:
      if (code == BN_CLICKED && model_->TakesInput(c)) {
        const ControlId id = c.id;
        OpenPalette(native.hwnd, window_, c.picked_colour,
                    [this, id](Colour colour) { application_->Pick(id, colour); });
      }
      break;
    case Kind::EditBox:
      if (code == EN_CHANGE && !native.muted) {
        const int length = GetWindowTextLengthW(native.hwnd);
        std::wstring text(static_cast<size_t>(length) + 1, L'\0');
        const int got = GetWindowTextW(native.hwnd, text.data(), length + 1);
        text.resize(static_cast<size_t>(std::max(got, 0)));
        application_->Edited(c.id, TextFromWide(text));
      }
      break;
    case Kind::ComboBox:
      if (code == CBN_SELCHANGE) {
        const auto index = static_cast<int32_t>(SendMessageW(native.hwnd, CB_GETCURSEL, 0, 0));
        application_->Select(c.id, index);
      }
      break;
    case Kind::ListBox:
      if (code == LBN_SELCHANGE) {
        const auto index = static_cast<int32_t>(SendMessageW(native.hwnd, LB_GETCURSEL, 0, 0));
        application_->Select(c.id, index);
      }
      break;
    default:
      break;
  }
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
    case WM_COMMAND:
      if (lparam != 0 && application_ != nullptr) {
        if (NativeControl* native = FromWindow(reinterpret_cast<HWND>(lparam)))
          Command(*native, HIWORD(wparam));
      }
      return 0;
    case WM_HSCROLL:
    case WM_VSCROLL:
      if (lparam != 0 && application_ != nullptr && LOWORD(wparam) != TB_ENDTRACK) {
        NativeControl* native = FromWindow(reinterpret_cast<HWND>(lparam));
        if (native != nullptr && native->model->kind == Kind::SliderBar) {
          const auto position = static_cast<int32_t>(SendMessageW(native->hwnd, TBM_GETPOS, 0, 0));
          application_->Slide(native->model->id, position);
        }
      }
      return 0;
    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lparam);
      NativeControl* native = FromWindow(item->hwndItem);
      if (native == nullptr)
        break;
      if (native->model->kind == Kind::SuperBtn)
        DrawSuperButton(*native, *item);
      else if (native->model->kind == Kind::ColorPicker)
        DrawPickerButton(*native, *item);
      else if (IsPictureButton(*native->model))
        DrawPictureButton(*native, *item);
      return TRUE;
    }
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX:
      if (NativeControl* native = FromWindow(reinterpret_cast<HWND>(lparam)))
        return ControlColour(reinterpret_cast<HDC>(wparam), *native);
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
        FocusControl(FocusAfterDialog(*model_, had != nullptr ? had->model->id : 0));
        return 0;
      }
      break;
    case WM_CLOSE:
      DestroyWindow(hwnd);
      return 0;
    case WM_DESTROY:
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
