#pragma once
// A headless board started with --serve 0 as a program starts it (OutsideServices), its
// token read from remote-control.txt, and the test's main thread as the board's
// user-interface thread: it runs the queued clicks, and the box of a message box keeps
// running them until the test answers it.
#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "overlay/outside_services.h"
#include "platform/headless/headless_front_end.h"
#include "shell/application.h"
#include "shell/control_ids.h"
#include "shell/program_switches.h"
#include "support/temporary_folder.h"
#include "tests/server/http_client.h"

class BoxFrontEnd : public HeadlessFrontEnd {
 public:
  using HeadlessFrontEnd::HeadlessFrontEnd;
  Application* application = nullptr;
  std::atomic<int> boxes_open{0};
  std::atomic<bool> answer_box{false};

  int32_t MessageBox(const Text& text, const Text& caption, uint32_t flags) override {
    ++boxes_open;
    // Like a window's box: its own loop keeps serving the queue until the host answers.
    while (!answer_box.load()) {
      application->RunQueued();
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    answer_box = false;
    --boxes_open;
    return HeadlessFrontEnd::MessageBox(text, caption, flags);
  }
};

class ServerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = NewTemporaryFolder("server");
    ASSERT_FALSE(dir_.empty());
    front_end_ = std::make_unique<BoxFrontEnd>(DateTimeFromCalendar(2016, 5, 3, 14, 5, 9));
    app_ = std::make_unique<Application>(*front_end_);
    front_end_->application = app_.get();
    front_end_->Attach(*app_);
    app_->Start(dir_.native());
    Serve("0");
  }

  void Serve(const std::string& where) {
    ProgramSwitches switches;
    ReadCommandLineSwitches({"--serve", where}, switches);
    ASSERT_TRUE(switches.problems.empty());
    outside_ = std::make_unique<OutsideServices>(switches, *app_, problems_);
    ASSERT_TRUE(problems_.empty()) << problems_.front();
    ASSERT_NE(outside_->server(), nullptr);
    port_ = outside_->server()->port();
    std::ifstream file(dir_ / "remote-control.txt");
    std::string line;
    while (std::getline(file, line)) {
      if (line.rfind("token=", 0) == 0)
        token_ = line.substr(6);
      if (line.rfind("url=", 0) == 0)
        url_ = line.substr(4);
    }
  }

  void TearDown() override {
    outside_.reset();
    app_.reset();
    front_end_.reset();
    std::error_code ignored;
    std::filesystem::remove_all(dir_, ignored);
  }

  // Two for the gift's multiplier: 按钮9 then credits 376 beans to the lollipop team.
  void ReadyToCredit() { ASSERT_TRUE(app_->Type(编辑框3, "2")); }

  std::string Host() const { return "127.0.0.1:" + std::to_string(port_); }
  std::string Get(const std::string& path) const {
    return Exchange(port_, "GET " + path + " HTTP/1.1\r\nHost: " + Host() + "\r\n\r\n");
  }
  std::string ClickRequest(const std::string& encoded_name) const {
    return "POST /click/" + encoded_name + " HTTP/1.1\r\nHost: " + Host() +
           "\r\nAuthorization: Bearer " + token_ + "\r\nContent-Length: 0\r\n\r\n";
  }
  int Click(const std::string& encoded_name) const {
    return StatusOf(Exchange(port_, ClickRequest(encoded_name)));
  }

  // Runs `script` on a thread of its own (the clients) while this thread is the board's
  // user-interface thread, until the script ends.
  void AsClients(const std::function<void()>& script) {
    std::atomic<bool> done{false};
    std::thread clients([&] {
      script();
      done = true;
    });
    while (!done.load()) {
      app_->RunQueued();
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    clients.join();
  }

  std::filesystem::path dir_;
  std::unique_ptr<BoxFrontEnd> front_end_;
  std::unique_ptr<Application> app_;
  std::unique_ptr<OutsideServices> outside_;
  std::vector<std::string> problems_;
  uint16_t port_ = 0;
  std::string token_;
  std::string url_;
};

// 按钮9 (a gift of 188 beans for the lollipop team), percent-encoded as a URL carries it.
inline const std::string kGift188 = "%E6%8C%89%E9%92%AE9";
