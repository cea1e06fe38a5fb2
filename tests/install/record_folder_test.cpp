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
  enum class Where { kDataFolder, kBeside, kNowhere };
  struct Case {
    const char* what;
    std::string prefix;
    std::string folder;
    bool with_entry;
    std::optional<fs::path> xdg_data_home;
    std::optional<fs::path> home;
    Where where;
    fs::path data_folder;  // for kDataFolder
  };
  const std::vector<Case> cases = {
      {"installed, XDG_DATA_HOME set", "usr", "bin", true, data, home, Where::kDataFolder,
       data / "scoreboard"},
      {"installed, XDG_DATA_HOME unset", "usr", "bin", true, std::nullopt, home, Where::kDataFolder,
       home / ".local/share/scoreboard"},
      {"installed, XDG_DATA_HOME empty", "usr", "bin", true, fs::path(), home, Where::kDataFolder,
       home / ".local/share/scoreboard"},
      {"installed, XDG_DATA_HOME relative", "usr", "bin", true, fs::path("data"), home,
       Where::kDataFolder, home / ".local/share/scoreboard"},
      {"installed, no home known at all",
       "usr",
       "bin",
       true,
       std::nullopt,
       std::nullopt,
       Where::kNowhere,
       {}},
      {"installed, only a relative home",
       "usr",
       "bin",
       true,
       std::nullopt,
       fs::path("home"),
       Where::kNowhere,
       {}},
      {"installed, both relative",
       "usr",
       "bin",
       true,
       fs::path("data"),
       fs::path("home"),
       Where::kNowhere,
       {}},
      {"a copied program in a folder called bin",
       "copy",
       "bin",
       false,
       data,
       home,
       Where::kBeside,
       {}},
      {"a copied program without a home",
       "copy",
       "bin",
       false,
       std::nullopt,
       std::nullopt,
       Where::kBeside,
       {}},
      {"a build folder beside an installed tree",
       "build",
       "out",
       true,
       data,
       home,
       Where::kBeside,
       {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const fs::path program = Program(c.prefix, c.folder, c.with_entry);
    const std::optional<fs::path> folder = RecordFolder(program, {c.xdg_data_home, c.home});
    switch (c.where) {
      case Where::kDataFolder:
        EXPECT_EQ(folder, c.data_folder);
        break;
      case Where::kBeside:
        EXPECT_EQ(folder, program);
        break;
      case Where::kNowhere:
        EXPECT_EQ(folder, std::nullopt) << "got " << folder.value_or("");
        break;
    }
  }
}

TEST_F(RecordFolderTest, AFolderInTheDesktopEntrysPlaceDoesNotMakeAnInstallation) {
  const fs::path program = Program("odd", "bin", false);
  fs::create_directories(root_ / "odd/share/applications" / kDesktopFileName);
  EXPECT_EQ(RecordFolder(program, {root_ / "data", root_ / "home"}), program);
}

// A program that cannot tell where it is has no record folder, whatever the environment.
TEST_F(RecordFolderTest, AnUnknownProgramFolderGivesNoRecordFolder) {
  SetVariable("XDG_DATA_HOME", (root_ / "data").string());
  EXPECT_EQ(RecordFolderOfProgram(std::nullopt), std::nullopt);
  UnsetVariable("XDG_DATA_HOME");
}

// The whole start-up and save, headless: the data folder is made on the first save, and
// one that cannot be made is a failed save the host is told about.
class InstalledSaveTest : public RecordFolderTest {
 protected:
  void SetUp() override {
    RecordFolderTest::SetUp();
    if (const char* home = std::getenv("HOME"))
      home_ = home;
  }
  void TearDown() override {
    app_.reset();
    front_end_.reset();
    UnsetVariable("XDG_DATA_HOME");
    if (home_)
      SetVariable("HOME", *home_);
    RecordFolderTest::TearDown();
  }
  void StartInstalled(const fs::path& data_home) {
    SetVariable("XDG_DATA_HOME", data_home.string());
    StartInstalledAsEnvironmentSays();
  }
  void StartInstalledAsEnvironmentSays() {
    const fs::path program = Program("usr", "bin", true);
    front_end_ = std::make_unique<HeadlessFrontEnd>(
        DateTimeFromCalendar(2016, 5, 3, 14, 5, 9),
        [this](const std::string& line) { shown_.push_back(line); });
    app_ = std::make_unique<Application>(*front_end_);
    front_end_->Attach(*app_);
    app_->Start(RecordFolderOfProgram(program.native()));
  }
  static fs::path SlotName(int slot) { return PathFromUtf8(Utf8FromText(SlotFileName(slot))); }

  std::optional<std::string> home_;
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

// Without an absolute XDG_DATA_HOME or HOME an installed program has no data folder: its
// saves fail and say so, and its own prefix, writable here as any user's own prefix (or
// /usr as root) is, takes nothing.
TEST_F(InstalledSaveTest, WithoutADataFolderEverySaveFailsAndThePrefixTakesNothing) {
  const struct {
    const char* what;
    std::optional<std::string> xdg_data_home;
    std::optional<std::string> home;
  } cases[] = {
      {"both unset", std::nullopt, std::nullopt},
      {"both relative", std::string("data"), std::string("home")},
      {"HOME empty", std::nullopt, std::string()},
  };
  const fs::path before = fs::current_path();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    shown_.clear();
    UnsetVariable("XDG_DATA_HOME");
    UnsetVariable("HOME");
    if (c.xdg_data_home)
      SetVariable("XDG_DATA_HOME", *c.xdg_data_home);
    if (c.home)
      SetVariable("HOME", *c.home);
    fs::current_path(root_);
    StartInstalledAsEnvironmentSays();
    ASSERT_TRUE(app_->Click(超级按钮1));
    ASSERT_TRUE(app_->Click(超级按钮1));
    EXPECT_EQ(front_end_->message_boxes, 2);
    EXPECT_EQ(shown_,
              (std::vector<std::string>{"message: 信息：: 保存游戏数据失败：游戏数据保存.txt",
                                        "message: 信息：: 保存游戏数据失败：游戏数据保存.txt"}));
    EXPECT_TRUE(fs::is_empty(root_ / "usr/bin"));
    EXPECT_FALSE(fs::exists(root_ / SlotName(0))) << "the current folder took a record";
    EXPECT_FALSE(fs::exists(root_ / "home")) << "a relative home was taken for a folder";
    EXPECT_FALSE(fs::exists(root_ / "data")) << "a relative XDG_DATA_HOME was taken for a folder";
    app_.reset();
    front_end_.reset();
  }
  fs::current_path(before);
}

}  // namespace
