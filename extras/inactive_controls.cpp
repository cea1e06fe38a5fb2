// The room-feature controls of the lower block stay disabled for good; the handlers
// bound to them do nothing.
#include "shell/handlers.h"

void 编辑框19_ContentChanged() {}

void 列表框2_ListEvent0() {}

void 按钮54_Clicked() {}

void 超级按钮2_Clicked() {}
