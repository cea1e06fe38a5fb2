#include "shell/application.h"

#include <algorithm>

#include "services/fatal_error.h"
#include "services/file_services.h"
#include "services/property_model.h"
#include "shell/catalogue.h"
#include "shell/dispatcher.h"
#include "shell/shutdown.h"

int32_t ReportedKeyCode(int32_t virtual_key) {
  if (virtual_key >= vk::kNumpad0 && virtual_key <= vk::kNumpad9)
    return '0' + (virtual_key - vk::kNumpad0);
  if (virtual_key == vk::kSubtract)
    return 189;
  if (virtual_key == vk::kDecimal)
    return 190;
  if (virtual_key == vk::kDivide)
    return 191;
  return virtual_key;
}

Application::Application(FrontEnd& front_end)
    : queue_([&front_end] { front_end.WakeFromAnyThread(); }) {
  runtime_.front_end = &front_end;
  InstallRuntime(&runtime_);
  InstallControlHost(&host_);
  InstallFatalErrorReporter(&ShowFatalErrorAndShutDown);
}

Application::~Application() {
  queue_.Close();
  RunShutdown();
  InstallFatalErrorReporter(nullptr);
  InstallControlHost(nullptr);
  InstallRuntime(nullptr);
}

void Application::Start(const std::optional<NativePath>& run_directory) {
  PrepareProcessForFiles();
  FixRunDirectory(run_directory);
  if (MainCatalogue().empty())
    FatalRuntimeError(std::nullopt, Gb("载入窗口模板数据段出错!"));
  // The program's own initialisation step and exit routine are empty.
  LoadWindow();
}

void Application::LoadWindow() {
  TopLevelEvent event(runtime_);
  if (runtime_.model != nullptr)
    return;  // the window exists already
  {
    SuspendEvents quiet;
    runtime_.model = std::make_unique<ControlModel>(MainWindowSpec(), MainCatalogue());
    for (Control& c : runtime_.model->controls()) {
      c.timer_running = c.kind == Kind::Timer && c.interval > 0;
    }
    runtime_.front_end->CreateWindow(*runtime_.model);
    runtime_.model->window_shown = true;
    for (const Control& c : runtime_.model->controls()) {
      if (c.timer_running)
        host_.timers().Start(c, c.interval);
    }
  }
  RaiseWindowEvent(event::kCreated);
  if (runtime_.model != nullptr)
    RaiseWindowEvent(event::kWindowEvent3);
  if (runtime_.model != nullptr)
    RaiseWindowEvent(event::kWindowEvent4);
}

int Application::Run() {
  runtime_.message_loop_started = true;
  if (runtime_.model != nullptr)
    runtime_.front_end->RunMessageLoop();
  RunShutdown();
  return 0;
}

Control* Application::Interactive(ControlId id) {
  if (runtime_.model == nullptr || runtime_.shut_down)
    return nullptr;
  // Whatever the user does meets the board as every tick so far has left it.
  host_.timers().CatchUp();
  if (runtime_.model == nullptr || runtime_.shut_down)
    return nullptr;
  if (listener_ != nullptr)
    listener_->Starting();
  Control* c = runtime_.model->Find(id);
  if (c == nullptr || !runtime_.model->TakesInput(*c))
    return nullptr;
  return c;
}

bool Application::Click(ControlId id) {
  TopLevelEvent event(runtime_);
  Control* c = Interactive(id);
  if (c == nullptr)
    return false;
  if (c->kind == Kind::RadioBox) {
    // A radio box checks itself and clears the others of its group.
    for (Control& other : runtime_.model->controls()) {
      if (other.kind == Kind::RadioBox && other.parent == c->parent && other.checked &&
          other.id != c->id) {
        other.checked = false;
        host_.Changed(other, Aspect::Checked);
      }
    }
    c->checked = true;
    host_.Changed(*c, Aspect::Checked);
  }
  RaiseEvent(kMainWindow, id, event::kClicked);
  Tell(HostAction::Kind::kClick, id);
  return true;
}

bool Application::Edited(ControlId id, Text text) {
  TopLevelEvent event(runtime_);
  Control* c = Interactive(id);
  if (c == nullptr || c->kind != Kind::EditBox)
    return false;
  if (c->entry->own.input == InputMode::ReadOnly)
    return false;
  // The journal keeps the text as the host left it, before any rule rewrites it; the
  // copy is made only when someone keeps the actions.
  const std::optional<Text> kept = listener_ != nullptr ? std::optional<Text>(text) : std::nullopt;
  c->text = std::move(text);
  runtime_.Noticed(*c);
  RaiseEvent(kMainWindow, id, event::kContentChanged);
  if (kept)
    Tell(HostAction::Kind::kEdited, id, 0, 0, &*kept);
  return true;
}

bool Application::Type(ControlId id, std::string_view text) {
  TopLevelEvent event(runtime_);
  Control* c = Interactive(id);
  if (c == nullptr || c->kind != Kind::EditBox)
    return false;
  if (c->entry->own.input == InputMode::ReadOnly)
    return false;
  c->text = FilterTyped(*c, text);
  host_.Changed(*c, Aspect::Caption);
  RaiseEvent(kMainWindow, id, event::kContentChanged);
  Tell(HostAction::Kind::kType, id, 0, 0, nullptr, text);
  return true;
}

std::optional<bool> Application::KeyDown(ControlId id, int32_t virtual_key, int32_t modifiers) {
  TopLevelEvent event(runtime_);
  Control* c = Interactive(id);
  if (c == nullptr)
    return std::nullopt;
  const HandlerResult answer =
      RaiseEvent(kMainWindow, id, event::kKeyDown, {ReportedKeyCode(virtual_key), modifiers});
  Tell(HostAction::Kind::kKeyDown, id, virtual_key, modifiers);
  return !(answer.has_value() && *answer == 0);
}

bool Application::Select(ControlId id, int32_t index) {
  TopLevelEvent event(runtime_);
  Control* c = Interactive(id);
  if (c == nullptr || !KindHas(c->kind, Meaning::Selection))
    return false;
  c->selection = index >= 0 && index < static_cast<int32_t>(c->items.size()) ? index : -1;
  host_.Changed(*c, Aspect::Selection);
  RaiseEvent(kMainWindow, id, event::kSelectionChanged);
  Tell(HostAction::Kind::kSelect, id, index);
  return true;
}

bool Application::Slide(ControlId id, int32_t position) {
  TopLevelEvent event(runtime_);
  Control* c = Interactive(id);
  if (c == nullptr || c->kind != Kind::SliderBar)
    return false;
  c->position = std::clamp(position, c->minimum, std::max(c->minimum, c->maximum));
  host_.Changed(*c, Aspect::Position);
  RaiseEvent(kMainWindow, id, event::kPositionChanged);
  Tell(HostAction::Kind::kSlide, id, position);
  return true;
}

bool Application::Pick(ControlId id, Colour colour) {
  TopLevelEvent event(runtime_);
  Control* c = Interactive(id);
  if (c == nullptr || c->kind != Kind::ColorPicker)
    return false;
  c->picked_colour = colour & 0x00FFFFFFu;
  host_.Changed(*c, Aspect::PickedColour);
  RaiseEvent(kMainWindow, id, event::kColourChanged);
  Tell(HostAction::Kind::kPick, id, static_cast<int32_t>(colour));
  return true;
}

void Application::Focus(ControlId id, bool got) {
  TopLevelEvent event(runtime_);
  if (Interactive(id) == nullptr)
    return;
  RaiseEvent(kMainWindow, id, got ? event::kGotFocus : event::kLostFocus);
}

void Application::TimerTick(ControlId id) {
  TopLevelEvent event(runtime_);
  if (runtime_.model == nullptr || runtime_.shut_down)
    return;
  host_.timers().Woke(id);
  host_.timers().CatchUp();
}

void Application::CatchUpTimers() {
  TopLevelEvent event(runtime_);
  if (runtime_.model == nullptr || runtime_.shut_down)
    return;
  host_.timers().CatchUp();
}

void Application::WindowClosed() {
  TopLevelEvent event(runtime_);
  if (runtime_.model == nullptr)
    return;
  host_.timers().StopAll();
  for (Control& c : runtime_.model->controls()) c.timer_running = false;
  RunShutdown();
}

void Application::Watch(ChangeWatcher* watcher) {
  runtime_.InstallWatcher(watcher);
}
