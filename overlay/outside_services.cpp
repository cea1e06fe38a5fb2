#include "overlay/outside_services.h"

#include "overlay/remote_control_file.h"
#include "services/control_host.h"
#include "services/file_services.h"
#include "services/message_services.h"

OutsideServices::OutsideServices(const ProgramSwitches& switches, Application& application,
                                 std::vector<std::string>& problems)
    : application_(application) {
  const auto overlay_dir = switches.overlay_dir();
  const auto serve = switches.serve();
  if ((!overlay_dir && !serve) || !application.window_exists())
    return;
  feed_ = std::make_unique<BoardFeed>(board_);
  feed_->PublishNow(application.model());
  if (overlay_dir) {
    files_ = std::make_unique<OverlayFiles>(*overlay_dir, board_);
    // The first files are written before the window answers the host, so a folder that
    // refuses is told with the other start-up problems.
    if (auto problem = files_->WriteNow())
      problems.push_back(*problem);
    files_->StartWriting();
  }
  if (serve)
    StartServer(*serve, problems);
  application.Watch(this);
}

void OutsideServices::StartServer(const ServeAddress& address, std::vector<std::string>& problems) {
  ServerSetup setup;
  setup.address = address;
  const std::optional<NativePath>& records = RunDirectoryPath();
  if (records)
    setup.token = NewToken();
  clicks_ = std::make_unique<RemoteClicks>(application_);
  std::string error;
  server_ = BoardServer::Start(setup, board_, clicks_.get(), error);
  if (server_ == nullptr) {
    problems.push_back(error + "; the board runs without it");
    return;
  }
  // Clicks need the token, and the host gets it only through the file.
  if (!records) {
    problems.push_back("the server at " + server_->url() +
                       " takes no clicks: there is no records folder for " +
                       std::string(kRemoteControlFileName));
  } else if (!setup.token) {
    server_->TurnClicksOff();
    problems.push_back("the server at " + server_->url() +
                       " takes no clicks: the system gave no random token");
  } else if (!WriteRemoteControlFile(*records, server_->url(), *setup.token, error)) {
    server_->TurnClicksOff();
    problems.push_back(std::string(kRemoteControlFileName) + " cannot be written (" + error +
                       "): the server at " + server_->url() + " takes no clicks");
  }
}

OutsideServices::~OutsideServices() {
  if (feed_ == nullptr)
    return;
  application_.Watch(nullptr);
  board_.Close();
  if (clicks_ != nullptr)
    clicks_->Close();
  server_.reset();  // joins its threads: every stream and click has returned
  clicks_.reset();
  files_.reset();  // joins the writer after it wrote the newest snapshot
}

bool OutsideServices::Watches(ControlId control) const {
  return feed_->Watches(control);
}

void OutsideServices::Settled(const ControlModel& model) {
  feed_->Settled(model);
  if (telling_)
    return;  // the message below is showing; its own timer ticks must not show it again
  if (files_ == nullptr)
    return;
  if (auto failure = files_->TakeFailureToShow()) {
    telling_ = true;
    TheControlHost().MessageBox(TextFromUtf8(*failure), Gb("计分板"),
                                message_flags::kIconError | message_flags::kTaskModal);
    telling_ = false;
  }
}
