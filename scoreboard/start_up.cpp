// The start-up step: the window is built; ready it for the game.
#include <array>

#include "scoreboard/board.h"
#include "scoreboard/game.h"
#include "shell/handlers.h"

namespace {

// Created disabled so that nothing can be clicked while the window is being built.
constexpr std::array kEnabledAtStartUp = {
    // scoreboard boxes
    编辑框9, 编辑框10, 编辑框11, 编辑框12, 编辑框28, 编辑框1, 编辑框2, 编辑框3, 编辑框4, 编辑框5,
    编辑框6,
    // picture gifts
    按钮4, 按钮5, 按钮6, 按钮7, 按钮8, 按钮9, 按钮10, 按钮11, 按钮12, 按钮13, 按钮14, 按钮15,
    按钮16, 按钮17,
    // fixed amounts
    按钮20, 按钮21, 按钮22, 按钮23, 按钮24, 按钮25, 按钮28, 按钮29, 按钮30, 按钮31, 按钮32, 按钮36,
    // custom amounts and the one-versus switches
    按钮26, 按钮27, 按钮33, 按钮35, 按钮37, 按钮38,
    // rounds, undo and resets
    按钮50, 按钮51, 按钮52, 按钮53, 按钮3, 按钮48,
    // team names
    组合框1, 组合框2, 按钮1, 按钮2, 按钮18, 按钮19,
    // appearance, save, calculator, progress
    颜色选择器1, 颜色选择器2, 滑块条1, 滑块条2, 超级按钮1, 按钮34, 进度条1};

}  // namespace

void MainWindow_Created() {
  WriteInteger(kProgressTimer, prop::kInterval, 50);
  for (ControlId control : kEnabledAtStartUp) board::Enable(control);
  WriteLogical(kHostFee, prop::kVisible, true);
}
