#pragma once

#include "platform/geometry.h"

#include <cstdint>

// A window of any process, as the window system names it; 0 is none.
using WindowId = std::uintptr_t;

// The questions the selection asks of the window system.
class WindowTree {
  public:
    virtual ~WindowTree() = default;
    virtual WindowId WindowAt(ScreenPoint point) const = 0;  // WindowFromPoint
    virtual PixelRect WindowRect(WindowId window) const = 0; // GetWindowRect, frame included
    virtual WindowId Parent(WindowId window) const = 0;      // GetParent
    virtual WindowId NextBelow(WindowId window) const = 0;   // GetWindow(GW_HWNDNEXT)
    virtual bool IsVisible(WindowId window) const = 0;       // IsWindowVisible
};

// The window at `point`: the one the window system reports there, or, for a
// child window, the smallest visible sibling below it in the stacking order
// whose rectangle holds the point. Of equal areas the one met first stays.
WindowId SelectWindowAt(const WindowTree& tree, ScreenPoint point);
