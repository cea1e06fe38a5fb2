// Where records go: beside a program run from a folder of its own, in the host's data
// folder for an installed one. Each case lays down a real folder tree.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/headless/headless_front_end.h"
#include "records/record_slots.h"
#include "services/record_folder.h"
#include "shell/application.h"
#include "shell/control_ids.h"
#include "support/temporary_folder.h"
#include "support/utf8_path.h"

namespace {

namespace fs = std::filesystem;

void SetVariable(const char* name, const std::string& value) {
#ifdef _WIN32
  ASSERT_EQ(_putenv_s(name, value.c_str()), 0);
#else
  ASSERT_EQ(setenv(name, value.c_str(), 1), 0);
#endif
}

void UnsetVariable(const char* name) {
#ifdef _WIN32
  _putenv_s(name, "");  // an empty value removes the variable there
#else
  unsetenv(name);
#endif
}

class RecordFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = NewTemporaryFolder("record-folder");
    ASSERT_FALSE(root_.empty());
  }
  void TearDown() override {
    std::error_code ignored;
    fs::remove_all(root_, ignored);
  }

  // <root>/<prefix>/bin, with the desktop entry under <prefix>/share/applications
  // when `with_entry`, as an installation lays it down.
  fs::path Program(const std::string& prefix, const std::string& folder, bool with_entry) const {
    const fs::path program = root_ / prefix / folder;
    fs::create_directories(program);
    if (with_entry) {
      const fs::path applications = root_ / prefix / "share" / "applications";
      fs::create_directories(applications);
      std::ofstream(applications / kDesktopFileName) << "[Desktop Entry]\n";
    }
    return program;
  }

  fs::path root_;
};

TEST_F(RecordFolderTest, InstalledProgramsUseTheDataFolderOthersKeepTheirOwn) {
  const fs::path home = root_ / "home";
  const fs::path data = root_ / "data";
  struct Case {
    const char* what;
    std::string prefix;
    std::string folder;
    bool with_entry;
    std::optional<fs::path> xdg_data_home;
    std::optional<fs::path> home;
    fs::path expected;  // relative to the program folder when `beside`
    bool beside;
  };
  const std::vector<Case> cases = {
      {"installed, XDG_DATA_HOME set", "usr", "bin", true, data, home, data / "scoreboard", false},
      {"installed, XDG_DATA_HOME unset", "usr", "bin", true, std::nullopt, home,
       home / ".local/share/scoreboard", false},
      {"installed, XDG_DATA_HOME empty", "usr", "bin", true, fs::path(), home,
       home / ".local/share/scoreboard", false},
      {"installed, XDG_DATA_HOME relative", "usr", "bin", true, fs::path("data"), home,
       home / ".local/share/scoreboard", false},
      {"installed, no home known at all", "usr", "bin", true, std::nullopt, std::nullopt, {}, true},
      {"installed, only a relative home",
       "usr",
       "bin",
       true,
       std::nullopt,
       fs::path("home"),
       {},
       true},
      {"a copied program in a folder called bin", "copy", "bin", false, data, home, {}, true},
      {"a build folder beside an installed tree", "build", "out", true, data, home, {}, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const fs::path program = Program(c.prefix, c.folder, c.with_entry);
    const fs::path expected = c.beside ? program : c.expected;
    EXPECT_EQ(RecordFolder(program, {c.xdg_data_home, c.home}), expected);
  }
}

TEST_F(RecordFolderTest, AFolderInTheDesktopEntrysPlaceDoesNotMakeAnInstallation) {
  const fs::path program = Program("odd", "bin", false);
  fs::create_directories(root_ / "odd/share/applications" / kDesktopFileName);
  EXPECT_EQ(RecordFolder(program, {root_ / "data", root_ / "home"}), program);
}

// The whole start-up and save, headless: the data folder is made on the first save, and
// one that cannot be made is a failed save the host is told about.
class InstalledSaveTest : public RecordFolderTest {
 protected:
  void TearDown() override {
    app_.reset();
    front_end_.reset();
    UnsetVariable("XDG_DATA_HOME");
    RecordFolderTest::TearDown();
  }
  void StartInstalled(const fs::path& data_home) {
    SetVariable("XDG_DATA_HOME", data_home.string());
    const fs::path program = Program("usr", "bin", true);
    front_end_ = std::make_unique<HeadlessFrontEnd>(
        DateTimeFromCalendar(2016, 5, 3, 14, 5, 9),
        [this](const std::string& line) { shown_.push_back(line); });
    app_ = std::make_unique<Application>(*front_end_);
    front_end_->Attach(*app_);
    app_->Start(RecordFolderOfProgram(program.native()));
  }
  static fs::path SlotName(int slot) { return PathFromUtf8(Utf8FromText(SlotFileName(slot))); }

  std::vector<std::string> shown_;
  std::unique_ptr<HeadlessFrontEnd> front_end_;
  std::unique_ptr<Application> app_;
};

TEST_F(InstalledSaveTest, TheFirstSaveMakesTheDataFolder) {
  const fs::path data_home = root_ / "home/.local/share";  // none of it exists yet
  StartInstalled(data_home);
  EXPECT_FALSE(fs::exists(data_home));  // nothing is made until a save needs it
  ASSERT_TRUE(app_->Click(超级按钮1));
  ASSERT_TRUE(app_->Click(超级按钮1));
  EXPECT_TRUE(fs::is_regular_file(data_home / "scoreboard" / SlotName(0)));
  EXPECT_TRUE(fs::is_regular_file(data_home / "scoreboard" / SlotName(1)));
  EXPECT_EQ(front_end_->message_boxes, 0);
  EXPECT_FALSE(fs::exists(root_ / "usr/bin" / SlotName(0)));
}

TEST_F(InstalledSaveTest, ADataFolderThatCannotBeMadeIsAFailedSave) {
  const fs::path data_home = root_ / "blocked";
  std::ofstream(data_home) << "a file where the folder should be";
  StartInstalled(data_home);
  ASSERT_TRUE(app_->Click(超级按钮1));
  EXPECT_EQ(front_end_->message_boxes, 1);
  ASSERT_FALSE(shown_.empty());
  EXPECT_EQ(shown_.back(), "message: 信息：: 保存游戏数据失败：游戏数据保存.txt");
  EXPECT_FALSE(fs::exists(root_ / "usr/bin" / SlotName(0)));
}

}  // namespace
