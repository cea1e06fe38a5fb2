// Every box of the window fed with what a host might paste: very long texts, bytes that
// are no text at all, emoji, full-width digits and signs, numbers beyond any range. The
// board never crashes, everything it holds stays well-formed GB18030, and a record still
// holds one value a key.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "faults/fault_support.h"
#include "services/convert.h"

namespace faults {
namespace {

// The first control whose texts are not well-formed GB18030, or the empty text.
std::string BadTextIn(const ControlModel& model) {
  for (const Control& control : model.controls()) {
    if (!well_formed::IsGb18030(control.text))
      return control.name + " text";
    for (const Text& item : control.items) {
      if (!well_formed::IsGb18030(item))
        return control.name + " item";
    }
  }
  return {};
}

std::vector<ControlId> ControlsOfKinds(const ControlModel& model, std::vector<Kind> kinds) {
  std::vector<ControlId> ids;
  for (const Control& control : model.controls()) {
    if (std::find(kinds.begin(), kinds.end(), control.kind) != kinds.end())
      ids.push_back(control.id);
  }
  return ids;
}

struct Hostile {
  const char* name;
  std::string bytes;  // as a front end hands them over: UTF-8, possibly broken
};

std::vector<Hostile> HostileTexts() {
  std::string long_mixed;
  while (long_mixed.size() < 200000) long_mixed += "９甲😀\n-1e400 ";
  return {
      {"long digits", std::string(100000, '9')},
      {"long mixed lines", long_mixed},
      {"broken utf8", "\xff\xfe\xc0\xaf\xed\xa0\x80\xf4\x90\x80\x80\xe4\xb8"},
      {"lone lead bytes", "12\xe4\xb8\x81\x81\xa3"},
      {"emoji", "😀🎉👍🏽 队"},
      {"full-width number", "－１２３．５ｅ２"},
      {"full-width plus", "＋９９"},
      {"ideographic space", "　８"},
      {"huge", "1e400"},
      {"negative huge", "-1e400"},
      {"tiny", "1e-400"},
      {"negative zero", "-0"},
      {"nan", "nan"},
      {"inf", "inf"},
      {"ini syntax", "[保存]\n时间=x\n=]"},
      {"nul inside", std::string("12\0"
                                 "34",
                                 5)},
  };
}

// Each hostile text typed into every box the host can type into and written into every
// box the program writes, then every button clicked and time let pass, then one save.
class HostileTextTest : public ::testing::TestWithParam<Hostile> {};

TEST_P(HostileTextTest, TheBoardHoldsOnlyWellFormedTextsAndRecordsStayWhole) {
  const fs::path folder = MakeTemporaryFolder("hostile");
  ASSERT_FALSE(folder.empty());
  {
    Board board(folder);
    ControlModel& model = board.app.model();
    const Text text = TextFromUtf8(GetParam().bytes);  // the front end's edge conversion
    for (ControlId box : ControlsOfKinds(model, {Kind::EditBox})) {
      board.app.Type(box, text);
      board.app.Edited(box, text);
      ASSERT_EQ(BadTextIn(model), "") << model.Find(box)->name;
    }
    for (ControlId button :
         ControlsOfKinds(model, {Kind::Button, Kind::RadioBox, Kind::SuperBtn})) {
      if (button == 超级按钮1)
        continue;
      for (ControlId box : {编辑框3, 编辑框4, 编辑框5, 编辑框6, 编辑框7, 编辑框8})
        board.app.Type(box, text);
      board.app.Click(button);
      ASSERT_EQ(BadTextIn(model), "") << "after " << model.Find(button)->name;
    }
    for (ControlId combo : ControlsOfKinds(model, {Kind::ComboBox})) {
      for (int32_t index : {-1, 0, 1, 1000}) board.app.Select(combo, index);
    }
    board.front_end.Advance(10000);
    ASSERT_EQ(BadTextIn(model), "");

    ASSERT_TRUE(board.Save());
    EXPECT_EQ(RecordProblem(ReadBytes(SlotFile(folder, 0))), "");
    EXPECT_TRUE(board.Messages().empty());
  }
  std::error_code ignored;
  fs::remove_all(folder, ignored);
}

INSTANTIATE_TEST_SUITE_P(Texts, HostileTextTest, ::testing::ValuesIn(HostileTexts()),
                         [](const auto& param_info) {
                           std::string name = param_info.param.name;
                           for (char& c : name) {
                             if (!std::isalnum(static_cast<unsigned char>(c)))
                               c = '_';
                           }
                           return name;
                         });

// Bytes that never passed the edge conversion (a front end that forgot it): the board
// must still not crash, and a record keeps its eight lines whatever the team lines hold.
TEST(HostileBytesTest, RawBytesInEveryBoxNeitherCrashNorBreakARecord) {
  const fs::path folder = MakeTemporaryFolder("hostile-raw");
  ASSERT_FALSE(folder.empty());
  {
    Board board(folder);
    const std::string raw[] = {"\x81",     "\x81\x30\x81", "9\xa3", "\xa3\xb1\xa3\xae\xa3",
                               "\xff\xff", "\r\r\n\n\r"};
    for (const std::string& bytes : raw) {
      board.app.Click(按钮3);  // the clear button resets the team lines: before the typing
      for (ControlId box : ControlsOfKinds(board.app.model(), {Kind::EditBox}))
        board.app.Type(box, bytes);
      for (ControlId button : {按钮9, 按钮15, 按钮26, 按钮33, 按钮52}) board.app.Click(button);
      board.front_end.Advance(100);
    }
    ASSERT_TRUE(board.Save());
    const std::string record = ReadBytes(SlotFile(folder, 0));
    // The last raw text is all line breaks: both team lines are "\n" five times over.
    EXPECT_EQ(RecordValue(record, 1), "\\n\\n\\n\\n");
    EXPECT_EQ(std::count(record.begin(), record.end(), '\n'), 8);
  }
  std::error_code ignored;
  fs::remove_all(folder, ignored);
}

// A pasted text can hold more leading zeros than any exponent a number needs; the number
// is still the one the digits spell.
TEST(HostileNumberTest, ExponentsOutweighAnyRunOfLeadingZeros) {
  const struct {
    std::size_t zeros;
    const char* exponent;
    double expected;
  } cases[] = {
      {10, "e11", 1},
      {100001, "e100010", 1e8},
      {1000001, "e1000010", 1e8},
      {1000001, "e999990", 1e-12},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.exponent);
    const std::string text = "0." + std::string(c.zeros, '0') + "1" + c.exponent;
    EXPECT_EQ(ToNumber(text), c.expected);
  }
  const std::string many_digits = "1" + std::string(1000001, '0') + "e-1000001";
  EXPECT_EQ(ToNumber(many_digits), 1);
}

}  // namespace
}  // namespace faults
