#include "platform/window_under_pointer.h"

#include "platform/window_selection.h"

namespace {

HWND AsHandle(WindowId window) {
    return reinterpret_cast<HWND>(window);
}
WindowId AsId(HWND window) {
    return reinterpret_cast<WindowId>(window);
}

// Answers the selection's questions from user32.
class SystemWindowTree final : public WindowTree {
  public:
    WindowId WindowAt(ScreenPoint point) const override {
        return AsId(WindowFromPoint(POINT{point.x, point.y}));
    }
    PixelRect WindowRect(WindowId window) const override {
        RECT rect{};
        GetWindowRect(AsHandle(window), &rect);
        return {rect.left, rect.top, rect.right, rect.bottom};
    }
    WindowId Parent(WindowId window) const override { return AsId(GetParent(AsHandle(window))); }
    WindowId NextBelow(WindowId window) const override {
        return AsId(GetWindow(AsHandle(window), GW_HWNDNEXT));
    }
    bool IsVisible(WindowId window) const override { return IsWindowVisible(AsHandle(window)) != FALSE; }
};

} // namespace

HWND WindowUnderPointer() {
    POINT pointer{};
    GetCursorPos(&pointer);
    return AsHandle(SelectWindowAt(SystemWindowTree{}, {pointer.x, pointer.y}));
}
