#pragma once
// The program from start to end, and the one door through which a front end reports
// what the user did. The same start-up serves the window and the headless driver.
#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>
#include <utility>

#include "services/platform_paths.h"
#include "shell/action_listener.h"
#include "shell/front_end.h"
#include "shell/program_host.h"
#include "shell/runtime.h"
#include "shell/work_queue.h"

// Modifier state of a key-down event.
namespace modifier {
inline constexpr int32_t kCtrl = 1;
inline constexpr int32_t kShift = 2;
inline constexpr int32_t kAlt = 4;
}  // namespace modifier

// Virtual-key codes the pre-translation cares about.
namespace vk {
inline constexpr int32_t kTab = 0x09;
inline constexpr int32_t kEnter = 0x0D;
inline constexpr int32_t kEscape = 0x1B;
inline constexpr int32_t kNumpad0 = 0x60;
inline constexpr int32_t kNumpad9 = 0x69;
inline constexpr int32_t kSubtract = 0x6D;
inline constexpr int32_t kDecimal = 0x6E;
inline constexpr int32_t kDivide = 0x6F;
}  // namespace vk

// Keypad digits report as the main digits, keypad "-" "." "/" as 189, 190, 191.
int32_t ReportedKeyCode(int32_t virtual_key);

class Application {
 public:
  explicit Application(FrontEnd& front_end);
  ~Application();
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  // Start-up steps up to the loaded window: run directory, catalogue, window, created.
  // The run directory is the platform's own path (bytes on Linux, UTF-16 on Windows).
  // An absent run directory starts the board all the same; its saves then fail and say so.
  void Start(const std::optional<NativePath>& run_directory);
  // Runs the message loop and answers the exit code (0 when the window was closed).
  int Run();

  ControlModel& model() { return *runtime_.model; }
  bool window_exists() const { return runtime_.model != nullptr; }

  // What the user did. Each answers false when the control takes no input (hidden,
  // disabled) and nothing happened.
  bool Click(ControlId control);
  // The user's edit left this text in the box (the front end's widget already shows it).
  // Taken whole: a long team line is not copied again for every key.
  bool Edited(ControlId box, Text text);
  // The user replaces the whole text, as typing would (input mode honoured).
  bool Type(ControlId box, std::string_view text);
  // A key down through the keyboard pre-translation. Answers whether the key goes on
  // to the control; nullopt when the control takes no input.
  std::optional<bool> KeyDown(ControlId control, int32_t virtual_key, int32_t modifiers);
  bool Select(ControlId combo, int32_t index);
  bool Slide(ControlId slider, int32_t position);
  bool Pick(ControlId picker, Colour colour);
  void Focus(ControlId control, bool got);
  // The front end woke for this timer: every tick due by now runs.
  void TimerTick(ControlId timer);
  // Runs the ticks due by now without a wake, so that the board is as every tick would
  // have left it (the headless driver before it reports anything).
  void CatchUpTimers();
  // The timers wake at every tick, as their periods alone would (for comparison).
  void WakeAtEveryTick(bool on) { host_.timers().WakeAtEveryTick(on); }
  int64_t timer_wakes() const { return host_.timers().wakes(); }
  // The user closed the window: timers stop, the window is gone, shutdown runs.
  void WindowClosed();

  // Who follows the board from outside (nullptr: nobody, as without any switch). It hears
  // once after each event from outside that changed a control it watches.
  void Watch(ChangeWatcher* watcher);
  // Work for the user-interface thread from any other (FrontEnd::WakeFromAnyThread tells
  // the front end to call RunQueued).
  WorkQueue& queue() { return queue_; }
  // The front end on its own thread, when woken (and the headless driver when it likes).
  void RunQueued() { queue_.RunQueued(); }
  // Told on the user-interface thread when a message box opens (true) and when it closed
  // (false); nullptr: nobody.
  void WatchMessageBoxes(std::function<void(bool opening)> watch) {
    runtime_.message_box_watch = std::move(watch);
  }
  // Who keeps the host's actions (nullptr: nobody). It hears each action the board took,
  // after it ran; focus changes and timer ticks are not actions (no rule hears focus, and
  // the ticks follow from the time of each action).
  void Listen(ActionListener* listener) { listener_ = listener; }

  // Makes what follows, until the answer goes out of scope, one event from outside the
  // board: the replay driver's direct property writes.
  [[nodiscard]] TopLevelEvent OutsideEvent() { return TopLevelEvent(runtime_); }

 private:
  void LoadWindow();
  Control* Interactive(ControlId id);

  void Tell(HostAction::Kind kind, ControlId control, int32_t value = 0, int32_t modifiers = 0,
            const Text* text = nullptr, std::string_view typed = {}) {
    if (listener_ != nullptr)
      listener_->Heard(HostAction{kind, control, text, typed, value, modifiers});
  }

  Runtime runtime_;
  ProgramHost host_{runtime_};
  WorkQueue queue_;
  ActionListener* listener_ = nullptr;
};
