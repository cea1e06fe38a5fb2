// Saving games: the lowest free slot, the exact bytes of a record, the full folder, and
// a host told when a record cannot be written.
#include <fstream>
#include <sstream>
#include <utility>

#include "records/record_slots.h"
#include "support/board_fixture.h"
#include "support/utf8_path.h"

namespace {

namespace fs = std::filesystem;

class RecordsTest : public BoardTest {
 protected:
  fs::path Slot(int n) const { return dir_ / PathFromUtf8(Utf8FromText(SlotFileName(n))); }
  std::string Read(const fs::path& path) const {
    std::ifstream in(path, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
  }
  void Touch(int n) const { std::ofstream(Slot(n)) << "x"; }
  int Records() const {
    int count = 0;
    for (const auto& entry : fs::directory_iterator(dir_)) {
      (void)entry;
      ++count;
    }
    return count;
  }
};

TEST_F(RecordsTest, SlotNames) {
  EXPECT_EQ(Utf8FromText(SlotFileName(0)), "游戏数据保存.txt");
  EXPECT_EQ(Utf8FromText(SlotFileName(9)), "游戏数据保存9.txt");
  EXPECT_EQ(Utf8FromText(SlotFileName(50)), "游戏数据保存50.txt");
  EXPECT_EQ(SlotFileName(0).size() + 1, 17u);  // GBK bytes, with the separator
  EXPECT_EQ(SlotFileName(10).size() + 1, 19u);
}

TEST_F(RecordsTest, ARecordHoldsTheBoardByteForByte) {
  front_end_->Advance(1000);  // the clock label has ticked
  Type(编辑框1, "Orvane队：甲\n乙");
  Type(编辑框3, "2");
  Click(按钮9);
  Click(超级按钮1);
  const std::string expected =
      Gb("[保存]\r\n"
         "时间=2016年5月3日14时5分10秒\r\n"
         "棒棒糖队友=Orvane队：甲\\n乙\r\n"
         "小黄鸭队友=队：\r\n"
         "棒棒糖数量=376\r\n"
         "小黄鸭数量=0\r\n"
         "刷豆总数=376\r\n"
         "主持费=100\r\n");
  EXPECT_EQ(Read(Slot(0)), expected);
  EXPECT_EQ(Records(), 1);  // no temporary file left
  EXPECT_EQ(front_end_->message_boxes, 0);
}

// Each key holds the text of its own control, whatever the other controls hold.
TEST_F(RecordsTest, EveryKeyHoldsItsOwnControl) {
  WriteText(标签22, prop::kCaption, Gb("某时"));
  const std::pair<ControlId, const char*> boxes[] = {{编辑框1, "甲"},  {编辑框2, "乙"},
                                                     {编辑框9, "9"},   {编辑框10, "10"},
                                                     {编辑框12, "12"}, {编辑框13, "13"}};
  for (const auto& [box, text] : boxes) WriteText(box, prop::kContent, Gb(text));
  Click(超级按钮1);
  EXPECT_EQ(Read(Slot(0)), Gb("[保存]\r\n"
                              "时间=某时\r\n"
                              "棒棒糖队友=甲\r\n"
                              "小黄鸭队友=乙\r\n"
                              "棒棒糖数量=9\r\n"
                              "小黄鸭数量=10\r\n"
                              "刷豆总数=12\r\n"
                              "主持费=13\r\n"));
}

TEST_F(RecordsTest, ASaveBeforeTheFirstTickRecordsAnEmptyTime) {
  Type(编辑框2, "");
  Click(超级按钮1);
  const std::string record = Read(Slot(0));
  EXPECT_NE(record.find(Gb("时间=\r\n")), std::string::npos);
  EXPECT_NE(record.find(Gb("小黄鸭队友=\r\n")), std::string::npos);
  EXPECT_NE(record.find(Gb("主持费=\r\n")), std::string::npos);
}

TEST_F(RecordsTest, SavesFillTheLowestFreeSlotUntilTheFolderIsFull) {
  for (int n = 0; n <= 20; ++n) Click(超级按钮1);
  for (int n = 0; n <= 20; ++n) ASSERT_TRUE(fs::exists(Slot(n))) << n;
  fs::remove(Slot(5));
  Click(超级按钮1);
  EXPECT_TRUE(fs::exists(Slot(5)));
  EXPECT_FALSE(fs::exists(Slot(21)));
  fs::create_directory(Slot(21));  // a folder named like a slot takes it
  Click(超级按钮1);
  EXPECT_TRUE(fs::is_regular_file(Slot(22)));
  for (int n = 23; n <= 50; ++n) Click(超级按钮1);
  EXPECT_TRUE(fs::exists(Slot(50)));
  EXPECT_EQ(front_end_->message_boxes, 0);
  Click(超级按钮1);
  EXPECT_EQ(front_end_->message_boxes, 1);
  EXPECT_EQ(shown_.back(), "message: 信息：: 保存数据已满，文件夹内不得有超过50个游戏数据");
  EXPECT_EQ(Records(), 51);
}

TEST_F(RecordsTest, SlotFiftyAloneMakesTheFolderFull) {
  Touch(50);
  Click(超级按钮1);
  EXPECT_FALSE(fs::exists(Slot(0)));
  EXPECT_EQ(front_end_->message_boxes, 1);
}

TEST_F(RecordsTest, AFolderThatCannotTakeTheRecordIsReportedAndLeavesNothing) {
  // The run directory vanishes under the program: nothing can be written there.
#ifdef _WIN32
  // Windows refuses to remove a process's current folder; the record path is absolute,
  // so the save meets the missing folder all the same.
  fs::current_path(dir_.parent_path());
#endif
  fs::remove_all(dir_);
  Click(超级按钮1);
  EXPECT_EQ(front_end_->message_boxes, 1);
  EXPECT_EQ(shown_.back(), "message: 信息：: 保存游戏数据失败：游戏数据保存.txt");
  fs::create_directory(dir_);
  Click(超级按钮1);  // a healthy folder again: the next save works
  EXPECT_TRUE(fs::exists(Slot(0)));
  EXPECT_EQ(Records(), 1);
  EXPECT_EQ(front_end_->message_boxes, 1);
}

TEST_F(RecordsTest, ValuesThatLookLikeIniSyntaxStayOneValueAKey) {
  Type(编辑框1, "[保存]\r\n主持费=0\r=\n");
  Click(超级按钮1);
  const std::string record = Read(Slot(0));
  EXPECT_NE(record.find(Gb("棒棒糖队友=[保存]\\n主持费=0\\n=\\n\r\n")), std::string::npos);
  int lines = 0;
  for (char c : record) lines += c == '\n';
  EXPECT_EQ(lines, 8);
}

}  // namespace
