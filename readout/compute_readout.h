#pragma once

#include "readout/readout.h"

#include <windows.h>

// Asks the window system for `window`'s client geometry and the pointer, and
// replaces both texts of `readout`. Returns a copy of the two texts stored.
// Any handle is accepted: for 0 or a closed window the queries fail and leave
// a client area of 0 x 0 at the screen origin.
Readout ComputeReadout(HWND window, Readout& readout, const Text& outOfRangeText);
