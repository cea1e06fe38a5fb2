#pragma once
// The control catalogue: the one window and every control on it, as data. Catalogue
// order is stacking order among siblings, top to bottom; the window is built from it.
#include <span>

#include "services/catalogue_types.h"

// The program's one form.
const WindowSpec& MainWindowSpec();
std::span<const ControlSpec> MainCatalogue();
