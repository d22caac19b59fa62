#include "platform/timer.h"

#include "platform/window_class.h"

namespace {

constexpr wchar_t kClassName[] = L"VantrelTimer";

struct TimerSetup {
    unsigned periodMilliseconds;
    PeriodicHandler onTick;
};

PeriodicHandler HandlerOf(HWND window) {
    return reinterpret_cast<PeriodicHandler>(GetWindowLongPtrW(window, 0));
}

void OnCreate(HWND window, const TimerSetup& setup) {
    SetWindowLongPtrW(window, 0, reinterpret_cast<LONG_PTR>(setup.onTick));
    if (setup.periodMilliseconds > 0) {
        SetTimer(window, kTimerId, setup.periodMilliseconds, nullptr);
    }
}

LRESULT CALLBACK TimerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        OnCreate(window,
                 *static_cast<const TimerSetup*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
        return 0;
    case WM_TIMER:
        if (wParam == kTimerId) {
            if (const PeriodicHandler handler = HandlerOf(window)) {
                handler();
            }
            return 0;
        }
        break;
    case WM_DESTROY: KillTimer(window, kTimerId); return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace

HWND CreateTimer(HWND parent, RECT place, unsigned periodMilliseconds, PeriodicHandler onTick) {
    EnsureWindowClass(kClassName, TimerProc, sizeof(LONG_PTR));
    TimerSetup setup{periodMilliseconds, onTick};
    return CreateWindowExW(0, kClassName, L"", WS_CHILD | WS_CLIPSIBLINGS, place.left, place.top,
                           place.right - place.left, place.bottom - place.top, parent, nullptr,
                           GetModuleHandleW(nullptr), &setup);
}
