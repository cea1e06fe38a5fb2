// What the host does most: credit gifts and amounts, with the difference, the leader
// highlight and the host fee following every credit.
#include "support/board_fixture.h"

namespace {

using CreditsTest = BoardTest;

TEST_F(CreditsTest, TypicalGiftEndToEnd) {
  front_end_->record_changes = true;
  Type(编辑框3, "2");
  Click(按钮9);  // 188 beans, lollipop
  EXPECT_EQ(Shown(编辑框9), "376");
  EXPECT_EQ(Shown(编辑框11), "376");
  EXPECT_EQ(Colour(编辑框9), "#ff0000");
  EXPECT_EQ(Colour(编辑框10), "#0000ff");
  EXPECT_EQ(Shown(编辑框12), "376");
  EXPECT_EQ(Shown(编辑框13), "100");
  EXPECT_EQ(Shown(编辑框28), "376");
  EXPECT_EQ(Shown(编辑框17), "376");
  EXPECT_EQ(Shown(编辑框3), "");
  // Order of the writes: score, difference inside it, total, fee inside it, current.
  std::vector<ControlId> order;
  for (const auto& [id, aspect] : front_end_->changes)
    if (aspect == Aspect::Caption)
      order.push_back(id);
  const std::vector<ControlId> expected = {编辑框3,  编辑框9,  编辑框11, 编辑框12,
                                           编辑框13, 编辑框28, 编辑框17, 编辑框3};
  EXPECT_EQ(order, expected);
}

TEST_F(CreditsTest, EveryGiftButtonCreditsItsValueToItsTeam) {
  struct Gift {
    ControlId button;
    bool lollipop;
    int value;
  };
  const Gift gifts[] = {{按钮7, true, 5},     {按钮8, true, 120},   {按钮9, true, 188},
                        {按钮10, true, 155},  {按钮11, true, 199},  {按钮12, true, 288},
                        {按钮13, true, 520},  {按钮17, false, 5},   {按钮16, false, 120},
                        {按钮15, false, 188}, {按钮14, false, 155}, {按钮6, false, 199},
                        {按钮5, false, 288},  {按钮4, false, 520}};
  for (const Gift& g : gifts) {
    Click(按钮3);  // fresh scores
    const ControlId quantity = g.lollipop ? 编辑框3 : 编辑框4;
    Type(quantity, "3");
    Click(g.button);
    const std::string credit = std::to_string(3 * g.value);
    EXPECT_EQ(Shown(g.lollipop ? 编辑框9 : 编辑框10), credit) << g.value;
    EXPECT_EQ(Shown(g.lollipop ? 编辑框10 : 编辑框9), "0") << g.value;
    EXPECT_EQ(Shown(g.lollipop ? 编辑框17 : 编辑框18), credit) << g.value;
    EXPECT_EQ(Shown(编辑框28), credit) << g.value;
    EXPECT_EQ(Shown(quantity), "");
  }
}

TEST_F(CreditsTest, FixedAmountsUseTheCaptionAndTheMultiplier) {
  struct Fixed {
    ControlId button;
    bool lollipop;
    int amount;
  };
  const Fixed fixed[] = {{按钮20, true, 10},   {按钮21, true, 33},   {按钮22, true, 66},
                         {按钮23, true, 199},  {按钮24, true, 521},  {按钮25, true, 1314},
                         {按钮36, false, 10},  {按钮32, false, 33},  {按钮31, false, 66},
                         {按钮30, false, 199}, {按钮29, false, 521}, {按钮28, false, 1314}};
  Click(按钮38);
  Type(编辑框8, "2");  // yellow duck one-versus two
  for (const Fixed& f : fixed) {
    Click(按钮48);
    Click(f.button);
    const int multiplier = f.lollipop ? 1 : 2;
    EXPECT_EQ(Shown(f.lollipop ? 编辑框9 : 编辑框10), std::to_string(f.amount * multiplier));
    EXPECT_EQ(Shown(编辑框12), std::to_string(f.amount));
    EXPECT_EQ(Shown(编辑框28), std::to_string(f.amount));
    EXPECT_EQ(Shown(f.lollipop ? 编辑框17 : 编辑框18), "0");  // not a picture gift
  }
}

TEST_F(CreditsTest, CustomAmountsAddSubtractAndEnter) {
  Type(编辑框5, "50");
  Click(按钮35);  // "-" keeps the amount
  EXPECT_EQ(Shown(编辑框9), "-50");
  EXPECT_EQ(Shown(编辑框12), "-50");
  EXPECT_EQ(Shown(编辑框5), "50");
  Click(按钮26);  // "+" empties the box
  EXPECT_EQ(Shown(编辑框9), "0");
  EXPECT_EQ(Shown(编辑框5), "");
  Type(编辑框6, "7");
  EXPECT_EQ(app_->KeyDown(编辑框6, 13, 0), std::optional<bool>(false));
  EXPECT_EQ(Shown(编辑框10), "7");
  EXPECT_EQ(Shown(编辑框6), "");
  EXPECT_EQ(app_->KeyDown(编辑框6, 13, 0), std::optional<bool>(false));  // empty: credits 0
  EXPECT_EQ(Shown(编辑框10), "7");
  Type(编辑框6, "4");
  Click(按钮27);
  EXPECT_EQ(Shown(编辑框10), "3");
  EXPECT_EQ(Shown(编辑框28), "3");
}

// Both teams' switches, each acting on its own box and buttons only.
TEST_F(CreditsTest, MultiplierSwitchesOnAndOff) {
  struct Switch {
    ControlId on, off, multiplier, ten, score;
  };
  const Switch teams[] = {{按钮37, 按钮40, 编辑框7, 按钮20, 编辑框9},
                          {按钮38, 按钮41, 编辑框8, 按钮36, 编辑框10}};
  for (const Switch& t : teams) {
    const Switch& other = &t == &teams[0] ? teams[1] : teams[0];
    Click(t.on);
    EXPECT_EQ(ReadInteger(t.multiplier, prop::kDisabled), 0);
    EXPECT_EQ(ReadInteger(t.off, prop::kDisabled), 0);
    EXPECT_EQ(ReadInteger(t.on, prop::kDisabled), 1);
    EXPECT_EQ(ReadInteger(other.multiplier, prop::kDisabled), 1);
    Type(t.multiplier, "4");
    Click(t.ten);
    EXPECT_EQ(Shown(t.score), "40");
    Click(t.off);
    EXPECT_EQ(Shown(t.multiplier), "1");
    EXPECT_EQ(ReadInteger(t.multiplier, prop::kDisabled), 1);
    EXPECT_EQ(ReadInteger(t.on, prop::kDisabled), 0);
    EXPECT_EQ(ReadInteger(t.off, prop::kDisabled), 1);
    Click(t.ten);
    EXPECT_EQ(Shown(t.score), "50");
  }
}

// A custom amount counts M times on the score and once in the beans, both ways.
TEST_F(CreditsTest, CustomAmountsAreMultipliedOnTheScoreOnly) {
  struct Team {
    ControlId on, multiplier, amount, plus, minus, score;
  };
  const Team teams[] = {{按钮37, 编辑框7, 编辑框5, 按钮26, 按钮35, 编辑框9},
                        {按钮38, 编辑框8, 编辑框6, 按钮33, 按钮27, 编辑框10}};
  for (const Team& t : teams) {
    Click(按钮48);
    Click(t.on);
    Type(t.multiplier, "3");
    Type(t.amount, "50");
    Click(t.plus);
    EXPECT_EQ(Shown(t.score), "150");
    EXPECT_EQ(Shown(编辑框12), "50");
    EXPECT_EQ(Shown(编辑框28), "50");
    Type(t.amount, "20");
    Click(t.minus);
    EXPECT_EQ(Shown(t.score), "90");
    EXPECT_EQ(Shown(编辑框12), "30");
    EXPECT_EQ(Shown(编辑框28), "30");
  }
}

// "加错" takes back exactly what the last gift added: the multiplied credit from the
// score, the beans V x Q from the total and the round.
TEST_F(CreditsTest, UndoTakesBackExactlyTheLastGift) {
  struct Case {
    const char* multiplier;
    const char* score_after_gift;
  };
  for (const Case c : {Case{"1", "376"}, Case{"3", "1128"}}) {
    Click(按钮48);
    Click(按钮37);
    Type(编辑框7, c.multiplier);
    Type(编辑框12, "");  // read-only: ignored
    Click(按钮21);       // a fixed credit first: 33 beans, 33 x M points
    const std::string score_before = Shown(编辑框9);
    Type(编辑框3, "2");
    Click(按钮9);
    EXPECT_EQ(Shown(编辑框17), c.score_after_gift);
    EXPECT_EQ(Shown(编辑框12), "409");
    Click(按钮52);
    EXPECT_EQ(Shown(编辑框9), score_before) << c.multiplier;
    EXPECT_EQ(Shown(编辑框12), "33") << c.multiplier;
    EXPECT_EQ(Shown(编辑框28), "33") << c.multiplier;
    EXPECT_EQ(Shown(编辑框13), "100");
    EXPECT_EQ(Shown(编辑框17), "0");
    Click(按钮52);  // a second undo takes back nothing
    EXPECT_EQ(Shown(编辑框9), score_before);
    EXPECT_EQ(Shown(编辑框12), "33");
    Click(按钮40);
  }
}

TEST_F(CreditsTest, UndoOfTheOtherTeamAndAfterResetsStillTakesTheLastGift) {
  Type(编辑框4, "1");
  Click(按钮4);   // 520 to the yellow ducks
  Click(按钮3);   // "清除" keeps the last-gift box
  Click(按钮52);  // the lollipops have no gift to take back
  EXPECT_EQ(Shown(编辑框9), "0");
  EXPECT_EQ(Shown(编辑框12), "520");
  Click(按钮53);
  EXPECT_EQ(Shown(编辑框10), "-520");
  EXPECT_EQ(Shown(编辑框12), "0");
  EXPECT_EQ(Shown(编辑框28), "-520");
}

// Each score box reruns the difference from its own side: on scores equal within the
// tolerance the lollipop box shows b - a and the yellow duck box a - b, so the sign tells
// which comparison ran. The leader takes its team's highlight, anyone else the trailing
// colour.
TEST_F(CreditsTest, HighlightFollowsTheLeaderBothWays) {
  WriteColour(颜色选择器3, prop::kCurrentColour, Rgb(0, 0xc0, 0));     // lollipop leads
  WriteColour(颜色选择器5, prop::kCurrentColour, Rgb(0xc0, 0xc0, 0));  // yellow duck leads
  struct Case {
    const char* lollipop;
    const char* duck;
    const char* difference_from_lollipop;
    const char* difference_from_duck;
    const char* lollipop_colour;
    const char* duck_colour;
  };
  const Case cases[] = {
      {"10", "3", "7", "7", "#00c000", "#0000ff"},
      {"3", "10", "7", "7", "#0000ff", "#c0c000"},
      {"5", "5", "0", "0", "#0000ff", "#0000ff"},
      {"0.00000005", "0", "-5e-008", "5e-008", "#0000ff", "#0000ff"},  // within the tolerance
      {"0", "0.00000005", "5e-008", "-5e-008", "#0000ff", "#0000ff"},
      {"5.00000001", "5", "-9.999999939225e-009", "9.999999939225e-009", "#0000ff", "#0000ff"},
      {"0.0000005", "0", "5e-007", "5e-007", "#00c000", "#0000ff"},  // beyond it
      {"0", "0.0000005", "5e-007", "5e-007", "#0000ff", "#c0c000"},
      {"-2", "0.5", "2.5", "2.5", "#0000ff", "#c0c000"}};
  for (const Case& c : cases) {
    for (const ControlId last : {编辑框9, 编辑框10}) {
      WriteText(编辑框9, prop::kContent, Gb(c.lollipop));
      WriteText(编辑框10, prop::kContent, Gb(c.duck));
      WriteText(last, prop::kContent, ReadText(last, prop::kContent));  // reruns its side
      const std::string where = std::string(c.lollipop) + " " + c.duck + " from " +
                                (last == 编辑框9 ? "lollipop" : "yellow duck");
      EXPECT_EQ(Shown(编辑框11),
                last == 编辑框9 ? c.difference_from_lollipop : c.difference_from_duck)
          << where;
      EXPECT_EQ(Colour(编辑框9), c.lollipop_colour) << where;
      EXPECT_EQ(Colour(编辑框10), c.duck_colour) << where;
    }
  }
}

}  // namespace
