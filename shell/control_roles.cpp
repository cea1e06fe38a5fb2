#include "shell/control_roles.h"

#include <string>
#include <vector>

#include "shell/control_ids.h"
#include "shell/credit_buttons.h"

namespace {

struct TeamWords {
  Side side;
  const char* role;     // the team as a role begins
  const char* english;  // the team in the documentation
};
constexpr TeamWords kTeams[] = {{Side::kLollipopTeam, "棒棒糖队", "the lollipop team"},
                                {Side::kYellowDuckTeam, "小黄鸭队", "the yellow duck team"}};

// The buttons each team has once, by what they do for it.
struct TeamButton {
  NamedControl lollipop, yellow_duck;
  const char* role;  // after the team's name
  const char* does;  // "%s" stands for the team
};
const TeamButton kTeamButtons[] = {
    {按钮26, 按钮33, "自定义加", "adds the amount in %s's custom box (\"+\")"},
    {按钮35, 按钮27, "自定义减", "takes the amount in %s's custom box away (\"-\")"},
    {按钮52, 按钮53, "加错", "takes back %s's last picture gift (\"加错\")"},
    {按钮50, 按钮51, "跪+1", "%s lost the round: scores to 0, one more loss (\"跪 +1\")"},
    {按钮37, 按钮38, "单挑开启", "lets the host type %s's one-versus multiplier (\"开启\")"},
    {按钮40, 按钮41, "单挑关闭", "sets %s's one-versus multiplier back to 1 (\"关闭\")"},
    {按钮1, 按钮2, "换队形", "names %s after the formation chosen under its name"},
    {按钮18, 按钮19, "恢复队名", "gives %s its default name back"},
};

// The buttons of the whole board.
struct BoardButton {
  NamedControl control;
  const char* role;
  const char* does;
};
const BoardButton kBoardButtons[] = {
    {按钮3, "清除", "clears scores, round beans and losses; the game's beans stay (\"清除\")"},
    {按钮48, "清除总贡", "clears everything, the game's beans too (\"清除总贡\")"},
    {超级按钮1, "保存", "saves the game record (\"保存游戏数据\")"},
    {单选框2, "1小时", "chooses the one-hour game, whose base host fee is the smaller (\"1小时\")"},
    {单选框3, "2小时", "chooses the two-hour game, whose base host fee is the larger (\"2小时\")"},
    {按钮34, "计算器", "opens the calculator (\"计算器\")"},
};

std::string Filled(const char* pattern, const std::string& team) {
  std::string text = pattern;
  const std::size_t at = text.find("%s");
  if (at != std::string::npos)
    text.replace(at, 2, team);
  return text;
}

std::vector<ClickableControl> MakeTable() {
  std::vector<ClickableControl> table;
  for (const TeamWords& team : kTeams) {
    for (const CreditButton& credit : kCreditButtons) {
      if (credit.side != team.side)
        continue;
      const std::string beans = std::to_string(credit.beans);
      if (credit.kind == CreditKind::kGift) {
        table.push_back({credit.button, std::string(team.role) + " 礼物" + beans,
                         "credits " + std::string(team.english) + " " + beans +
                             " beans for each gift in its quantity box (picture gift)"});
      } else {
        table.push_back({credit.button, std::string(team.role) + " 加" + beans,
                         "credits " + std::string(team.english) + " " + beans + " beans"});
      }
    }
  }
  for (const TeamButton& button : kTeamButtons) {
    for (const TeamWords& team : kTeams) {
      table.push_back({team.side == Side::kLollipopTeam ? button.lollipop : button.yellow_duck,
                       std::string(team.role) + " " + button.role,
                       Filled(button.does, team.english)});
    }
  }
  for (const BoardButton& button : kBoardButtons)
    table.push_back({button.control, button.role, button.does});
  return table;
}

std::string WithoutBlanks(std::string_view text) {
  std::string kept;
  for (char c : text) {
    if (c != ' ' && c != '\t')
      kept += c;
  }
  return kept;
}

}  // namespace

std::span<const ClickableControl> ClickableControls() {
  static const std::vector<ClickableControl> table = MakeTable();
  return table;
}

const ClickableControl* FindClickable(std::string_view name_or_role) {
  const std::string wanted = WithoutBlanks(name_or_role);
  if (wanted.empty())
    return nullptr;
  for (const ClickableControl& entry : ClickableControls()) {
    if (wanted == entry.control.name || wanted == WithoutBlanks(entry.role))
      return &entry;
  }
  return nullptr;
}
