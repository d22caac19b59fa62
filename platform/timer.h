#pragma once

#include "platform/events.h"

#include <windows.h>

// A timer that is a hidden child window of its own: it counts from its
// creation with identifier kTimerId and raises `onTick` at every expiry until
// it is destroyed. A period of 0 makes a timer that never ticks.
HWND CreateTimer(HWND parent, RECT place, unsigned periodMilliseconds, PeriodicHandler onTick);
