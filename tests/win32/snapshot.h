#pragma once

// The pixels a window shows, read back from the screen, for tests of its look.

#include <windows.h>

#include <cstdint>
#include <vector>

namespace testing_support {

struct Snapshot {
    int width = 0, height = 0;
    std::vector<COLORREF> pixels; // row by row, from the top-left corner

    COLORREF at(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
};

// `width` x `height` pixels of any DC from (x, y).
Snapshot CopyPixels(HDC source, int x, int y, int width, int height);

// The client area of `window` as it stands on screen, after it has painted.
Snapshot TakeSnapshot(HWND window);

// The client area of a window of any process, read from the screen. Under
// Wine a window DC of another process reads back black, the screen does not.
Snapshot TakeScreenSnapshot(HWND window);

// Whether a pixel is ink rather than background: darker than mid-grey.
bool IsInk(COLORREF colour);

// The columns, and the rows, of a snapshot that hold ink.
std::vector<bool> InkedColumns(const Snapshot& snapshot);
std::vector<bool> InkedRows(const Snapshot& snapshot);

// How many rows lie between the topmost and the bottommost ink of column x
// (0 for a column without ink).
int InkHeight(const Snapshot& snapshot, int x);

} // namespace testing_support
