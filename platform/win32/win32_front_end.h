#pragma once
// The Windows front end: the window and its native controls mirror the ControlModel,
// and every user action goes to the Application.
#include <windows.h>
// The interface's own names, not the platform's A/W macros.
#undef CreateWindow
#undef MessageBox

#include <atomic>
#include <functional>
#include <map>
#include <memory>
#include <unordered_map>
#include <vector>

#include "platform/win32/native_control.h"
#include "shell/front_end.h"

class Application;
struct PictureDib;

class Win32FrontEnd : public FrontEnd, public NativeControlOwner {
 public:
  Win32FrontEnd();
  ~Win32FrontEnd() override;
  Win32FrontEnd(const Win32FrontEnd&) = delete;
  Win32FrontEnd& operator=(const Win32FrontEnd&) = delete;

  void Attach(Application& application) { application_ = &application; }
  // The native windows, for the Windows-side checks.
  HWND main_window() const override { return window_; }
  HWND WindowOf(ControlId id) const {
    auto found = by_id_.find(id);
    return found == by_id_.end() ? nullptr : found->second->hwnd();
  }

  // What the controls ask of the window that holds them.
  Application& app() const override { return *application_; }
  const ControlModel& model() const override { return *model_; }
  // A solid brush of the colour, kept until the window goes.
  HBRUSH Brush(COLORREF colour) override;
  // The focus is being moved by the program (the window's keys, a closed dialog), not
  // by the user.
  bool moving_focus() const override { return moving_focus_; }
  // The display's scale the window is drawn at: its monitor's dpi / 96, exactly (Windows
  // offers scales in steps of 25 %, so no rounding is needed).
  double scale() const { return scale_; }
  // The client area the catalogue's window leaves at 96 dpi, which the window's client
  // area is at the display's scale.
  Rect CatalogueClient() const { return catalogue_client_; }

  void CreateWindow(const ControlModel& model) override;
  void Changed(ControlId control, Aspect aspect) override;
  void StartTimer(ControlId timer, int32_t period_ms) override;
  void StopTimer(ControlId timer) override;
  int32_t MessageBox(const Text& text, const Text& caption, uint32_t flags) override;
  bool LaunchProgram(const Text& command_line, int32_t show_window, bool wait) override;
  void ShowFatalError(const Text& text) override;
  void WakeFromAnyThread() override;
  void RunMessageLoop() override;
  // Takes every message already waiting through the same path as the message loop
  // (keyboard pre-translation included), then returns; for the Windows-side checks.
  void DeliverWaitingMessages();
  // Who hears the window's WM_HOTKEY (its id), while the window takes the user's clicks:
  // not while a message box holds the program.
  void OnHotkey(std::function<void(int)> heard) { hotkey_heard_ = std::move(heard); }

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT Handle(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);

  void CreateControls();
  void FixStacking();
  // Sizes the window so that its client area is the catalogue's at the display's scale.
  void FitClientArea();
  // The display's scale changed (the window went to a monitor with another scale):
  // every control, font and picture is made anew at it.
  void Rescale(double scale);
  void MakeBackground();
  void PaintBackground(HDC dc, const RECT& area);

  NativeControl* FromWindow(HWND hwnd);
  NativeControl* Native(ControlId id);
  // The control that owns a window (a combo box's inner parts included).
  NativeControl* ControlOfWindow(HWND hwnd);

  void Deliver(const MSG& message);
  // Keyboard pre-translation; true when the message was consumed or dropped.
  bool PreTranslate(const MSG& message);
  // Gives a control the focus, as the window's own keys and closed dialogs do.
  void FocusControl(ControlId id);
  void ReportFocusChange();
  void FocusWithoutClick(HWND hwnd);

  Application* application_ = nullptr;
  const ControlModel* model_ = nullptr;
  HWND window_ = nullptr;
  // The main window as other threads see it (null before it exists and after it is gone).
  std::atomic<HWND> wake_target_{nullptr};
  std::vector<std::unique_ptr<NativeControl>> controls_;  // catalogue order
  std::unordered_map<HWND, NativeControl*> by_window_;
  std::unordered_map<ControlId, NativeControl*> by_id_;
  std::map<ControlId, UINT_PTR> timer_ids_;
  std::map<UINT_PTR, ControlId> timers_by_id_;
  std::map<COLORREF, HBRUSH> brushes_;
  const PictureDib* background_ = nullptr;
  HBITMAP background_cache_ = nullptr;  // the picture stretched to the client area
  double scale_ = 1.0;
  Rect catalogue_client_{};
  HFONT gui_font_ = nullptr;  // the system's GUI font at the display's scale
  HWND last_focus_ = nullptr;
  HWND focus_to_restore_ = nullptr;
  bool moving_focus_ = false;  // SetFocus of our own: a radio box's click is not the user's
  std::function<void(int)> hotkey_heard_;
};
