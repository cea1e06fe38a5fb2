// Rounds, resets, the host fee and the game-time choice, in the order the host uses
// them during a game.
#include "support/board_fixture.h"

namespace {

using RoundsTest = BoardTest;

TEST_F(RoundsTest, HostFeeThresholdAndGameTime) {
  struct Case {
    const char* total;
    const char* fee_one_hour;
    const char* fee_two_hours;
  };
  const Case cases[] = {
      {"0", "100", "200"},
      {"20999", "100", "200"},
      {"21000", "200.8", "300.8"},
      {"30000", "244", "344"},
      {"20999.99999999", "200.7952", "200"},  // within the tolerance; "2小时" drops the fraction
      {"20999.9999", "100", "200"},
  };
  for (const Case& c : cases) {
    Click(单选框2);
    WriteText(编辑框12, prop::kContent, Gb(c.total));
    EXPECT_EQ(Shown(编辑框13), c.fee_one_hour) << c.total;
    WriteText(编辑框12, prop::kContent, Gb(c.total));
    Click(单选框3);  // rewrites the total as a whole number, then the fee follows
    EXPECT_EQ(Shown(编辑框13), c.fee_two_hours) << c.total;
    EXPECT_EQ(Shown(编辑框25), "200");
  }
  // The threshold and the rate are the hidden boxes' values, not the form's numbers.
  Click(单选框2);
  WriteText(编辑框14, prop::kContent, Gb("1000"));
  WriteText(编辑框24, prop::kContent, Gb("100"));  // one per cent
  WriteText(编辑框12, prop::kContent, Gb("999"));
  EXPECT_EQ(Shown(编辑框13), "100");
  WriteText(编辑框12, prop::kContent, Gb("2000"));
  EXPECT_EQ(Shown(编辑框13), "120");
}

TEST_F(RoundsTest, LossesWriteTalliesAndRewriteTheOtherLineWhenFarBehind) {
  Type(编辑框1, "Orvane队：甲乙丙");
  Click(按钮21);
  Click(按钮50);  // the lollipops kneel
  EXPECT_EQ(Shown(编辑框1), "Orvane队：跪1");
  EXPECT_EQ(Shown(编辑框30), "2");
  EXPECT_EQ(Shown(编辑框9), "0");
  EXPECT_EQ(Shown(编辑框28), "0");
  EXPECT_EQ(Shown(编辑框12), "33");  // the total survives a round
  EXPECT_EQ(Shown(编辑框2), "队：");

  Type(编辑框2, "队：丁");
  Click(按钮51);
  Click(按钮51);
  EXPECT_EQ(Shown(编辑框2), "队：跪2");
  EXPECT_EQ(Shown(编辑框16), "3");
  // 1 lollipop loss against the new comparison 3: the lollipop line is left alone.
  Type(编辑框1, "Orvane队：甲");
  Click(按钮51);
  EXPECT_EQ(Shown(编辑框1), "Orvane队：甲");
  Click(按钮51);
  Click(按钮51);  // ducks at 5 losses
  Type(编辑框2, "队：成员");
  // Lollipop loss 2, comparison 3: ducks at 5 > 3, so their tally is written again.
  Click(按钮50);
  EXPECT_EQ(Shown(编辑框1), "Orvane队：跪2");
  EXPECT_EQ(Shown(编辑框2), "队：跪5");
}

// The other team's line shows its tally again only when it has lost at least two rounds
// more than the loser now has; any loss zeroes both scores and the round.
TEST_F(RoundsTest, ALossRewritesTheOtherLineOnlyTwoLossesAhead) {
  struct Case {
    ControlId loss, other_loss, other_line;
    int other_losses;
    const char* other_line_after;
  };
  const Case cases[] = {{按钮50, 按钮51, 编辑框2, 2, "队：成员"},
                        {按钮50, 按钮51, 编辑框2, 3, "队：跪3"},
                        {按钮51, 按钮50, 编辑框1, 2, "Orvane队：成员"},
                        {按钮51, 按钮50, 编辑框1, 3, "Orvane队：跪3"}};
  for (const Case& c : cases) {
    Click(按钮48);
    for (int n = 0; n < c.other_losses; ++n) Click(c.other_loss);
    Type(c.other_line, c.other_line == 编辑框1 ? "Orvane队：成员" : "队：成员");
    Click(按钮21);  // 33 to the lollipops
    Type(编辑框6, "50");
    Click(按钮33);  // 50 to the yellow ducks
    Click(c.loss);
    EXPECT_EQ(Shown(c.other_line), c.other_line_after) << c.other_losses;
    EXPECT_EQ(Shown(编辑框9), "0");
    EXPECT_EQ(Shown(编辑框10), "0");
    EXPECT_EQ(Shown(编辑框11), "0");
    EXPECT_EQ(Colour(编辑框9), "#0000ff");
    EXPECT_EQ(Colour(编辑框10), "#0000ff");
    EXPECT_EQ(Shown(编辑框28), "0");
    EXPECT_EQ(Shown(编辑框12), "83");  // the total survives a round
  }
}

// "清除" starts a new game with the same total and fee; "清除总贡" clears the total too,
// and the fee falls back to the base fee. Either way the next loss of each team counts 1.
TEST_F(RoundsTest, ResetsClearTheBoardAndTheTallies) {
  struct Case {
    ControlId reset;
    const char* total;
    const char* fee;
  };
  for (const Case c : {Case{按钮3, "5040", "200"}, Case{按钮48, "0", "200"}}) {
    Click(按钮48);
    Click(单选框3);
    Type(编辑框5, "5000");
    Click(按钮26);
    Click(按钮50);
    Click(按钮51);
    Click(按钮51);
    Type(编辑框1, "Orvane队：甲");
    Type(编辑框2, "队：乙");
    Click(按钮21);  // 33 to the lollipops
    Type(编辑框6, "7");
    Click(按钮33);  // 7 to the yellow ducks
    Click(c.reset);
    EXPECT_EQ(Shown(编辑框12), c.total);
    EXPECT_EQ(Shown(编辑框13), c.fee);  // the base fee, not the "100" written first
    EXPECT_EQ(Shown(编辑框9), "0");
    EXPECT_EQ(Shown(编辑框10), "0");
    EXPECT_EQ(Shown(编辑框11), "0");
    EXPECT_EQ(Shown(编辑框28), "0");
    EXPECT_EQ(Shown(编辑框1), "Orvane队：");
    EXPECT_EQ(Shown(编辑框2), "队：");
    EXPECT_EQ(Shown(编辑框22), "0");
    EXPECT_EQ(Shown(编辑框23), "0");
    EXPECT_EQ(Shown(编辑框16), "3");  // comparison boxes are not reset
    EXPECT_EQ(Colour(编辑框9), "#0000ff");
    EXPECT_EQ(Colour(编辑框10), "#0000ff");
    Click(按钮50);
    Click(按钮51);
    EXPECT_EQ(Shown(编辑框1), "Orvane队：跪1");
    EXPECT_EQ(Shown(编辑框2), "队：跪1");
  }
}

TEST_F(RoundsTest, TeamLinesTakeTheirSliderAndPickerOnTheNextChange) {
  ASSERT_TRUE(app_->Slide(滑块条1, 20));
  ASSERT_TRUE(app_->Pick(颜色选择器2, Rgb(255, 0, 0)));
  EXPECT_EQ(ReadInteger(编辑框1, prop::kFont, prop::kFontSize), 11);  // nothing yet
  Type(编辑框1, "Orvane队：甲");
  EXPECT_EQ(ReadInteger(编辑框1, prop::kFont, prop::kFontSize), 20);
  EXPECT_EQ(Colour(编辑框1), "#000000");
  Click(按钮51);
  EXPECT_EQ(Colour(编辑框2), "#ff0000");
  EXPECT_EQ(ReadInteger(编辑框2, prop::kFont, prop::kFontSize), 11);
}

TEST_F(RoundsTest, TeamNamesFromTheFormations) {
  Click(按钮1);
  EXPECT_EQ(Shown(分组框1, prop::kCaption), "雷锋队");
  ASSERT_TRUE(app_->Select(组合框1, 7));
  EXPECT_EQ(Shown(分组框1, prop::kCaption), "雷锋队");  // not before "更改"
  Click(按钮1);
  EXPECT_EQ(Shown(分组框1, prop::kCaption), "天使队");
  Click(按钮18);
  EXPECT_EQ(Shown(分组框1, prop::kCaption), "棒棒糖队");
  ASSERT_TRUE(app_->Select(组合框2, -1));
  Click(按钮2);
  EXPECT_EQ(Shown(分组框2, prop::kCaption), "");
  Click(按钮19);
  EXPECT_EQ(Shown(分组框2, prop::kCaption), "小黄鸭队");
}

TEST_F(RoundsTest, ProgressCountsToTheSignatureAndClockShowsTheTime) {
  front_end_->Advance(50 * 50);
  EXPECT_EQ(ReadInteger(进度条1, prop::kProgressPosition), 50);
  front_end_->Advance(50 * 50);
  EXPECT_EQ(ReadInteger(进度条1, prop::kProgressPosition), 100);
  EXPECT_EQ(Shown(透明标签4, prop::kCaption), "");  // only after the tick that reads 100
  front_end_->Advance(50);
  EXPECT_EQ(Shown(透明标签4, prop::kCaption), "By_TobrikV2.4无账号正式版");
  EXPECT_EQ(ReadInteger(时钟2, prop::kInterval), 0);
  front_end_->Advance(5000);
  EXPECT_EQ(ReadInteger(进度条1, prop::kProgressPosition), 100);
  EXPECT_EQ(Shown(标签22, prop::kCaption), "2016年5月3日14时5分19秒");
}

TEST_F(RoundsTest, CalculatorStartsMinimisedWithoutWaiting) {
  Click(按钮34);
  Click(按钮34);
  EXPECT_EQ(front_end_->launches, 2);
  EXPECT_EQ(shown_.back(), "run: C:\\Windows\\System32\\calc.exe show=6 wait=0");
  front_end_->launch_result = false;
  Click(按钮34);  // a missing calculator shows nothing
  EXPECT_EQ(front_end_->message_boxes, 0);
}

}  // namespace
