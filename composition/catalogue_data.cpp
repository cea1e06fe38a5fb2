// The main window and its controls as data, one record per control, in stacking order
// (the first record lies on top of its siblings), each bound to its handlers. Everything a
// control shows before the first handler runs comes from here: the start-up step only
// enables the controls flagged for it and shows the host fee box, so a wrong flag or text
// here is what the host sees. It lives above the handler folders, since it names their
// handlers, and hands itself to the shell before the program starts.
#include <array>

#include "shell/catalogue.h"
#include "shell/control_ids.h"
#include "shell/credit_buttons.h"
#include "shell/handlers.h"
#include "shell/timer_wakes.h"

namespace {

constexpr Colour kBlack = Rgb(0, 0, 0);
constexpr Colour kWhite = Rgb(255, 255, 255);
constexpr Colour kRed = Rgb(255, 0, 0);
constexpr Colour kBlue = Rgb(0, 0, 255);
constexpr Colour kMagenta = Rgb(255, 0, 255);
constexpr Colour kButtonFace = Rgb(0xf0, 0xf0, 0xf0);

// The small bold face of the signature, the unit captions and the member group titles.
constexpr FontSpec kSmallBold{.height_px = 12, .weight = 700};
// The team names over the score boxes.
constexpr FontSpec kTeamCaption{.height_px = 14, .weight = 700};

// Plain push buttons centre their caption both ways.
constexpr OwnProperties PushButton(const char* caption) {
  return {.text = caption, .align = Align::Centre, .centre_vertically = true};
}

// A gift button shows its gift's picture instead of the caption it still stores.
template <ControlId kButton>
constexpr OwnProperties GiftButton() {
  constexpr const CreditButton& row = CreditButtonOf(kButton);
  static_assert(row.picture != nullptr, "a gift button needs its picture in the credit table");
  return {
      .text = "按钮", .align = Align::Centre, .centre_vertically = true, .picture = row.picture};
}

// A fixed amount's caption is its beans in decimal digits, as the credit table says them.
template <ControlId kButton>
inline constexpr std::array<char, 12> kAmountCaption = [] {
  constexpr const CreditButton& row = CreditButtonOf(kButton);
  static_assert(row.kind == CreditKind::kFixed && row.beans > 0);
  std::array<char, 12> caption{};
  size_t length = 0;
  for (int32_t rest = row.beans; rest > 0; rest /= 10) ++length;
  int32_t rest = row.beans;
  for (size_t i = length; i-- > 0; rest /= 10) caption[i] = static_cast<char>('0' + rest % 10);
  return caption;
}();

template <ControlId kButton>
constexpr OwnProperties AmountButton() {
  return PushButton(kAmountCaption<kButton>.data());
}

constexpr OwnProperties LabelText(const char* caption, Align align) {
  return {.text = caption, .text_colour = kBlack, .align = align, .word_wrap = true};
}

// Scores, difference, beans and fee: large borderless figures only handlers write.
constexpr OwnProperties ScoreBox(const char* content, Colour colour, Align align) {
  return {.text = content,
          .text_colour = colour,
          .font = {.height_px = 21, .weight = 400},
          .align = align,
          .border = border::kNone,
          .input = InputMode::ReadOnly};
}

// The team line boxes, where the host types the members of each team.
constexpr OwnProperties TeamLineBox(const char* prefix) {
  return {.text = prefix,
          .text_colour = kBlack,
          .font = {.height_px = 14, .weight = 400, .face = "宋体"},
          .align = Align::Left,
          .border = border::kNone,
          .input = InputMode::FreeText,
          .multiline = true};
}

// Quantities of picture gifts: red so the host notices a leftover number.
constexpr OwnProperties QuantityBox() {
  return {.text = "",
          .text_colour = kRed,
          .back_colour = kWhite,
          .align = Align::Centre,
          .border = border::kSunkenFrame,
          .input = InputMode::WholeNumbers};
}

// Custom amounts and multipliers.
constexpr OwnProperties NumberBox(const char* content, Align align) {
  return {.text = content,
          .text_colour = kBlack,
          .back_colour = kWhite,
          .align = align,
          .border = border::kSunken,
          .input = InputMode::WholeNumbers};
}

// Constants and counters beyond the right edge of the window.
constexpr OwnProperties StateBox(const char* content, InputMode input) {
  return {.text = content,
          .text_colour = kBlack,
          .back_colour = kWhite,
          .border = border::kSunken,
          .input = input};
}

// The team line font sizes: 11 to 30 points, starting at the smallest.
constexpr OwnProperties kFontSizeSlider{.minimum = 11,
                                        .maximum = 30,
                                        .position = 11,
                                        .page_step = 5,
                                        .line_step = 1,
                                        .tick_frequency = 1,
                                        .horizontal = true};

constexpr const char* k组合框1Items[] = {"雷锋队", "小黄鸭队", "气球队", "玫瑰队",
                                         "板砖队", "烟花队",   "雪人队", "天使队"};
constexpr const char* k组合框2Items[] = {"棒棒糖队", "雷锋队", "没人救等死"};
constexpr const char* kNoClientItems[] = {"未检测到客户端"};

constexpr WindowSpec kWindow{
    .title = "LirvoLv7163Orvane専属游戏计数器_TobrikV2.4 无账号正式版",
    .outer = {50, 50, 478, 610},
    .background_picture = "background",
    .bindings = OnCreated<&MainWindow_Created>,
};

// Each record: kind, the control (its name and id), rectangle (inside its group box when it
// has a parent), parent, flags, the handler bound to its event, own properties.
// clang-format off
constexpr ControlSpec kControls[] = {
    {.kind = Kind::Button, .control = 按钮49, .rect = {216, 225, 65, 24}, .parent = 0,
     .flags = kVisible | kDisabled | kTabStop, .bindings = {}, .own = PushButton("结束进程")},
    {.kind = Kind::Button, .control = 按钮39, .rect = {152, 225, 64, 24}, .parent = 0,
     .flags = kVisible | kDisabled | kTabStop, .bindings = {}, .own = PushButton("开启进程")},
    {.kind = Kind::EditBox, .control = 编辑框29, .rect = {269, 503, 104, 72}, .parent = 0,
     .flags = kVisible | kDisabled | kTabStop, .bindings = {}, .own = {.text = ""}},
    {.kind = Kind::Button, .control = 按钮55, .rect = {197, 545, 59, 20}, .parent = 0,
     .flags = kVisible | kDisabled | kTabStop, .bindings = {}, .own = PushButton("无限霸屏")},
    {.kind = Kind::SuperBtn, .control = 超级按钮4, .rect = {381, 551, 80, 24}, .parent = 0,
     .flags = kVisible | kDisabled | kTabStop, .bindings = {},
     .own = {.text = "开启自动发送", .normal = {.text = kRed}}},
    {.kind = Kind::TransLabel, .control = 透明标签8, .rect = {435, 531, 31, 16}, .parent = 0,
     .flags = kVisible | kDisabled, .bindings = {},
     .own = {.text = "分钟", .text_colour = kRed, .font = kSmallBold}},
    {.kind = Kind::EditBox, .control = 编辑框27, .rect = {408, 530, 24, 18}, .parent = 0,
     .flags = kVisible | kDisabled | kTabStop, .bindings = {}, .own = {.text = ""}},
    {.kind = Kind::TransLabel, .control = 透明标签7, .rect = {381, 527, 32, 24}, .parent = 0,
     .flags = kVisible | kDisabled, .bindings = {},
     .own = {.text = "间隔", .text_colour = kRed, .font = kSmallBold}},
    {.kind = Kind::Button, .control = 按钮54, .rect = {381, 503, 80, 24}, .parent = 0,
     .flags = kVisible | kDisabled | kTabStop, .bindings = OnClick<&按钮54_Clicked>,
     .own = PushButton("读取场控文本")},
    {.kind = Kind::SuperBtn, .control = 超级按钮3, .rect = {197, 516, 59, 20}, .parent = 0,
     .flags = kVisible | kDisabled | kTabStop, .bindings = {},
     .own = {.text = "开启防踢", .normal = {.text = kMagenta}}},
    {.kind = Kind::SuperBtn, .control = 超级按钮2, .rect = {132, 516, 60, 21}, .parent = 0,
     .flags = kVisible | kDisabled | kTabStop, .bindings = OnClick<&超级按钮2_Clicked>,
     .own = {.text = "一键双封", .normal = {.text = kMagenta}}},
    {.kind = Kind::TransLabel, .control = 透明标签3, .rect = {25, 515, 56, 24}, .parent = 0,
     .flags = kVisible | kDisabled, .bindings = {}, .own = {.text = "输入名字："}},
    {.kind = Kind::EditBox, .control = 编辑框19, .rect = {23, 537, 104, 24}, .parent = 0,
     .flags = kVisible | kDisabled | kTabStop, .bindings = OnContentChanged<&编辑框19_ContentChanged>,
     .own = {.text = ""}},
    {.kind = Kind::Button, .control = 按钮47, .rect = {381, 474, 80, 24}, .parent = 0,
     .flags = kVisible | kDisabled | kTabStop, .bindings = {}, .own = PushButton("添加至主持队")},
    {.kind = Kind::Button, .control = 按钮46, .rect = {381, 442, 80, 24}, .parent = 0,
     .flags = kVisible | kDisabled | kTabStop, .bindings = {}, .own = PushButton("添加至主播队")},
    {.kind = Kind::ListBox, .control = 列表框2, .rect = {269, 442, 104, 56}, .parent = 0,
     .flags = kDisabled | kTabStop, .bindings = OnListEvent0<&列表框2_ListEvent0>,
     .own = {.items = kNoClientItems, .selection = -1}},
    {.kind = Kind::ListBox, .control = 列表框1, .rect = {87, 442, 104, 56}, .parent = 0,
     .flags = kDisabled | kTabStop, .bindings = {},
     .own = {.items = kNoClientItems, .selection = -1}},
    {.kind = Kind::Button, .control = 按钮45, .rect = {193, 474, 72, 24}, .parent = 0,
     .flags = kVisible | kDisabled | kTabStop, .bindings = {}, .own = PushButton("结束检测")},
    {.kind = Kind::Button, .control = 按钮44, .rect = {193, 442, 72, 24}, .parent = 0,
     .flags = kVisible | kDisabled | kTabStop, .bindings = {}, .own = PushButton("人名检测")},
    {.kind = Kind::Button, .control = 按钮43, .rect = {13, 474, 72, 24}, .parent = 0,
     .flags = kVisible | kDisabled | kTabStop, .bindings = {}, .own = PushButton("结束检测")},
    {.kind = Kind::Button, .control = 按钮42, .rect = {13, 442, 72, 24}, .parent = 0,
     .flags = kVisible | kDisabled | kTabStop, .bindings = {}, .own = PushButton("礼物检测")},
    {.kind = Kind::GroupBox, .control = 分组框8, .rect = {15, 503, 248, 72}, .parent = 0,
     .flags = kVisible | kDisabled, .bindings = {},
     .own = {.text = "非皇马模式下", .text_colour = kRed, .align = Align::Left}},
    {.kind = Kind::SuperBtn, .control = 超级按钮5, .rect = {117, 42, 60, 20}, .parent = 分组框8,
     .flags = kVisible | kDisabled | kTabStop, .bindings = {},
     .own = {.text = "发言变色", .normal = {.text = Rgb(0x90, 0x00, 0xff)}, .hot = {.text = Rgb(0xff, 0x80, 0xc0)}, .pressed = {.text = kRed}}},
    {.kind = Kind::EditBox, .control = 编辑框25, .rect = {504, 360, 64, 16}, .parent = 0,
     .flags = kVisible | kTabStop, .bindings = {}, .own = StateBox("100", InputMode::FreeText)},
    {.kind = Kind::RadioBox, .control = 单选框3, .rect = {389, 416, 56, 16}, .parent = 0,
     .flags = kVisible | kTabStop, .bindings = OnClick<&单选框3_Clicked>, .own = {.text = "2小时"}},
    {.kind = Kind::RadioBox, .control = 单选框2, .rect = {327, 416, 56, 16}, .parent = 0,
     .flags = kVisible | kTabStop, .bindings = OnClick<&单选框2_Clicked>,
     .own = {.text = "1小时", .checked = true, .text_colour = kRed}},
    {.kind = Kind::EditBox, .control = 编辑框30, .rect = {512, 276, 64, 24}, .parent = 0,
     .flags = kVisible | kTabStop, .bindings = {}, .own = StateBox("0", InputMode::FreeText)},
    {.kind = Kind::TransLabel, .control = 透明标签6, .rect = {16, 157, 80, 16}, .parent = 0,
     .flags = kVisible, .bindings = {},
     .own = {.text = "7163Orvane専属", .text_colour = kRed, .font = kSmallBold}},
    {.kind = Kind::TransLabel, .control = 透明标签5, .rect = {156, 172, 64, 16}, .parent = 0,
     .flags = kVisible, .bindings = {},
     .own = {.text = "版本检测：", .text_colour = kBlue, .font = kSmallBold}},
    {.kind = Kind::TransLabel, .control = 透明标签4, .rect = {16, 172, 136, 16}, .parent = 0,
     .flags = kVisible, .bindings = {},
     .own = {.text = "", .text_colour = kRed, .font = kSmallBold}},
    {.kind = Kind::EditBox, .control = 编辑框26, .rect = {504, 341, 120, 16}, .parent = 0,
     .flags = kVisible | kTabStop, .bindings = {}, .own = StateBox("V2.4", InputMode::FreeText)},
    {.kind = Kind::TransLabel, .control = 透明标签1, .rect = {32, 66, 48, 32}, .parent = 0,
     .flags = kVisible, .bindings = {},
     .own = {.text = "VS", .text_colour = kBlue, .font = {.height_px = 48, .weight = 400}}},
    {.kind = Kind::SuperBtn, .control = 超级按钮1, .rect = {160, 363, 136, 24}, .parent = 0,
     .flags = kVisible | kDisabled | kEnabledAtStartUp | kTabStop, .bindings = OnClick<&超级按钮1_Clicked>,
     .own = {.text = "保存游戏数据", .font = {.height_px = 12, .weight = 400}, .normal = {kRed, kButtonFace}, .hot = {kBlack, kWhite}, .pressed = {kBlack, kButtonFace}}},
    {.kind = Kind::Timer, .control = 时钟2, .rect = {584, 244, 26, 26}, .parent = 0,
     .flags = kVisible, .bindings = OnTick<&时钟2_Tick>, .own = {.interval = 1}},
    {.kind = Kind::ProcessBar, .control = 进度条1, .rect = {216, 173, 64, 16}, .parent = 0,
     .flags = kVisible | kDisabled | kEnabledAtStartUp, .bindings = {},
     .own = {.border = border::kShallowSunken, .minimum = 0, .maximum = 50, .position = 0}},
    {.kind = Kind::EditBox, .control = 编辑框23, .rect = {512, 260, 64, 16}, .parent = 0,
     .flags = kVisible | kTabStop, .bindings = {}, .own = StateBox("0", InputMode::ReadOnly)},
    {.kind = Kind::EditBox, .control = 编辑框22, .rect = {512, 244, 64, 16}, .parent = 0,
     .flags = kVisible | kTabStop, .bindings = {}, .own = StateBox("0", InputMode::ReadOnly)},
    {.kind = Kind::Timer, .control = 时钟1, .rect = {584, 196, 26, 26}, .parent = 0,
     .flags = kVisible, .bindings = OnTick<&时钟1_Tick>, .own = {.interval = 1}},
    {.kind = Kind::Label, .control = 标签22, .rect = {504, 220, 160, 24}, .parent = 0,
     .flags = kVisible, .bindings = OnLabelEvent0<&标签22_LabelEvent0>,
     .own = LabelText("", Align::Left)},
    {.kind = Kind::CommonDlg, .control = 通用对话框1, .rect = {504, 180, 80, 40}, .parent = 0,
     .flags = kVisible, .bindings = {}, .own = {}},
    {.kind = Kind::Button, .control = 按钮53, .rect = {424, 199, 40, 48}, .parent = 0,
     .flags = kVisible | kDisabled | kEnabledAtStartUp | kTabStop, .bindings = OnClick<&按钮53_Clicked>,
     .own = PushButton("加错")},
    {.kind = Kind::Button, .control = 按钮52, .rect = {424, 80, 40, 48}, .parent = 0,
     .flags = kVisible | kDisabled | kEnabledAtStartUp | kTabStop, .bindings = OnClick<&按钮52_Clicked>,
     .own = PushButton("加错")},
    {.kind = Kind::Button, .control = 按钮51, .rect = {88, 363, 72, 24}, .parent = 0,
     .flags = kVisible | kDisabled | kEnabledAtStartUp | kTabStop, .bindings = OnClick<&按钮51_Clicked>,
     .own = PushButton("主持跪 +1")},
    {.kind = Kind::Button, .control = 按钮50, .rect = {16, 363, 72, 24}, .parent = 0,
     .flags = kVisible | kDisabled | kEnabledAtStartUp | kTabStop, .bindings = OnClick<&按钮50_Clicked>,
     .own = PushButton("主播跪 +1")},
    {.kind = Kind::Button, .control = 按钮48, .rect = {232, 389, 64, 24}, .parent = 0,
     .flags = kVisible | kDisabled | kEnabledAtStartUp | kTabStop, .bindings = OnClick<&按钮48_Clicked>,
     .own = PushButton("清除总贡")},
    {.kind = Kind::Label, .control = 标签19, .rect = {104, 342, 32, 16}, .parent = 0,
     .flags = kVisible, .bindings = {}, .own = LabelText("单挑", Align::Left)},
    {.kind = Kind::Label, .control = 标签18, .rect = {88, 35, 32, 16}, .parent = 分组框5,
     .flags = kVisible, .bindings = {}, .own = LabelText("单挑", Align::Left)},
    {.kind = Kind::Label, .control = 标签7, .rect = {168, 413, 64, 24}, .parent = 0,
     .flags = kVisible, .bindings = {}, .own = LabelText("仅供参考", Align::Centre)},
    {.kind = Kind::EditBox, .control = 编辑框28, .rect = {80, 389, 88, 24}, .parent = 0,
     .flags = kVisible | kDisabled | kEnabledAtStartUp | kTabStop, .bindings = OnContentChanged<&编辑框28_ContentChanged>,
     .own = ScoreBox("0", kBlue, Align::Centre)},
    {.kind = Kind::Label, .control = 标签17, .rect = {16, 389, 72, 24}, .parent = 0,
     .flags = kVisible, .bindings = {}, .own = LabelText("当前刷豆数：", Align::Left)},
    {.kind = Kind::EditBox, .control = 编辑框24, .rect = {504, 164, 80, 16}, .parent = 0,
     .flags = kVisible | kTabStop, .bindings = OnContentChanged<&编辑框24_ContentChanged>,
     .own = StateBox("48", InputMode::ReadOnly)},
    {.kind = Kind::EditBox, .control = 编辑框18, .rect = {504, 148, 80, 16}, .parent = 0,
     .flags = kVisible | kTabStop, .bindings = {}, .own = StateBox("0", InputMode::ReadOnly)},
    {.kind = Kind::EditBox, .control = 编辑框17, .rect = {504, 132, 80, 16}, .parent = 0,
     .flags = kVisible | kTabStop, .bindings = {}, .own = StateBox("0", InputMode::ReadOnly)},
    {.kind = Kind::EditBox, .control = 编辑框16, .rect = {504, 116, 80, 16}, .parent = 0,
     .flags = kVisible | kTabStop, .bindings = {}, .own = StateBox("0", InputMode::ReadOnly)},
    {.kind = Kind::EditBox, .control = 编辑框15, .rect = {504, 100, 80, 16}, .parent = 0,
     .flags = kVisible | kTabStop, .bindings = {}, .own = StateBox("100", InputMode::ReadOnly)},
    {.kind = Kind::EditBox, .control = 编辑框14, .rect = {504, 84, 80, 16}, .parent = 0,
     .flags = kVisible | kTabStop, .bindings = {}, .own = StateBox("21000", InputMode::ReadOnly)},
    {.kind = Kind::EditBox, .control = 编辑框13, .rect = {232, 412, 64, 25}, .parent = 0,
     .flags = kTabStop, .bindings = {}, .own = ScoreBox("", kBlue, Align::Centre)},
    {.kind = Kind::Label, .control = 标签4, .rect = {168, 389, 64, 24}, .parent = 0,
     .flags = kVisible, .bindings = {}, .own = LabelText("需主持费\r\n", Align::Centre)},
    {.kind = Kind::EditBox, .control = 编辑框12, .rect = {80, 413, 88, 24}, .parent = 0,
     .flags = kVisible | kDisabled | kEnabledAtStartUp | kTabStop, .bindings = OnContentChanged<&编辑框12_ContentChanged>,
     .own = ScoreBox("0", kBlue, Align::Centre)},
    {.kind = Kind::ColorPicker, .control = 颜色选择器5, .rect = {504, 60, 80, 24}, .parent = 0,
     .flags = kVisible | kTabStop, .bindings = {}, .own = {.back_colour = kRed}},
    {.kind = Kind::ColorPicker, .control = 颜色选择器4, .rect = {504, 36, 80, 24}, .parent = 0,
     .flags = kVisible | kTabStop, .bindings = {}, .own = {.back_colour = kBlue}},
    {.kind = Kind::ColorPicker, .control = 颜色选择器3, .rect = {504, 12, 80, 24}, .parent = 0,
     .flags = kVisible | kTabStop, .bindings = {}, .own = {.back_colour = kRed}},
    {.kind = Kind::EditBox, .control = 编辑框11, .rect = {64, 190, 88, 24}, .parent = 0,
     .flags = kVisible | kDisabled | kEnabledAtStartUp | kTabStop, .bindings = {},
     .own = ScoreBox("0", kMagenta, Align::Left)},
    {.kind = Kind::EditBox, .control = 编辑框10, .rect = {20, 122, 72, 24}, .parent = 0,
     .flags = kVisible | kDisabled | kEnabledAtStartUp | kTabStop, .bindings = OnContentChanged<&编辑框10_ContentChanged>,
     .own = ScoreBox("0", kBlue, Align::Centre)},
    {.kind = Kind::EditBox, .control = 编辑框9, .rect = {20, 26, 72, 24}, .parent = 0,
     .flags = kVisible | kDisabled | kEnabledAtStartUp | kTabStop, .bindings = OnContentChanged<&编辑框9_ContentChanged>,
     .own = ScoreBox("0", kBlue, Align::Centre)},
    {.kind = Kind::Button, .control = 按钮41, .rect = {176, 342, 40, 16}, .parent = 0,
     .flags = kVisible | kDisabled | kTabStop, .bindings = OnClick<&按钮41_Clicked>,
     .own = PushButton("关闭")},
    {.kind = Kind::Button, .control = 按钮40, .rect = {176, 286, 40, 16}, .parent = 0,
     .flags = kVisible | kDisabled | kTabStop, .bindings = OnClick<&按钮40_Clicked>,
     .own = PushButton("关闭")},
    {.kind = Kind::Label, .control = 标签16, .rect = {16, 413, 72, 24}, .parent = 0,
     .flags = kVisible, .bindings = {}, .own = LabelText("刷豆总计数：", Align::Left)},
    {.kind = Kind::Label, .control = 标签15, .rect = {304, 384, 48, 16}, .parent = 0,
     .flags = kVisible, .bindings = {}, .own = LabelText("字体大小", Align::Left)},
    {.kind = Kind::Label, .control = 标签14, .rect = {304, 352, 48, 16}, .parent = 0,
     .flags = kVisible, .bindings = {}, .own = LabelText("字体大小", Align::Left)},
    {.kind = Kind::SliderBar, .control = 滑块条2, .rect = {352, 384, 112, 16}, .parent = 0,
     .flags = kVisible | kDisabled | kEnabledAtStartUp | kTabStop, .bindings = {}, .own = kFontSizeSlider},
    {.kind = Kind::SliderBar, .control = 滑块条1, .rect = {352, 352, 112, 16}, .parent = 0,
     .flags = kVisible | kDisabled | kEnabledAtStartUp | kTabStop, .bindings = {}, .own = kFontSizeSlider},
    {.kind = Kind::Label, .control = 标签13, .rect = {304, 368, 112, 16}, .parent = 0,
     .flags = kVisible, .bindings = {}, .own = LabelText("小黄鸭队员文字颜色", Align::Left)},
    {.kind = Kind::ColorPicker, .control = 颜色选择器2, .rect = {416, 368, 48, 16}, .parent = 0,
     .flags = kVisible | kDisabled | kEnabledAtStartUp | kTabStop, .bindings = {},
     .own = {.back_colour = kDefaultColour}},
    {.kind = Kind::Label, .control = 标签12, .rect = {304, 336, 112, 16}, .parent = 0,
     .flags = kVisible, .bindings = {}, .own = LabelText("棒棒糖队员文字颜色", Align::Left)},
    {.kind = Kind::ColorPicker, .control = 颜色选择器1, .rect = {416, 336, 48, 16}, .parent = 0,
     .flags = kVisible | kDisabled | kEnabledAtStartUp | kTabStop, .bindings = {},
     .own = {.back_colour = kDefaultColour}},
    {.kind = Kind::Button, .control = 按钮38, .rect = {136, 342, 40, 16}, .parent = 0,
     .flags = kVisible | kDisabled | kEnabledAtStartUp | kTabStop, .bindings = OnClick<&按钮38_Clicked>,
     .own = PushButton("开启")},
    {.kind = Kind::EditBox, .control = 编辑框8, .rect = {80, 342, 24, 16}, .parent = 0,
     .flags = kVisible | kDisabled | kTabStop, .bindings = {},
     .own = NumberBox("1", Align::Centre)},
    {.kind = Kind::Label, .control = 标签11, .rect = {24, 342, 120, 16}, .parent = 0,
     .flags = kVisible, .bindings = {}, .own = LabelText("棒棒糖 1V", Align::Left)},
    {.kind = Kind::Button, .control = 按钮37, .rect = {120, 35, 40, 16}, .parent = 分组框5,
     .flags = kVisible | kDisabled | kEnabledAtStartUp | kTabStop, .bindings = OnClick<&按钮37_Clicked>,
     .own = PushButton("开启")},
    {.kind = Kind::EditBox, .control = 编辑框7, .rect = {64, 35, 24, 16}, .parent = 分组框5,
     .flags = kVisible | kDisabled | kTabStop, .bindings = {},
     .own = NumberBox("1", Align::Centre)},
    {.kind = Kind::Label, .control = 标签10, .rect = {8, 35, 120, 16}, .parent = 分组框5,
     .flags = kVisible, .bindings = {}, .own = LabelText("小黄鸭 1V", Align::Left)},
    {.kind = Kind::Button, .control = 按钮27, .rect = {232, 339, 28, 20}, .parent = 0,
     .flags = kVisible | kDisabled | kEnabledAtStartUp | kTabStop, .bindings = OnClick<&按钮27_Clicked>,
     .own = PushButton("-")},
    {.kind = Kind::Button, .control = 按钮28, .rect = {184, 319, 32, 20}, .parent = 0,
     .flags = kVisible | kDisabled | kEnabledAtStartUp | kTabStop, .bindings = OnClick<&按钮28_Clicked>,
     .own = AmountButton<按钮28>()},
    {.kind = Kind::Button, .control = 按钮29, .rect = {152, 319, 26, 20}, .parent = 0,
     .flags = kVisible | kDisabled | kEnabledAtStartUp | kTabStop, .bindings = OnClick<&按钮29_Clicked>,
     .own = AmountButton<按钮29>()},
    {.kind = Kind::Button, .control = 按钮30, .rect = {120, 319, 26, 20}, .parent = 0,
     .flags = kVisible | kDisabled | kEnabledAtStartUp | kTabStop, .bindings = OnClick<&按钮30_Clicked>,
     .own = AmountButton<按钮30>()},
    {.kind = Kind::Button, .control = 按钮31, .rect = {88, 319, 24, 20}, .parent = 0,
     .flags = kVisible | kDisabled | kEnabledAtStartUp | kTabStop, .bindings = OnClick<&按钮31_Clicked>,
     .own = AmountButton<按钮31>()},
    {.kind = Kind::Button, .control = 按钮32, .rect = {56, 319, 24, 20}, .parent = 0,
     .flags = kVisible | kDisabled | kEnabledAtStartUp | kTabStop, .bindings = OnClick<&按钮32_Clicked>,
     .own = AmountButton<按钮32>()},
    {.kind = Kind::GroupBox, .control = 分组框6, .rect = {16, 307, 280, 56}, .parent = 0,
     .flags = kVisible, .bindings = {},
     .own = {.text = "主持队", .text_colour = kRed, .align = Align::Right}},
    {.kind = Kind::Button, .control = 按钮33, .rect = {244, 32, 28, 20}, .parent = 分组框6,
     .flags = kVisible | kDisabled | kEnabledAtStartUp | kTabStop, .bindings = OnClick<&按钮33_Clicked>,
     .own = PushButton("+")},
    {.kind = Kind::EditBox, .control = 编辑框6, .rect = {216, 12, 56, 20}, .parent = 分组框6,
     .flags = kVisible | kDisabled | kEnabledAtStartUp | kTabStop, .bindings = OnKeyDown<&编辑框6_KeyDown>,
     .own = NumberBox("", Align::Left)},
    {.kind = Kind::Button, .control = 按钮36, .rect = {8, 12, 24, 20}, .parent = 分组框6,
     .flags = kVisible | kDisabled | kEnabledAtStartUp | kTabStop, .bindings = OnClick<&按钮36_Clicked>,
     .own = AmountButton<按钮36>()},
    {.kind = Kind::Button, .control = 按钮35, .rect = {232, 283, 28, 20}, .parent = 0,
     .flags = kVisible | kDisabled | kEnabledAtStartUp | kTabStop, .bindings = OnClick<&按钮35_Clicked>,
     .own = PushButton("-")},
    {.kind = Kind::Button, .control = 按钮34, .rect = {151, 189, 64, 24}, .parent = 0,
     .flags = kVisible | kDisabled | kEnabledAtStartUp | kTabStop, .bindings = OnClick<&按钮34_Clicked>,
     .own = PushButton("计算器")},
    {.kind = Kind::Button, .control = 按钮26, .rect = {244, 32, 28, 20}, .parent = 分组框5,
     .flags = kVisible | kDisabled | kEnabledAtStartUp | kTabStop, .bindings = OnClick<&按钮26_Clicked>,
     .own = PushButton("+")},
    {.kind = Kind::EditBox, .control = 编辑框5, .rect = {216, 12, 56, 20}, .parent = 分组框5,
     .flags = kVisible | kDisabled | kEnabledAtStartUp | kTabStop, .bindings = OnKeyDown<&编辑框5_KeyDown>,
     .own = NumberBox("", Align::Left)},
    {.kind = Kind::Button, .control = 按钮25, .rect = {184, 263, 32, 20}, .parent = 0,
     .flags = kVisible | kDisabled | kEnabledAtStartUp | kTabStop, .bindings = OnClick<&按钮25_Clicked>,
     .own = AmountButton<按钮25>()},
    {.kind = Kind::Button, .control = 按钮24, .rect = {152, 263, 26, 20}, .parent = 0,
     .flags = kVisible | kDisabled | kEnabledAtStartUp | kTabStop, .bindings = OnClick<&按钮24_Clicked>,
     .own = AmountButton<按钮24>()},
    {.kind = Kind::Button, .control = 按钮23, .rect = {120, 263, 26, 20}, .parent = 0,
     .flags = kVisible | kDisabled | kEnabledAtStartUp | kTabStop, .bindings = OnClick<&按钮23_Clicked>,
     .own = AmountButton<按钮23>()},
    {.kind = Kind::Button, .control = 按钮22, .rect = {88, 263, 24, 20}, .parent = 0,
     .flags = kVisible | kDisabled | kEnabledAtStartUp | kTabStop, .bindings = OnClick<&按钮22_Clicked>,
     .own = AmountButton<按钮22>()},
    {.kind = Kind::Button, .control = 按钮21, .rect = {56, 263, 24, 20}, .parent = 0,
     .flags = kVisible | kDisabled | kEnabledAtStartUp | kTabStop, .bindings = OnClick<&按钮21_Clicked>,
     .own = AmountButton<按钮21>()},
    {.kind = Kind::Button, .control = 按钮20, .rect = {8, 12, 24, 20}, .parent = 分组框5,
     .flags = kVisible | kDisabled | kEnabledAtStartUp | kTabStop, .bindings = OnClick<&按钮20_Clicked>,
     .own = AmountButton<按钮20>()},
    {.kind = Kind::GroupBox, .control = 分组框5, .rect = {16, 251, 280, 56}, .parent = 0,
     .flags = kVisible, .bindings = {},
     .own = {.text = "主播队", .text_colour = kRed, .align = Align::Right}},
    {.kind = Kind::Button, .control = 按钮19, .rect = {368, 292, 48, 24}, .parent = 0,
     .flags = kVisible | kDisabled | kEnabledAtStartUp | kTabStop, .bindings = OnClick<&按钮19_Clicked>,
     .own = PushButton("还原")},
    {.kind = Kind::Button, .control = 按钮18, .rect = {368, 247, 48, 24}, .parent = 0,
     .flags = kVisible | kDisabled | kEnabledAtStartUp | kTabStop, .bindings = OnClick<&按钮18_Clicked>,
     .own = PushButton("还原")},
    {.kind = Kind::Label, .control = 标签9, .rect = {304, 128, 64, 24}, .parent = 0,
     .flags = kVisible, .bindings = {}, .own = LabelText("主持队", Align::Centre)},
    {.kind = Kind::EditBox, .control = 编辑框4, .rect = {368, 128, 96, 24}, .parent = 0,
     .flags = kVisible | kDisabled | kEnabledAtStartUp | kTabStop, .bindings = {}, .own = QuantityBox()},
    {.kind = Kind::Button, .control = 按钮4, .rect = {384, 199, 40, 48}, .parent = 0,
     .flags = kVisible | kDisabled | kEnabledAtStartUp | kTabStop, .bindings = OnClick<&按钮4_Clicked>,
     .own = GiftButton<按钮4>()},
    {.kind = Kind::Button, .control = 按钮5, .rect = {344, 199, 40, 48}, .parent = 0,
     .flags = kVisible | kDisabled | kEnabledAtStartUp | kTabStop, .bindings = OnClick<&按钮5_Clicked>,
     .own = GiftButton<按钮5>()},
    {.kind = Kind::Button, .control = 按钮6, .rect = {304, 199, 40, 48}, .parent = 0,
     .flags = kVisible | kDisabled | kEnabledAtStartUp | kTabStop, .bindings = OnClick<&按钮6_Clicked>,
     .own = GiftButton<按钮6>()},
    {.kind = Kind::Button, .control = 按钮14, .rect = {424, 152, 40, 48}, .parent = 0,
     .flags = kVisible | kDisabled | kEnabledAtStartUp | kTabStop, .bindings = OnClick<&按钮14_Clicked>,
     .own = GiftButton<按钮14>()},
    {.kind = Kind::Button, .control = 按钮15, .rect = {384, 152, 40, 48}, .parent = 0,
     .flags = kVisible | kDisabled | kEnabledAtStartUp | kTabStop, .bindings = OnClick<&按钮15_Clicked>,
     .own = GiftButton<按钮15>()},
    {.kind = Kind::Button, .control = 按钮16, .rect = {344, 152, 40, 48}, .parent = 0,
     .flags = kVisible | kDisabled | kEnabledAtStartUp | kTabStop, .bindings = OnClick<&按钮16_Clicked>,
     .own = GiftButton<按钮16>()},
    {.kind = Kind::Button, .control = 按钮17, .rect = {304, 152, 40, 48}, .parent = 0,
     .flags = kVisible | kDisabled | kEnabledAtStartUp | kTabStop, .bindings = OnClick<&按钮17_Clicked>,
     .own = GiftButton<按钮17>()},
    {.kind = Kind::Label, .control = 标签8, .rect = {304, 8, 64, 24}, .parent = 0,
     .flags = kVisible, .bindings = {}, .own = LabelText("主播队", Align::Centre)},
    {.kind = Kind::EditBox, .control = 编辑框3, .rect = {368, 8, 96, 24}, .parent = 0,
     .flags = kVisible | kDisabled | kEnabledAtStartUp | kTabStop, .bindings = {}, .own = QuantityBox()},
    {.kind = Kind::Button, .control = 按钮13, .rect = {384, 80, 40, 48}, .parent = 0,
     .flags = kVisible | kDisabled | kEnabledAtStartUp | kTabStop, .bindings = OnClick<&按钮13_Clicked>,
     .own = GiftButton<按钮13>()},
    {.kind = Kind::Button, .control = 按钮12, .rect = {344, 80, 40, 48}, .parent = 0,
     .flags = kVisible | kDisabled | kEnabledAtStartUp | kTabStop, .bindings = OnClick<&按钮12_Clicked>,
     .own = GiftButton<按钮12>()},
    {.kind = Kind::Button, .control = 按钮11, .rect = {304, 80, 40, 48}, .parent = 0,
     .flags = kVisible | kDisabled | kEnabledAtStartUp | kTabStop, .bindings = OnClick<&按钮11_Clicked>,
     .own = GiftButton<按钮11>()},
    {.kind = Kind::Button, .control = 按钮10, .rect = {424, 32, 40, 48}, .parent = 0,
     .flags = kVisible | kDisabled | kEnabledAtStartUp | kTabStop, .bindings = OnClick<&按钮10_Clicked>,
     .own = GiftButton<按钮10>()},
    {.kind = Kind::Button, .control = 按钮9, .rect = {384, 32, 40, 48}, .parent = 0,
     .flags = kVisible | kDisabled | kEnabledAtStartUp | kTabStop, .bindings = OnClick<&按钮9_Clicked>,
     .own = GiftButton<按钮9>()},
    {.kind = Kind::Button, .control = 按钮8, .rect = {344, 32, 40, 48}, .parent = 0,
     .flags = kVisible | kDisabled | kEnabledAtStartUp | kTabStop, .bindings = OnClick<&按钮8_Clicked>,
     .own = GiftButton<按钮8>()},
    {.kind = Kind::Button, .control = 按钮7, .rect = {304, 32, 40, 48}, .parent = 0,
     .flags = kVisible | kDisabled | kEnabledAtStartUp | kTabStop, .bindings = OnClick<&按钮7_Clicked>,
     .own = GiftButton<按钮7>()},
    {.kind = Kind::Button, .control = 按钮3, .rect = {216, 189, 65, 24}, .parent = 0,
     .flags = kVisible | kDisabled | kEnabledAtStartUp | kTabStop, .bindings = OnClick<&按钮3_Clicked>,
     .own = PushButton("清除")},
    {.kind = Kind::Label, .control = 标签6, .rect = {16, 190, 48, 24}, .parent = 0,
     .flags = kVisible, .bindings = {},
     .own = {.text = "相差：", .text_colour = kBlack, .font = {.height_px = 16, .weight = 400}, .align = Align::Centre, .word_wrap = true}},
    {.kind = Kind::EditBox, .control = 编辑框2, .rect = {108, 103, 164, 65}, .parent = 0,
     .flags = kVisible | kDisabled | kEnabledAtStartUp | kTabStop, .bindings = OnContentChanged<&编辑框2_ContentChanged>,
     .own = TeamLineBox("队：")},
    {.kind = Kind::EditBox, .control = 编辑框1, .rect = {108, 20, 164, 65}, .parent = 0,
     .flags = kVisible | kDisabled | kEnabledAtStartUp | kTabStop, .bindings = OnContentChanged<&编辑框1_ContentChanged>,
     .own = TeamLineBox("Orvane队：")},
    {.kind = Kind::Button, .control = 按钮2, .rect = {416, 292, 48, 24}, .parent = 0,
     .flags = kVisible | kDisabled | kEnabledAtStartUp | kTabStop, .bindings = OnClick<&按钮2_Clicked>,
     .own = PushButton("更改")},
    {.kind = Kind::Label, .control = 标签3, .rect = {304, 292, 64, 24}, .parent = 0,
     .flags = kVisible, .bindings = {}, .own = LabelText("主持队形", Align::Centre)},
    {.kind = Kind::ComboBox, .control = 组合框2, .rect = {304, 316, 160, 20}, .parent = 0,
     .flags = kVisible | kDisabled | kEnabledAtStartUp | kTabStop, .bindings = {},
     .own = {.items = k组合框2Items, .selection = 2, .drop_down_list = true}},
    {.kind = Kind::Button, .control = 按钮1, .rect = {416, 247, 48, 24}, .parent = 0,
     .flags = kVisible | kDisabled | kEnabledAtStartUp | kTabStop, .bindings = OnClick<&按钮1_Clicked>,
     .own = PushButton("更改")},
    {.kind = Kind::Label, .control = 标签2, .rect = {304, 247, 64, 24}, .parent = 0,
     .flags = kVisible, .bindings = {}, .own = LabelText("Orvane队形", Align::Centre)},
    {.kind = Kind::ComboBox, .control = 组合框1, .rect = {304, 271, 160, 20}, .parent = 0,
     .flags = kVisible | kDisabled | kEnabledAtStartUp | kTabStop, .bindings = {},
     .own = {.items = k组合框1Items, .selection = 0, .drop_down_list = true}},
    {.kind = Kind::GroupBox, .control = 分组框4, .rect = {104, 90, 176, 82}, .parent = 0,
     .flags = kVisible, .bindings = {},
     .own = {.text = "队员", .text_colour = kBlue, .font = kSmallBold, .align = Align::Centre}},
    {.kind = Kind::GroupBox, .control = 分组框3, .rect = {104, 8, 176, 82}, .parent = 0,
     .flags = kVisible, .bindings = {},
     .own = {.text = "队员", .text_colour = kBlue, .font = kSmallBold, .align = Align::Centre}},
    {.kind = Kind::GroupBox, .control = 分组框2, .rect = {16, 106, 80, 48}, .parent = 0,
     .flags = kVisible, .bindings = {},
     .own = {.text = "小黄鸭队", .text_colour = kRed, .font = kTeamCaption, .align = Align::Centre}},
    {.kind = Kind::GroupBox, .control = 分组框1, .rect = {16, 10, 80, 48}, .parent = 0,
     .flags = kVisible, .bindings = {},
     .own = {.text = "棒棒糖队", .text_colour = kRed, .font = kTeamCaption, .align = Align::Centre}},
    {.kind = Kind::GroupBox, .control = 分组框7, .rect = {303, 401, 160, 36}, .parent = 0,
     .flags = kVisible, .bindings = {},
     .own = {.text = "游戏时间", .text_colour = kRed, .align = Align::Left}},
};
// clang-format on

const InstalledCatalogue kInstalled(kWindow, kControls, TimerWakes());

}  // namespace
