// The hidden clock label that a save records, and the one-off progress after start-up
// that ends with the signature.
#include "scoreboard/board.h"
#include "scoreboard/game.h"
#include "services/file_services.h"
#include "shell/handlers.h"

void 时钟1_Tick() {
  WriteText(kDateTime, prop::kCaption, TimeToText(CurrentDateTime()));
}

// The bar counts on to its last count; the tick after that stops the timer and signs
// the board.
void 时钟2_Tick() {
  const int32_t position = ReadInteger(kProgressBar, prop::kProgressPosition);
  if (position != kProgressLastCount) {
    WriteInteger(kProgressBar, prop::kProgressPosition,
                 ToInteger(static_cast<double>(position) + 1));
    return;
  }
  WriteInteger(kProgressTimer, prop::kInterval, 0);
  WriteText(kSignature, prop::kCaption,
            ConcatTexts({"By_Tobrik", board::Content(kVersion), Gb("无账号正式版")}));
}

void 标签22_LabelEvent0() {}
