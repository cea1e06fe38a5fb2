// The hidden clock label that a save records, and the one-off progress after start-up
// that ends with the signature.
#include "scoreboard/board.h"
#include "services/file_services.h"
#include "shell/handlers.h"

void 时钟1_Tick() {
  WriteText(标签22, prop::kCaption, TimeToText(CurrentDateTime()));
}

// The bar is full at 50 but the count runs on to 100; the tick after that stops the
// timer and signs the board.
void 时钟2_Tick() {
  const int32_t position = ReadInteger(进度条1, prop::kProgressPosition);
  if (position != 100) {
    WriteInteger(进度条1, prop::kProgressPosition, ToInteger(static_cast<double>(position) + 1));
    return;
  }
  WriteInteger(时钟2, prop::kInterval, 0);
  WriteText(透明标签4, prop::kCaption,
            ConcatTexts({"By_Tobrik", board::Content(编辑框26), Gb("无账号正式版")}));
}

void 标签22_LabelEvent0() {}
