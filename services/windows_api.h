#pragma once
// The Windows API as the core's Windows files and tests take it: the lean header, and no
// min and max macros to clash with std::min and std::max. The front end's build defines
// both for all its files already; these files are built without it.
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
