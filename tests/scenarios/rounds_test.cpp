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

TEST_F(RoundsTest, ClearKeepsTheTotalAndClearAllResetsTheFee) {
  Click(单选框3);
  Type(编辑框5, "5000");
  Click(按钮26);
  Click(按钮50);
  Click(按钮3);
  EXPECT_EQ(Shown(编辑框12), "5000");
  EXPECT_EQ(Shown(编辑框13), "200");
  EXPECT_EQ(Shown(编辑框1), "Orvane队：");
  EXPECT_EQ(Shown(编辑框22), "0");
  EXPECT_EQ(Shown(编辑框30), "2");  // comparison boxes are not reset
  Click(按钮50);
  EXPECT_EQ(Shown(编辑框1), "Orvane队：跪1");

  Click(按钮48);
  EXPECT_EQ(Shown(编辑框12), "0");
  EXPECT_EQ(Shown(编辑框13), "200");  // the base fee, not the "100" written first
  EXPECT_EQ(Shown(编辑框2), "队：");
  EXPECT_EQ(Colour(编辑框9), "#0000ff");
  EXPECT_EQ(Colour(编辑框10), "#0000ff");
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
