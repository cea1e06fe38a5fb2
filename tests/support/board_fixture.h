#pragma once
// A headless board for a test: a fresh run directory, the program started as the
// application starts it, and what it showed collected line by line.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "platform/headless/headless_front_end.h"
#include "services/property_model.h"
#include "shell/application.h"
#include "shell/control_ids.h"
#include "support/temporary_folder.h"

class BoardTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = NewTemporaryFolder("board");
    ASSERT_FALSE(dir_.empty());
    front_end_ = std::make_unique<HeadlessFrontEnd>(
        DateTimeFromCalendar(2016, 5, 3, 14, 5, 9),
        [this](const std::string& line) { shown_.push_back(line); });
    app_ = std::make_unique<Application>(*front_end_);
    front_end_->Attach(*app_);
    app_->Start(dir_.native());
  }

  void TearDown() override {
    app_.reset();
    front_end_.reset();
    std::error_code ignored;
    std::filesystem::permissions(dir_, std::filesystem::perms::owner_all, ignored);
    std::filesystem::remove_all(dir_, ignored);
  }

  // The content of an edit box, or the caption of a captioned control, as UTF-8.
  static std::string Shown(ControlId control, int32_t index = prop::kContent) {
    return Utf8FromText(ReadText(control, index));
  }
  static std::string Colour(ControlId box) {
    char buffer[8];
    const ::Colour c = ReadColour(box, prop::kTextColour);
    std::snprintf(buffer, sizeof buffer, "#%02x%02x%02x", c & 0xFFu, (c >> 8) & 0xFFu,
                  (c >> 16) & 0xFFu);
    return buffer;
  }
  void Type(ControlId box, const std::string& utf8) { app_->Type(box, TextFromUtf8(utf8)); }
  void Click(ControlId control) { ASSERT_TRUE(app_->Click(control)); }

  std::filesystem::path dir_;
  std::vector<std::string> shown_;
  std::unique_ptr<HeadlessFrontEnd> front_end_;
  std::unique_ptr<Application> app_;
};
