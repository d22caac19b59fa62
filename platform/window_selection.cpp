#include "platform/window_selection.h"

WindowId SelectWindowAt(const WindowTree& tree, ScreenPoint point) {
    WindowId best = tree.WindowAt(point);
    if (best == 0) {
        return 0;
    }
    PixelRect bestRect = tree.WindowRect(best);
    const WindowId parent = tree.Parent(best);
    if (parent == 0) {
        return best;
    }
    for (WindowId next = tree.NextBelow(best); next != 0; next = tree.NextBelow(next)) {
        const PixelRect rect = tree.WindowRect(next);
        if (Contains(rect, point) && tree.Parent(next) == parent && tree.IsVisible(next) &&
            Area(rect) < Area(bestRect)) {
            best = next;
            bestRect = rect;
        }
    }
    return best;
}
