#pragma once

#include "platform/geometry.h"
#include "platform/text.h"

// The two texts shown for one pointer sample. An absent text is the empty text.
struct Readout {
    Text xText;
    Text yText;
};

// "超出了": shown on an axis where the pointer lies outside the client area.
extern const Text OutOfRangeText;

// What the window system answered for one call.
struct ReadoutSample {
    PixelRect client;    // GetClientRect: right and bottom are width and height
    ScreenPoint origin;  // ClientToScreen of (0, 0)
    ScreenPoint pointer; // GetCursorPos
};

// Replaces both texts of `readout` for one sample: each axis shows its offset
// when 0 <= offset <= extent, and `outOfRangeText` otherwise.
void FillReadout(const ReadoutSample& sample, Readout& readout, const Text& outOfRangeText);
