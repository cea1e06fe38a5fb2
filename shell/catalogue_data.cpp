// The main window and its controls as data, one record per control, in stacking order
// (the first record lies on top of its siblings). Everything a control shows before the
// first handler runs comes from here: the start-up step only enables controls and shows
// the host fee box, so a wrong flag or text here is what the host sees.
#include "shell/catalogue.h"
#include "shell/control_ids.h"
#include "shell/handlers.h"

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

// A gift button shows its picture instead of the caption it still stores.
constexpr OwnProperties GiftButton(const char* picture) {
  return {.text = "按钮", .align = Align::Centre, .centre_vertically = true, .picture = picture};
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

constexpr Binding kMainWindowBindings[] = {{event::kCreated, &MainWindow_Created}};

constexpr Binding k编辑框9Bindings[] = {{event::kContentChanged, &编辑框9_ContentChanged}};
constexpr Binding k编辑框10Bindings[] = {{event::kContentChanged, &编辑框10_ContentChanged}};
constexpr Binding k编辑框1Bindings[] = {{event::kContentChanged, &编辑框1_ContentChanged}};
constexpr Binding k编辑框2Bindings[] = {{event::kContentChanged, &编辑框2_ContentChanged}};
constexpr Binding k按钮34Bindings[] = {{event::kClicked, &按钮34_Clicked}};
constexpr Binding k按钮3Bindings[] = {{event::kClicked, &按钮3_Clicked}};
constexpr Binding k按钮20Bindings[] = {{event::kClicked, &按钮20_Clicked}};
constexpr Binding k按钮21Bindings[] = {{event::kClicked, &按钮21_Clicked}};
constexpr Binding k按钮22Bindings[] = {{event::kClicked, &按钮22_Clicked}};
constexpr Binding k按钮23Bindings[] = {{event::kClicked, &按钮23_Clicked}};
constexpr Binding k按钮24Bindings[] = {{event::kClicked, &按钮24_Clicked}};
constexpr Binding k按钮25Bindings[] = {{event::kClicked, &按钮25_Clicked}};
constexpr Binding k编辑框5Bindings[] = {{event::kKeyDown, &编辑框5_KeyDown}};
constexpr Binding k按钮26Bindings[] = {{event::kClicked, &按钮26_Clicked}};
constexpr Binding k按钮35Bindings[] = {{event::kClicked, &按钮35_Clicked}};
constexpr Binding k按钮37Bindings[] = {{event::kClicked, &按钮37_Clicked}};
constexpr Binding k按钮40Bindings[] = {{event::kClicked, &按钮40_Clicked}};
constexpr Binding k按钮36Bindings[] = {{event::kClicked, &按钮36_Clicked}};
constexpr Binding k按钮32Bindings[] = {{event::kClicked, &按钮32_Clicked}};
constexpr Binding k按钮31Bindings[] = {{event::kClicked, &按钮31_Clicked}};
constexpr Binding k按钮30Bindings[] = {{event::kClicked, &按钮30_Clicked}};
constexpr Binding k按钮29Bindings[] = {{event::kClicked, &按钮29_Clicked}};
constexpr Binding k按钮28Bindings[] = {{event::kClicked, &按钮28_Clicked}};
constexpr Binding k编辑框6Bindings[] = {{event::kKeyDown, &编辑框6_KeyDown}};
constexpr Binding k按钮33Bindings[] = {{event::kClicked, &按钮33_Clicked}};
constexpr Binding k按钮27Bindings[] = {{event::kClicked, &按钮27_Clicked}};
constexpr Binding k按钮38Bindings[] = {{event::kClicked, &按钮38_Clicked}};
constexpr Binding k按钮41Bindings[] = {{event::kClicked, &按钮41_Clicked}};
constexpr Binding k按钮50Bindings[] = {{event::kClicked, &按钮50_Clicked}};
constexpr Binding k按钮51Bindings[] = {{event::kClicked, &按钮51_Clicked}};
constexpr Binding k超级按钮1Bindings[] = {{event::kClicked, &超级按钮1_Clicked}};
constexpr Binding k编辑框28Bindings[] = {{event::kContentChanged, &编辑框28_ContentChanged}};
constexpr Binding k按钮48Bindings[] = {{event::kClicked, &按钮48_Clicked}};
constexpr Binding k编辑框12Bindings[] = {{event::kContentChanged, &编辑框12_ContentChanged}};
constexpr Binding k按钮7Bindings[] = {{event::kClicked, &按钮7_Clicked}};
constexpr Binding k按钮8Bindings[] = {{event::kClicked, &按钮8_Clicked}};
constexpr Binding k按钮9Bindings[] = {{event::kClicked, &按钮9_Clicked}};
constexpr Binding k按钮10Bindings[] = {{event::kClicked, &按钮10_Clicked}};
constexpr Binding k按钮11Bindings[] = {{event::kClicked, &按钮11_Clicked}};
constexpr Binding k按钮12Bindings[] = {{event::kClicked, &按钮12_Clicked}};
constexpr Binding k按钮13Bindings[] = {{event::kClicked, &按钮13_Clicked}};
constexpr Binding k按钮52Bindings[] = {{event::kClicked, &按钮52_Clicked}};
constexpr Binding k按钮17Bindings[] = {{event::kClicked, &按钮17_Clicked}};
constexpr Binding k按钮16Bindings[] = {{event::kClicked, &按钮16_Clicked}};
constexpr Binding k按钮15Bindings[] = {{event::kClicked, &按钮15_Clicked}};
constexpr Binding k按钮14Bindings[] = {{event::kClicked, &按钮14_Clicked}};
constexpr Binding k按钮6Bindings[] = {{event::kClicked, &按钮6_Clicked}};
constexpr Binding k按钮5Bindings[] = {{event::kClicked, &按钮5_Clicked}};
constexpr Binding k按钮4Bindings[] = {{event::kClicked, &按钮4_Clicked}};
constexpr Binding k按钮53Bindings[] = {{event::kClicked, &按钮53_Clicked}};
constexpr Binding k按钮18Bindings[] = {{event::kClicked, &按钮18_Clicked}};
constexpr Binding k按钮1Bindings[] = {{event::kClicked, &按钮1_Clicked}};
constexpr Binding k按钮19Bindings[] = {{event::kClicked, &按钮19_Clicked}};
constexpr Binding k按钮2Bindings[] = {{event::kClicked, &按钮2_Clicked}};
constexpr Binding k单选框2Bindings[] = {{event::kClicked, &单选框2_Clicked}};
constexpr Binding k单选框3Bindings[] = {{event::kClicked, &单选框3_Clicked}};
constexpr Binding k列表框2Bindings[] = {{event::kListEvent0, &列表框2_ListEvent0}};
constexpr Binding k按钮54Bindings[] = {{event::kClicked, &按钮54_Clicked}};
constexpr Binding k超级按钮2Bindings[] = {{event::kClicked, &超级按钮2_Clicked}};
constexpr Binding k编辑框19Bindings[] = {{event::kContentChanged, &编辑框19_ContentChanged}};
constexpr Binding k编辑框24Bindings[] = {{event::kContentChanged, &编辑框24_ContentChanged}};
constexpr Binding k时钟1Bindings[] = {{event::kTick, &时钟1_Tick}};
constexpr Binding k标签22Bindings[] = {{event::kLabelEvent0, &标签22_LabelEvent0}};
constexpr Binding k时钟2Bindings[] = {{event::kTick, &时钟2_Tick}};

constexpr WindowSpec kWindow{
    .title = "LirvoLv7163Orvane専属游戏计数器_TobrikV2.4 无账号正式版",
    .outer = {50, 50, 478, 610},
    .background_picture = "background",
    .bindings = kMainWindowBindings,
};

// Each record: kind, name, id, rectangle (inside its group box when it has a parent),
// parent, flags, bindings, own properties.
// clang-format off
constexpr ControlSpec kControls[] = {
    {.kind = Kind::Button, .name = "按钮49", .id = 按钮49, .rect = {216, 225, 65, 24}, .parent = 0,
     .flags = kVisible | kDisabled | kTabStop, .bindings = {}, .own = PushButton("结束进程")},
    {.kind = Kind::Button, .name = "按钮39", .id = 按钮39, .rect = {152, 225, 64, 24}, .parent = 0,
     .flags = kVisible | kDisabled | kTabStop, .bindings = {}, .own = PushButton("开启进程")},
    {.kind = Kind::EditBox, .name = "编辑框29", .id = 编辑框29, .rect = {269, 503, 104, 72}, .parent = 0,
     .flags = kVisible | kDisabled | kTabStop, .bindings = {}, .own = {.text = ""}},
    {.kind = Kind::Button, .name = "按钮55", .id = 按钮55, .rect = {197, 545, 59, 20}, .parent = 0,
     .flags = kVisible | kDisabled | kTabStop, .bindings = {}, .own = PushButton("无限霸屏")},
    {.kind = Kind::SuperBtn, .name = "超级按钮4", .id = 超级按钮4, .rect = {381, 551, 80, 24}, .parent = 0,
     .flags = kVisible | kDisabled | kTabStop, .bindings = {},
     .own = {.text = "开启自动发送", .normal = {.text = kRed}}},
    {.kind = Kind::TransLabel, .name = "透明标签8", .id = 透明标签8, .rect = {435, 531, 31, 16}, .parent = 0,
     .flags = kVisible | kDisabled, .bindings = {},
     .own = {.text = "分钟", .text_colour = kRed, .font = kSmallBold}},
    {.kind = Kind::EditBox, .name = "编辑框27", .id = 编辑框27, .rect = {408, 530, 24, 18}, .parent = 0,
     .flags = kVisible | kDisabled | kTabStop, .bindings = {}, .own = {.text = ""}},
    {.kind = Kind::TransLabel, .name = "透明标签7", .id = 透明标签7, .rect = {381, 527, 32, 24}, .parent = 0,
     .flags = kVisible | kDisabled, .bindings = {},
     .own = {.text = "间隔", .text_colour = kRed, .font = kSmallBold}},
    {.kind = Kind::Button, .name = "按钮54", .id = 按钮54, .rect = {381, 503, 80, 24}, .parent = 0,
     .flags = kVisible | kDisabled | kTabStop, .bindings = k按钮54Bindings,
     .own = PushButton("读取场控文本")},
    {.kind = Kind::SuperBtn, .name = "超级按钮3", .id = 超级按钮3, .rect = {197, 516, 59, 20}, .parent = 0,
     .flags = kVisible | kDisabled | kTabStop, .bindings = {},
     .own = {.text = "开启防踢", .normal = {.text = kMagenta}}},
    {.kind = Kind::SuperBtn, .name = "超级按钮2", .id = 超级按钮2, .rect = {132, 516, 60, 21}, .parent = 0,
     .flags = kVisible | kDisabled | kTabStop, .bindings = k超级按钮2Bindings,
     .own = {.text = "一键双封", .normal = {.text = kMagenta}}},
    {.kind = Kind::TransLabel, .name = "透明标签3", .id = 透明标签3, .rect = {25, 515, 56, 24}, .parent = 0,
     .flags = kVisible | kDisabled, .bindings = {}, .own = {.text = "输入名字："}},
    {.kind = Kind::EditBox, .name = "编辑框19", .id = 编辑框19, .rect = {23, 537, 104, 24}, .parent = 0,
     .flags = kVisible | kDisabled | kTabStop, .bindings = k编辑框19Bindings, .own = {.text = ""}},
    {.kind = Kind::Button, .name = "按钮47", .id = 按钮47, .rect = {381, 474, 80, 24}, .parent = 0,
     .flags = kVisible | kDisabled | kTabStop, .bindings = {}, .own = PushButton("添加至主持队")},
    {.kind = Kind::Button, .name = "按钮46", .id = 按钮46, .rect = {381, 442, 80, 24}, .parent = 0,
     .flags = kVisible | kDisabled | kTabStop, .bindings = {}, .own = PushButton("添加至主播队")},
    {.kind = Kind::ListBox, .name = "列表框2", .id = 列表框2, .rect = {269, 442, 104, 56}, .parent = 0,
     .flags = kDisabled | kTabStop, .bindings = k列表框2Bindings,
     .own = {.items = kNoClientItems, .selection = -1}},
    {.kind = Kind::ListBox, .name = "列表框1", .id = 列表框1, .rect = {87, 442, 104, 56}, .parent = 0,
     .flags = kDisabled | kTabStop, .bindings = {},
     .own = {.items = kNoClientItems, .selection = -1}},
    {.kind = Kind::Button, .name = "按钮45", .id = 按钮45, .rect = {193, 474, 72, 24}, .parent = 0,
     .flags = kVisible | kDisabled | kTabStop, .bindings = {}, .own = PushButton("结束检测")},
    {.kind = Kind::Button, .name = "按钮44", .id = 按钮44, .rect = {193, 442, 72, 24}, .parent = 0,
     .flags = kVisible | kDisabled | kTabStop, .bindings = {}, .own = PushButton("人名检测")},
    {.kind = Kind::Button, .name = "按钮43", .id = 按钮43, .rect = {13, 474, 72, 24}, .parent = 0,
     .flags = kVisible | kDisabled | kTabStop, .bindings = {}, .own = PushButton("结束检测")},
    {.kind = Kind::Button, .name = "按钮42", .id = 按钮42, .rect = {13, 442, 72, 24}, .parent = 0,
     .flags = kVisible | kDisabled | kTabStop, .bindings = {}, .own = PushButton("礼物检测")},
    {.kind = Kind::GroupBox, .name = "分组框8", .id = 分组框8, .rect = {15, 503, 248, 72}, .parent = 0,
     .flags = kVisible | kDisabled, .bindings = {},
     .own = {.text = "非皇马模式下", .text_colour = kRed, .align = Align::Left}},
    {.kind = Kind::SuperBtn, .name = "超级按钮5", .id = 超级按钮5, .rect = {117, 42, 60, 20}, .parent = 分组框8,
     .flags = kVisible | kDisabled | kTabStop, .bindings = {},
     .own = {.text = "发言变色", .normal = {.text = Rgb(0x90, 0x00, 0xff)}, .hot = {.text = Rgb(0xff, 0x80, 0xc0)}, .pressed = {.text = kRed}}},
    {.kind = Kind::EditBox, .name = "编辑框25", .id = 编辑框25, .rect = {504, 360, 64, 16}, .parent = 0,
     .flags = kVisible | kTabStop, .bindings = {}, .own = StateBox("100", InputMode::FreeText)},
    {.kind = Kind::RadioBox, .name = "单选框3", .id = 单选框3, .rect = {389, 416, 56, 16}, .parent = 0,
     .flags = kVisible | kTabStop, .bindings = k单选框3Bindings, .own = {.text = "2小时"}},
    {.kind = Kind::RadioBox, .name = "单选框2", .id = 单选框2, .rect = {327, 416, 56, 16}, .parent = 0,
     .flags = kVisible | kTabStop, .bindings = k单选框2Bindings,
     .own = {.text = "1小时", .checked = true, .text_colour = kRed}},
    {.kind = Kind::EditBox, .name = "编辑框30", .id = 编辑框30, .rect = {512, 276, 64, 24}, .parent = 0,
     .flags = kVisible | kTabStop, .bindings = {}, .own = StateBox("0", InputMode::FreeText)},
    {.kind = Kind::TransLabel, .name = "透明标签6", .id = 透明标签6, .rect = {16, 157, 80, 16}, .parent = 0,
     .flags = kVisible, .bindings = {},
     .own = {.text = "7163Orvane専属", .text_colour = kRed, .font = kSmallBold}},
    {.kind = Kind::TransLabel, .name = "透明标签5", .id = 透明标签5, .rect = {156, 172, 64, 16}, .parent = 0,
     .flags = kVisible, .bindings = {},
     .own = {.text = "版本检测：", .text_colour = kBlue, .font = kSmallBold}},
    {.kind = Kind::TransLabel, .name = "透明标签4", .id = 透明标签4, .rect = {16, 172, 136, 16}, .parent = 0,
     .flags = kVisible, .bindings = {},
     .own = {.text = "", .text_colour = kRed, .font = kSmallBold}},
    {.kind = Kind::EditBox, .name = "编辑框26", .id = 编辑框26, .rect = {504, 341, 120, 16}, .parent = 0,
     .flags = kVisible | kTabStop, .bindings = {}, .own = StateBox("V2.4", InputMode::FreeText)},
    {.kind = Kind::TransLabel, .name = "透明标签1", .id = 透明标签1, .rect = {32, 66, 48, 32}, .parent = 0,
     .flags = kVisible, .bindings = {},
     .own = {.text = "VS", .text_colour = kBlue, .font = {.height_px = 48, .weight = 400}}},
    {.kind = Kind::SuperBtn, .name = "超级按钮1", .id = 超级按钮1, .rect = {160, 363, 136, 24}, .parent = 0,
     .flags = kVisible | kDisabled | kTabStop, .bindings = k超级按钮1Bindings,
     .own = {.text = "保存游戏数据", .font = {.height_px = 12, .weight = 400}, .normal = {kRed, kButtonFace}, .hot = {kBlack, kWhite}, .pressed = {kBlack, kButtonFace}}},
    {.kind = Kind::Timer, .name = "时钟2", .id = 时钟2, .rect = {584, 244, 26, 26}, .parent = 0,
     .flags = kVisible, .bindings = k时钟2Bindings, .own = {.interval = 1}},
    {.kind = Kind::ProcessBar, .name = "进度条1", .id = 进度条1, .rect = {216, 173, 64, 16}, .parent = 0,
     .flags = kVisible | kDisabled, .bindings = {},
     .own = {.border = border::kShallowSunken, .minimum = 0, .maximum = 50, .position = 0}},
    {.kind = Kind::EditBox, .name = "编辑框23", .id = 编辑框23, .rect = {512, 260, 64, 16}, .parent = 0,
     .flags = kVisible | kTabStop, .bindings = {}, .own = StateBox("0", InputMode::ReadOnly)},
    {.kind = Kind::EditBox, .name = "编辑框22", .id = 编辑框22, .rect = {512, 244, 64, 16}, .parent = 0,
     .flags = kVisible | kTabStop, .bindings = {}, .own = StateBox("0", InputMode::ReadOnly)},
    {.kind = Kind::Timer, .name = "时钟1", .id = 时钟1, .rect = {584, 196, 26, 26}, .parent = 0,
     .flags = kVisible, .bindings = k时钟1Bindings, .own = {.interval = 1}},
    {.kind = Kind::Label, .name = "标签22", .id = 标签22, .rect = {504, 220, 160, 24}, .parent = 0,
     .flags = kVisible, .bindings = k标签22Bindings, .own = LabelText("", Align::Left)},
    {.kind = Kind::CommonDlg, .name = "通用对话框1", .id = 通用对话框1, .rect = {504, 180, 80, 40}, .parent = 0,
     .flags = kVisible, .bindings = {}, .own = {}},
    {.kind = Kind::Button, .name = "按钮53", .id = 按钮53, .rect = {424, 199, 40, 48}, .parent = 0,
     .flags = kVisible | kDisabled | kTabStop, .bindings = k按钮53Bindings, .own = PushButton("加错")},
    {.kind = Kind::Button, .name = "按钮52", .id = 按钮52, .rect = {424, 80, 40, 48}, .parent = 0,
     .flags = kVisible | kDisabled | kTabStop, .bindings = k按钮52Bindings, .own = PushButton("加错")},
    {.kind = Kind::Button, .name = "按钮51", .id = 按钮51, .rect = {88, 363, 72, 24}, .parent = 0,
     .flags = kVisible | kDisabled | kTabStop, .bindings = k按钮51Bindings,
     .own = PushButton("主持跪 +1")},
    {.kind = Kind::Button, .name = "按钮50", .id = 按钮50, .rect = {16, 363, 72, 24}, .parent = 0,
     .flags = kVisible | kDisabled | kTabStop, .bindings = k按钮50Bindings,
     .own = PushButton("主播跪 +1")},
    {.kind = Kind::Button, .name = "按钮48", .id = 按钮48, .rect = {232, 389, 64, 24}, .parent = 0,
     .flags = kVisible | kDisabled | kTabStop, .bindings = k按钮48Bindings,
     .own = PushButton("清除总贡")},
    {.kind = Kind::Label, .name = "标签19", .id = 标签19, .rect = {104, 342, 32, 16}, .parent = 0,
     .flags = kVisible, .bindings = {}, .own = LabelText("单挑", Align::Left)},
    {.kind = Kind::Label, .name = "标签18", .id = 标签18, .rect = {88, 35, 32, 16}, .parent = 分组框5,
     .flags = kVisible, .bindings = {}, .own = LabelText("单挑", Align::Left)},
    {.kind = Kind::Label, .name = "标签7", .id = 标签7, .rect = {168, 413, 64, 24}, .parent = 0,
     .flags = kVisible, .bindings = {}, .own = LabelText("仅供参考", Align::Centre)},
    {.kind = Kind::EditBox, .name = "编辑框28", .id = 编辑框28, .rect = {80, 389, 88, 24}, .parent = 0,
     .flags = kVisible | kDisabled | kTabStop, .bindings = k编辑框28Bindings,
     .own = ScoreBox("0", kBlue, Align::Centre)},
    {.kind = Kind::Label, .name = "标签17", .id = 标签17, .rect = {16, 389, 72, 24}, .parent = 0,
     .flags = kVisible, .bindings = {}, .own = LabelText("当前刷豆数：", Align::Left)},
    {.kind = Kind::EditBox, .name = "编辑框24", .id = 编辑框24, .rect = {504, 164, 80, 16}, .parent = 0,
     .flags = kVisible | kTabStop, .bindings = k编辑框24Bindings,
     .own = StateBox("48", InputMode::ReadOnly)},
    {.kind = Kind::EditBox, .name = "编辑框18", .id = 编辑框18, .rect = {504, 148, 80, 16}, .parent = 0,
     .flags = kVisible | kTabStop, .bindings = {}, .own = StateBox("0", InputMode::ReadOnly)},
    {.kind = Kind::EditBox, .name = "编辑框17", .id = 编辑框17, .rect = {504, 132, 80, 16}, .parent = 0,
     .flags = kVisible | kTabStop, .bindings = {}, .own = StateBox("0", InputMode::ReadOnly)},
    {.kind = Kind::EditBox, .name = "编辑框16", .id = 编辑框16, .rect = {504, 116, 80, 16}, .parent = 0,
     .flags = kVisible | kTabStop, .bindings = {}, .own = StateBox("0", InputMode::ReadOnly)},
    {.kind = Kind::EditBox, .name = "编辑框15", .id = 编辑框15, .rect = {504, 100, 80, 16}, .parent = 0,
     .flags = kVisible | kTabStop, .bindings = {}, .own = StateBox("100", InputMode::ReadOnly)},
    {.kind = Kind::EditBox, .name = "编辑框14", .id = 编辑框14, .rect = {504, 84, 80, 16}, .parent = 0,
     .flags = kVisible | kTabStop, .bindings = {}, .own = StateBox("21000", InputMode::ReadOnly)},
    {.kind = Kind::EditBox, .name = "编辑框13", .id = 编辑框13, .rect = {232, 412, 64, 25}, .parent = 0,
     .flags = kTabStop, .bindings = {}, .own = ScoreBox("", kBlue, Align::Centre)},
    {.kind = Kind::Label, .name = "标签4", .id = 标签4, .rect = {168, 389, 64, 24}, .parent = 0,
     .flags = kVisible, .bindings = {}, .own = LabelText("需主持费\r\n", Align::Centre)},
    {.kind = Kind::EditBox, .name = "编辑框12", .id = 编辑框12, .rect = {80, 413, 88, 24}, .parent = 0,
     .flags = kVisible | kDisabled | kTabStop, .bindings = k编辑框12Bindings,
     .own = ScoreBox("0", kBlue, Align::Centre)},
    {.kind = Kind::ColorPicker, .name = "颜色选择器5", .id = 颜色选择器5, .rect = {504, 60, 80, 24}, .parent = 0,
     .flags = kVisible | kTabStop, .bindings = {}, .own = {.back_colour = kRed}},
    {.kind = Kind::ColorPicker, .name = "颜色选择器4", .id = 颜色选择器4, .rect = {504, 36, 80, 24}, .parent = 0,
     .flags = kVisible | kTabStop, .bindings = {}, .own = {.back_colour = kBlue}},
    {.kind = Kind::ColorPicker, .name = "颜色选择器3", .id = 颜色选择器3, .rect = {504, 12, 80, 24}, .parent = 0,
     .flags = kVisible | kTabStop, .bindings = {}, .own = {.back_colour = kRed}},
    {.kind = Kind::EditBox, .name = "编辑框11", .id = 编辑框11, .rect = {64, 190, 88, 24}, .parent = 0,
     .flags = kVisible | kDisabled | kTabStop, .bindings = {},
     .own = ScoreBox("0", kMagenta, Align::Left)},
    {.kind = Kind::EditBox, .name = "编辑框10", .id = 编辑框10, .rect = {20, 122, 72, 24}, .parent = 0,
     .flags = kVisible | kDisabled | kTabStop, .bindings = k编辑框10Bindings,
     .own = ScoreBox("0", kBlue, Align::Centre)},
    {.kind = Kind::EditBox, .name = "编辑框9", .id = 编辑框9, .rect = {20, 26, 72, 24}, .parent = 0,
     .flags = kVisible | kDisabled | kTabStop, .bindings = k编辑框9Bindings,
     .own = ScoreBox("0", kBlue, Align::Centre)},
    {.kind = Kind::Button, .name = "按钮41", .id = 按钮41, .rect = {176, 342, 40, 16}, .parent = 0,
     .flags = kVisible | kDisabled | kTabStop, .bindings = k按钮41Bindings, .own = PushButton("关闭")},
    {.kind = Kind::Button, .name = "按钮40", .id = 按钮40, .rect = {176, 286, 40, 16}, .parent = 0,
     .flags = kVisible | kDisabled | kTabStop, .bindings = k按钮40Bindings, .own = PushButton("关闭")},
    {.kind = Kind::Label, .name = "标签16", .id = 标签16, .rect = {16, 413, 72, 24}, .parent = 0,
     .flags = kVisible, .bindings = {}, .own = LabelText("刷豆总计数：", Align::Left)},
    {.kind = Kind::Label, .name = "标签15", .id = 标签15, .rect = {304, 384, 48, 16}, .parent = 0,
     .flags = kVisible, .bindings = {}, .own = LabelText("字体大小", Align::Left)},
    {.kind = Kind::Label, .name = "标签14", .id = 标签14, .rect = {304, 352, 48, 16}, .parent = 0,
     .flags = kVisible, .bindings = {}, .own = LabelText("字体大小", Align::Left)},
    {.kind = Kind::SliderBar, .name = "滑块条2", .id = 滑块条2, .rect = {352, 384, 112, 16}, .parent = 0,
     .flags = kVisible | kDisabled | kTabStop, .bindings = {}, .own = kFontSizeSlider},
    {.kind = Kind::SliderBar, .name = "滑块条1", .id = 滑块条1, .rect = {352, 352, 112, 16}, .parent = 0,
     .flags = kVisible | kDisabled | kTabStop, .bindings = {}, .own = kFontSizeSlider},
    {.kind = Kind::Label, .name = "标签13", .id = 标签13, .rect = {304, 368, 112, 16}, .parent = 0,
     .flags = kVisible, .bindings = {}, .own = LabelText("小黄鸭队员文字颜色", Align::Left)},
    {.kind = Kind::ColorPicker, .name = "颜色选择器2", .id = 颜色选择器2, .rect = {416, 368, 48, 16}, .parent = 0,
     .flags = kVisible | kDisabled | kTabStop, .bindings = {},
     .own = {.back_colour = kDefaultColour}},
    {.kind = Kind::Label, .name = "标签12", .id = 标签12, .rect = {304, 336, 112, 16}, .parent = 0,
     .flags = kVisible, .bindings = {}, .own = LabelText("棒棒糖队员文字颜色", Align::Left)},
    {.kind = Kind::ColorPicker, .name = "颜色选择器1", .id = 颜色选择器1, .rect = {416, 336, 48, 16}, .parent = 0,
     .flags = kVisible | kDisabled | kTabStop, .bindings = {},
     .own = {.back_colour = kDefaultColour}},
    {.kind = Kind::Button, .name = "按钮38", .id = 按钮38, .rect = {136, 342, 40, 16}, .parent = 0,
     .flags = kVisible | kDisabled | kTabStop, .bindings = k按钮38Bindings, .own = PushButton("开启")},
    {.kind = Kind::EditBox, .name = "编辑框8", .id = 编辑框8, .rect = {80, 342, 24, 16}, .parent = 0,
     .flags = kVisible | kDisabled | kTabStop, .bindings = {},
     .own = NumberBox("1", Align::Centre)},
    {.kind = Kind::Label, .name = "标签11", .id = 标签11, .rect = {24, 342, 120, 16}, .parent = 0,
     .flags = kVisible, .bindings = {}, .own = LabelText("棒棒糖 1V", Align::Left)},
    {.kind = Kind::Button, .name = "按钮37", .id = 按钮37, .rect = {120, 35, 40, 16}, .parent = 分组框5,
     .flags = kVisible | kDisabled | kTabStop, .bindings = k按钮37Bindings, .own = PushButton("开启")},
    {.kind = Kind::EditBox, .name = "编辑框7", .id = 编辑框7, .rect = {64, 35, 24, 16}, .parent = 分组框5,
     .flags = kVisible | kDisabled | kTabStop, .bindings = {},
     .own = NumberBox("1", Align::Centre)},
    {.kind = Kind::Label, .name = "标签10", .id = 标签10, .rect = {8, 35, 120, 16}, .parent = 分组框5,
     .flags = kVisible, .bindings = {}, .own = LabelText("小黄鸭 1V", Align::Left)},
    {.kind = Kind::Button, .name = "按钮27", .id = 按钮27, .rect = {232, 339, 28, 20}, .parent = 0,
     .flags = kVisible | kDisabled | kTabStop, .bindings = k按钮27Bindings, .own = PushButton("-")},
    {.kind = Kind::Button, .name = "按钮28", .id = 按钮28, .rect = {184, 319, 32, 20}, .parent = 0,
     .flags = kVisible | kDisabled | kTabStop, .bindings = k按钮28Bindings,
     .own = PushButton("1314")},
    {.kind = Kind::Button, .name = "按钮29", .id = 按钮29, .rect = {152, 319, 26, 20}, .parent = 0,
     .flags = kVisible | kDisabled | kTabStop, .bindings = k按钮29Bindings, .own = PushButton("521")},
    {.kind = Kind::Button, .name = "按钮30", .id = 按钮30, .rect = {120, 319, 26, 20}, .parent = 0,
     .flags = kVisible | kDisabled | kTabStop, .bindings = k按钮30Bindings, .own = PushButton("199")},
    {.kind = Kind::Button, .name = "按钮31", .id = 按钮31, .rect = {88, 319, 24, 20}, .parent = 0,
     .flags = kVisible | kDisabled | kTabStop, .bindings = k按钮31Bindings, .own = PushButton("66")},
    {.kind = Kind::Button, .name = "按钮32", .id = 按钮32, .rect = {56, 319, 24, 20}, .parent = 0,
     .flags = kVisible | kDisabled | kTabStop, .bindings = k按钮32Bindings, .own = PushButton("33")},
    {.kind = Kind::GroupBox, .name = "分组框6", .id = 分组框6, .rect = {16, 307, 280, 56}, .parent = 0,
     .flags = kVisible, .bindings = {},
     .own = {.text = "主持队", .text_colour = kRed, .align = Align::Right}},
    {.kind = Kind::Button, .name = "按钮33", .id = 按钮33, .rect = {244, 32, 28, 20}, .parent = 分组框6,
     .flags = kVisible | kDisabled | kTabStop, .bindings = k按钮33Bindings, .own = PushButton("+")},
    {.kind = Kind::EditBox, .name = "编辑框6", .id = 编辑框6, .rect = {216, 12, 56, 20}, .parent = 分组框6,
     .flags = kVisible | kDisabled | kTabStop, .bindings = k编辑框6Bindings,
     .own = NumberBox("", Align::Left)},
    {.kind = Kind::Button, .name = "按钮36", .id = 按钮36, .rect = {8, 12, 24, 20}, .parent = 分组框6,
     .flags = kVisible | kDisabled | kTabStop, .bindings = k按钮36Bindings, .own = PushButton("10")},
    {.kind = Kind::Button, .name = "按钮35", .id = 按钮35, .rect = {232, 283, 28, 20}, .parent = 0,
     .flags = kVisible | kDisabled | kTabStop, .bindings = k按钮35Bindings, .own = PushButton("-")},
    {.kind = Kind::Button, .name = "按钮34", .id = 按钮34, .rect = {151, 189, 64, 24}, .parent = 0,
     .flags = kVisible | kDisabled | kTabStop, .bindings = k按钮34Bindings, .own = PushButton("计算器")},
    {.kind = Kind::Button, .name = "按钮26", .id = 按钮26, .rect = {244, 32, 28, 20}, .parent = 分组框5,
     .flags = kVisible | kDisabled | kTabStop, .bindings = k按钮26Bindings, .own = PushButton("+")},
    {.kind = Kind::EditBox, .name = "编辑框5", .id = 编辑框5, .rect = {216, 12, 56, 20}, .parent = 分组框5,
     .flags = kVisible | kDisabled | kTabStop, .bindings = k编辑框5Bindings,
     .own = NumberBox("", Align::Left)},
    {.kind = Kind::Button, .name = "按钮25", .id = 按钮25, .rect = {184, 263, 32, 20}, .parent = 0,
     .flags = kVisible | kDisabled | kTabStop, .bindings = k按钮25Bindings,
     .own = PushButton("1314")},
    {.kind = Kind::Button, .name = "按钮24", .id = 按钮24, .rect = {152, 263, 26, 20}, .parent = 0,
     .flags = kVisible | kDisabled | kTabStop, .bindings = k按钮24Bindings, .own = PushButton("521")},
    {.kind = Kind::Button, .name = "按钮23", .id = 按钮23, .rect = {120, 263, 26, 20}, .parent = 0,
     .flags = kVisible | kDisabled | kTabStop, .bindings = k按钮23Bindings, .own = PushButton("199")},
    {.kind = Kind::Button, .name = "按钮22", .id = 按钮22, .rect = {88, 263, 24, 20}, .parent = 0,
     .flags = kVisible | kDisabled | kTabStop, .bindings = k按钮22Bindings, .own = PushButton("66")},
    {.kind = Kind::Button, .name = "按钮21", .id = 按钮21, .rect = {56, 263, 24, 20}, .parent = 0,
     .flags = kVisible | kDisabled | kTabStop, .bindings = k按钮21Bindings, .own = PushButton("33")},
    {.kind = Kind::Button, .name = "按钮20", .id = 按钮20, .rect = {8, 12, 24, 20}, .parent = 分组框5,
     .flags = kVisible | kDisabled | kTabStop, .bindings = k按钮20Bindings, .own = PushButton("10")},
    {.kind = Kind::GroupBox, .name = "分组框5", .id = 分组框5, .rect = {16, 251, 280, 56}, .parent = 0,
     .flags = kVisible, .bindings = {},
     .own = {.text = "主播队", .text_colour = kRed, .align = Align::Right}},
    {.kind = Kind::Button, .name = "按钮19", .id = 按钮19, .rect = {368, 292, 48, 24}, .parent = 0,
     .flags = kVisible | kDisabled | kTabStop, .bindings = k按钮19Bindings, .own = PushButton("还原")},
    {.kind = Kind::Button, .name = "按钮18", .id = 按钮18, .rect = {368, 247, 48, 24}, .parent = 0,
     .flags = kVisible | kDisabled | kTabStop, .bindings = k按钮18Bindings, .own = PushButton("还原")},
    {.kind = Kind::Label, .name = "标签9", .id = 标签9, .rect = {304, 128, 64, 24}, .parent = 0,
     .flags = kVisible, .bindings = {}, .own = LabelText("主持队", Align::Centre)},
    {.kind = Kind::EditBox, .name = "编辑框4", .id = 编辑框4, .rect = {368, 128, 96, 24}, .parent = 0,
     .flags = kVisible | kDisabled | kTabStop, .bindings = {}, .own = QuantityBox()},
    {.kind = Kind::Button, .name = "按钮4", .id = 按钮4, .rect = {384, 199, 40, 48}, .parent = 0,
     .flags = kVisible | kDisabled | kTabStop, .bindings = k按钮4Bindings,
     .own = GiftButton("gift7")},
    {.kind = Kind::Button, .name = "按钮5", .id = 按钮5, .rect = {344, 199, 40, 48}, .parent = 0,
     .flags = kVisible | kDisabled | kTabStop, .bindings = k按钮5Bindings,
     .own = GiftButton("gift6")},
    {.kind = Kind::Button, .name = "按钮6", .id = 按钮6, .rect = {304, 199, 40, 48}, .parent = 0,
     .flags = kVisible | kDisabled | kTabStop, .bindings = k按钮6Bindings,
     .own = GiftButton("gift5")},
    {.kind = Kind::Button, .name = "按钮14", .id = 按钮14, .rect = {424, 152, 40, 48}, .parent = 0,
     .flags = kVisible | kDisabled | kTabStop, .bindings = k按钮14Bindings,
     .own = GiftButton("gift4")},
    {.kind = Kind::Button, .name = "按钮15", .id = 按钮15, .rect = {384, 152, 40, 48}, .parent = 0,
     .flags = kVisible | kDisabled | kTabStop, .bindings = k按钮15Bindings,
     .own = GiftButton("gift3")},
    {.kind = Kind::Button, .name = "按钮16", .id = 按钮16, .rect = {344, 152, 40, 48}, .parent = 0,
     .flags = kVisible | kDisabled | kTabStop, .bindings = k按钮16Bindings,
     .own = GiftButton("gift2")},
    {.kind = Kind::Button, .name = "按钮17", .id = 按钮17, .rect = {304, 152, 40, 48}, .parent = 0,
     .flags = kVisible | kDisabled | kTabStop, .bindings = k按钮17Bindings,
     .own = GiftButton("gift1")},
    {.kind = Kind::Label, .name = "标签8", .id = 标签8, .rect = {304, 8, 64, 24}, .parent = 0,
     .flags = kVisible, .bindings = {}, .own = LabelText("主播队", Align::Centre)},
    {.kind = Kind::EditBox, .name = "编辑框3", .id = 编辑框3, .rect = {368, 8, 96, 24}, .parent = 0,
     .flags = kVisible | kDisabled | kTabStop, .bindings = {}, .own = QuantityBox()},
    {.kind = Kind::Button, .name = "按钮13", .id = 按钮13, .rect = {384, 80, 40, 48}, .parent = 0,
     .flags = kVisible | kDisabled | kTabStop, .bindings = k按钮13Bindings,
     .own = GiftButton("gift7")},
    {.kind = Kind::Button, .name = "按钮12", .id = 按钮12, .rect = {344, 80, 40, 48}, .parent = 0,
     .flags = kVisible | kDisabled | kTabStop, .bindings = k按钮12Bindings,
     .own = GiftButton("gift6")},
    {.kind = Kind::Button, .name = "按钮11", .id = 按钮11, .rect = {304, 80, 40, 48}, .parent = 0,
     .flags = kVisible | kDisabled | kTabStop, .bindings = k按钮11Bindings,
     .own = GiftButton("gift5")},
    {.kind = Kind::Button, .name = "按钮10", .id = 按钮10, .rect = {424, 32, 40, 48}, .parent = 0,
     .flags = kVisible | kDisabled | kTabStop, .bindings = k按钮10Bindings,
     .own = GiftButton("gift4")},
    {.kind = Kind::Button, .name = "按钮9", .id = 按钮9, .rect = {384, 32, 40, 48}, .parent = 0,
     .flags = kVisible | kDisabled | kTabStop, .bindings = k按钮9Bindings,
     .own = GiftButton("gift3")},
    {.kind = Kind::Button, .name = "按钮8", .id = 按钮8, .rect = {344, 32, 40, 48}, .parent = 0,
     .flags = kVisible | kDisabled | kTabStop, .bindings = k按钮8Bindings,
     .own = GiftButton("gift2")},
    {.kind = Kind::Button, .name = "按钮7", .id = 按钮7, .rect = {304, 32, 40, 48}, .parent = 0,
     .flags = kVisible | kDisabled | kTabStop, .bindings = k按钮7Bindings,
     .own = GiftButton("gift1")},
    {.kind = Kind::Button, .name = "按钮3", .id = 按钮3, .rect = {216, 189, 65, 24}, .parent = 0,
     .flags = kVisible | kDisabled | kTabStop, .bindings = k按钮3Bindings, .own = PushButton("清除")},
    {.kind = Kind::Label, .name = "标签6", .id = 标签6, .rect = {16, 190, 48, 24}, .parent = 0,
     .flags = kVisible, .bindings = {},
     .own = {.text = "相差：", .text_colour = kBlack, .font = {.height_px = 16, .weight = 400}, .align = Align::Centre, .word_wrap = true}},
    {.kind = Kind::EditBox, .name = "编辑框2", .id = 编辑框2, .rect = {108, 103, 164, 65}, .parent = 0,
     .flags = kVisible | kDisabled | kTabStop, .bindings = k编辑框2Bindings, .own = TeamLineBox("队：")},
    {.kind = Kind::EditBox, .name = "编辑框1", .id = 编辑框1, .rect = {108, 20, 164, 65}, .parent = 0,
     .flags = kVisible | kDisabled | kTabStop, .bindings = k编辑框1Bindings,
     .own = TeamLineBox("Orvane队：")},
    {.kind = Kind::Button, .name = "按钮2", .id = 按钮2, .rect = {416, 292, 48, 24}, .parent = 0,
     .flags = kVisible | kDisabled | kTabStop, .bindings = k按钮2Bindings, .own = PushButton("更改")},
    {.kind = Kind::Label, .name = "标签3", .id = 标签3, .rect = {304, 292, 64, 24}, .parent = 0,
     .flags = kVisible, .bindings = {}, .own = LabelText("主持队形", Align::Centre)},
    {.kind = Kind::ComboBox, .name = "组合框2", .id = 组合框2, .rect = {304, 316, 160, 20}, .parent = 0,
     .flags = kVisible | kDisabled | kTabStop, .bindings = {},
     .own = {.items = k组合框2Items, .selection = 2, .drop_down_list = true}},
    {.kind = Kind::Button, .name = "按钮1", .id = 按钮1, .rect = {416, 247, 48, 24}, .parent = 0,
     .flags = kVisible | kDisabled | kTabStop, .bindings = k按钮1Bindings, .own = PushButton("更改")},
    {.kind = Kind::Label, .name = "标签2", .id = 标签2, .rect = {304, 247, 64, 24}, .parent = 0,
     .flags = kVisible, .bindings = {}, .own = LabelText("Orvane队形", Align::Centre)},
    {.kind = Kind::ComboBox, .name = "组合框1", .id = 组合框1, .rect = {304, 271, 160, 20}, .parent = 0,
     .flags = kVisible | kDisabled | kTabStop, .bindings = {},
     .own = {.items = k组合框1Items, .selection = 0, .drop_down_list = true}},
    {.kind = Kind::GroupBox, .name = "分组框4", .id = 分组框4, .rect = {104, 90, 176, 82}, .parent = 0,
     .flags = kVisible, .bindings = {},
     .own = {.text = "队员", .text_colour = kBlue, .font = kSmallBold, .align = Align::Centre}},
    {.kind = Kind::GroupBox, .name = "分组框3", .id = 分组框3, .rect = {104, 8, 176, 82}, .parent = 0,
     .flags = kVisible, .bindings = {},
     .own = {.text = "队员", .text_colour = kBlue, .font = kSmallBold, .align = Align::Centre}},
    {.kind = Kind::GroupBox, .name = "分组框2", .id = 分组框2, .rect = {16, 106, 80, 48}, .parent = 0,
     .flags = kVisible, .bindings = {},
     .own = {.text = "小黄鸭队", .text_colour = kRed, .font = kTeamCaption, .align = Align::Centre}},
    {.kind = Kind::GroupBox, .name = "分组框1", .id = 分组框1, .rect = {16, 10, 80, 48}, .parent = 0,
     .flags = kVisible, .bindings = {},
     .own = {.text = "棒棒糖队", .text_colour = kRed, .font = kTeamCaption, .align = Align::Centre}},
    {.kind = Kind::GroupBox, .name = "分组框7", .id = 分组框7, .rect = {303, 401, 160, 36}, .parent = 0,
     .flags = kVisible, .bindings = {},
     .own = {.text = "游戏时间", .text_colour = kRed, .align = Align::Left}},
};
// clang-format on

}  // namespace

const WindowSpec& MainWindowSpec() {
  return kWindow;
}

std::span<const ControlSpec> MainCatalogue() {
  return kControls;
}
