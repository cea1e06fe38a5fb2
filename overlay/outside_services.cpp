#include "overlay/outside_services.h"

#include "services/control_host.h"
#include "services/message_services.h"

OutsideServices::OutsideServices(const ProgramSwitches& switches, Application& application,
                                 std::vector<std::string>& problems)
    : application_(application) {
  const auto overlay_dir = switches.overlay_dir();
  if (!overlay_dir || !application.window_exists())
    return;
  feed_ = std::make_unique<BoardFeed>(board_);
  feed_->PublishNow(application.model());
  files_ = std::make_unique<OverlayFiles>(*overlay_dir, board_);
  // The first files are written before the window answers the host, so a folder that
  // refuses is told with the other start-up problems.
  if (auto problem = files_->WriteNow())
    problems.push_back(*problem);
  files_->StartWriting();
  application.Watch(this);
}

OutsideServices::~OutsideServices() {
  if (feed_ == nullptr)
    return;
  application_.Watch(nullptr);
  board_.Close();
  files_.reset();  // joins the writer after it wrote the newest snapshot
}

bool OutsideServices::Watches(ControlId control) const {
  return feed_->Watches(control);
}

void OutsideServices::Settled(const ControlModel& model) {
  feed_->Settled(model);
  if (telling_)
    return;  // the message below is showing; its own timer ticks must not show it again
  if (auto failure = files_->TakeFailureToShow()) {
    telling_ = true;
    TheControlHost().MessageBox(TextFromUtf8(*failure), Gb("计分板"),
                                message_flags::kIconError | message_flags::kTaskModal);
    telling_ = false;
  }
}
