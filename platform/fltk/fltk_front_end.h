#pragma once
// The Linux window on FLTK 1.3: mirrors the control model on screen and reports what
// the user does to the Application. Texts cross this edge as UTF-8.
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/fltk/control_view.h"
#include "platform/fltk/main_window.h"
#include "platform/fltk/screen_picture.h"
#include "platform/fltk/test_dump.h"
#include "shell/front_end.h"

class Application;

class FltkFrontEnd : public FrontEnd, public ViewOwner {
 public:
  FltkFrontEnd();
  ~FltkFrontEnd() override;

  void Attach(Application& application) { application_ = &application; }
  Application& app() const override { return *application_; }
  const ControlModel& model() const override { return *model_; }
  MainWindow* window() const { return window_; }

  void CreateWindow(const ControlModel& model) override;
  void Changed(ControlId control, Aspect aspect) override;
  void StartTimer(ControlId timer, int32_t period_ms) override;
  void StopTimer(ControlId timer) override;
  int32_t MessageBox(const Text& text, const Text& caption, uint32_t flags) override;
  bool LaunchProgram(const Text& command_line, int32_t show_window, bool wait) override;
  void ShowFatalError(const Text& text) override;
  void WakeFromAnyThread() override;
  void RunMessageLoop() override;

  // What the window and the widgets ask of it.
  const ScreenPicture* Picture(const char* name, bool greyed) override;
  void DrawBackground(int x, int y, int w, int h) override;
  void FocusControl(ControlId id) override;
  void CloseWindow() override;

  // The control whose widget has the keyboard; 0 for none.
  ControlId FocusedControl() const;

 private:
  struct TimerSlot {
    FltkFrontEnd* owner = nullptr;
    ControlId id = 0;
    double period_s = 0;
    bool running = false;
  };
  static void Tick(void* slot);
  static void RunQueuedWork(void* front_end);
  ControlView* ViewOf(ControlId id) const;
  // The test dump's screen lines for a control: its widget's rectangle and its caption's
  // drawn width, in screen pixels.
  std::string ScreenLines(const Control& c) const;
  void FillBackground();

  Application* application_ = nullptr;
  const ControlModel* model_ = nullptr;
  MainWindow* window_ = nullptr;
  std::map<ControlId, ControlView*> views_;  // the widgets belong to the window
  std::map<ControlId, TimerSlot> timers_;    // nodes stay put while FLTK holds them
  std::map<std::pair<std::string, bool>, ScreenPicture> pictures_;  // by name, greyed
  TestDump test_dump_;
  ScreenPicture background_;  // stretched over the client area
  bool background_tried_ = false;
};
