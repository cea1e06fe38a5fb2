// The table of clickable controls against the catalogue and the README: a control the
// host can click without a role, a role on a control the host can never click, two
// roles that read alike, or a README table that no longer says what the data says.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

#include "shell/catalogue.h"
#include "shell/control_roles.h"
#include "support/board_fixture.h"

namespace {

// Taken before any test runs: a started board makes its run folder the current one, and
// on Windows a path without a drive is taken on the current folder's drive.
const std::filesystem::path kProjectTests = std::filesystem::absolute(TEST_SOURCE_DIR);

// A click event belongs to buttons and radio boxes; other kinds number their events alike.
bool HasClickBinding(const ControlSpec& entry) {
  if (entry.kind != Kind::Button && entry.kind != Kind::SuperBtn && entry.kind != Kind::RadioBox)
    return false;
  for (const Binding& binding : entry.bindings) {
    if (binding.event == event::kClicked)
      return true;
  }
  return false;
}

// Every control with a click handler that the host can click at some time: the board is
// started, and each is clicked in turn, round after round, until a round makes no new
// one clickable (a switch enables its counterpart). A control that stays disabled for
// good (the inactive block) is never clicked.
class ClickableControlsTest : public BoardTest {};

TEST_F(ClickableControlsTest, EveryControlTheHostCanClickHasARoleAndNoOtherHasOne) {
  std::set<std::string> ever_clicked;
  for (bool found_more = true; found_more;) {
    found_more = false;
    for (const ControlSpec& entry : MainCatalogue()) {
      if (HasClickBinding(entry) && app_->Click(entry.control.id))
        found_more |= ever_clicked.insert(entry.control.name).second;
    }
  }
  ASSERT_GT(ever_clicked.size(), 40u);
  std::set<std::string> with_role;
  for (const ClickableControl& entry : ClickableControls()) {
    EXPECT_TRUE(with_role.insert(entry.control.name).second)
        << entry.control.name << " has two roles";
  }
  for (const std::string& name : ever_clicked)
    EXPECT_EQ(with_role.count(name), 1u) << name << " can be clicked but has no role";
  for (const std::string& name : with_role)
    EXPECT_EQ(ever_clicked.count(name), 1u) << name << " has a role but can never be clicked";
}

TEST(ClickableControls, NamesAndRolesFindTheirControlWhateverTheBlanks) {
  std::set<std::string> seen;
  for (const ClickableControl& entry : ClickableControls()) {
    std::string squeezed;
    for (char c : entry.role) {
      if (c != ' ')
        squeezed += c;
    }
    EXPECT_TRUE(seen.insert(squeezed).second) << entry.role << " reads like another role";
    EXPECT_EQ(FindClickable(entry.role), &entry) << entry.role;
    EXPECT_EQ(FindClickable(squeezed), &entry) << entry.role;
    EXPECT_EQ(FindClickable(entry.control.name), &entry) << entry.control.name;
    EXPECT_FALSE(entry.does.empty()) << entry.role;
  }
  struct Case {
    const char* written;
    const char* control;  // nullptr: names nothing clickable
  };
  const Case cases[] = {
      {"棒棒糖队 礼物188", "按钮9"},
      {"  小黄鸭队\t礼物520 ", "按钮4"},
      {"棒棒糖队 加1314", "按钮25"},
      {"小黄鸭队 加错", "按钮53"},
      {"棒棒糖队 跪+1", "按钮50"},
      {"保存", "超级按钮1"},
      {"按钮9", "按钮9"},
      {"编辑框9", nullptr},
      {"按钮54", nullptr},
      {"棒棒糖队 礼物1314", nullptr},
      {"", nullptr},
      {"   ", nullptr},
  };
  for (const Case& c : cases) {
    const ClickableControl* found = FindClickable(c.written);
    EXPECT_EQ(found == nullptr ? std::string("(none)") : std::string(found->control.name),
              c.control == nullptr ? std::string("(none)") : std::string(c.control))
        << c.written;
  }
}

// The README's section "Clickable controls" as the data gives it.
std::string ExpectedReadmeTable() {
  std::string table = "| Control | Role (in a hotkey file) | A click |\n|---|---|---|\n";
  for (const ClickableControl& entry : ClickableControls()) {
    table +=
        "| " + std::string(entry.control.name) + " | `" + entry.role + "` | " + entry.does + " |\n";
  }
  return table;
}

TEST(ClickableControls, TheReadmeListsThemAsTheDataDoes) {
  std::ifstream in(kProjectTests / ".." / "README.md");
  ASSERT_TRUE(in) << "README.md not found beside " << TEST_SOURCE_DIR;
  std::string line, section;
  bool inside = false, found = false;
  while (std::getline(in, line)) {
    if (line.rfind("#", 0) == 0) {
      inside = line.find(" Clickable controls") != std::string::npos &&
               line.find_first_not_of('#') == line.find(' ');
      found |= inside;
      continue;
    }
    if (inside && line.rfind("|", 0) == 0)
      section += line + "\n";
  }
  ASSERT_TRUE(found) << "the README has no section titled \"Clickable controls\"";
  EXPECT_EQ(section, ExpectedReadmeTable())
      << "Put this table into the README's section \"Clickable controls\":\n"
      << ExpectedReadmeTable();
}

}  // namespace
