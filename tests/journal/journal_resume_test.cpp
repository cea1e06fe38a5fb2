// A resume inside one process, through the same classes the windows use: what the host
// edited in a box comes back in the box's widget too, not only in the board.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <random>
#include <string>

#include "journal/journal.h"
#include "journal/journal_front_end.h"
#include "platform/headless/headless_front_end.h"
#include "services/property_model.h"
#include "shell/control_ids.h"

namespace {

namespace fs = std::filesystem;

TEST(JournalResumeTest, AnEditPlayedAgainIsShownInItsWidget) {
  const fs::path before = fs::current_path();
  const fs::path folder =
      fs::temp_directory_path() / ("journal-resume-" + std::to_string(std::random_device{}()));
  ASSERT_TRUE(fs::create_directories(folder));
  const DateTime start = DateTimeFromCalendar(2016, 5, 3, 14, 5, 9);
  {
    HeadlessFrontEnd front_end(start);
    JournalFrontEnd journal_front_end(front_end);
    Application app(journal_front_end);
    front_end.Attach(app);
    std::vector<std::string> notes;
    Journal journal(folder.native(), journal_front_end);
    journal.StartBoard(app, false, notes);
    ASSERT_TRUE(app.Edited(编辑框4, Gb("7")));
  }
  {
    HeadlessFrontEnd front_end(start);
    front_end.record_changes = true;
    JournalFrontEnd journal_front_end(front_end);
    Application app(journal_front_end);
    front_end.Attach(app);
    std::vector<std::string> notes;
    Journal journal(folder.native(), journal_front_end);
    journal.StartBoard(app, true, notes);
    EXPECT_TRUE(notes.empty()) << notes.front();
    EXPECT_EQ(journal.actions_resumed(), 1u);
    EXPECT_EQ(ReadText(编辑框4, prop::kContent), Gb("7"));
    const auto told = std::find(front_end.changes.begin(), front_end.changes.end(),
                                std::make_pair(ControlId{编辑框4}, Aspect::Caption));
    EXPECT_NE(told, front_end.changes.end()) << "the box's widget still shows its old text";
  }
  // Removed once the journal is closed and the folder is no longer the current one (the
  // start-up made it so): Windows removes neither an open file nor the current folder.
  fs::current_path(before);
  fs::remove_all(folder);
}

}  // namespace
