#include "platform/top_window.h"

#include "platform/controls.h"
#include "platform/message_loop.h"
#include "platform/paint.h"
#include "platform/window_class.h"

namespace {

constexpr wchar_t kClassName[] = L"VantrelWindow";
constexpr int kFontSlot = 0;

int live = 0;

LRESULT OnControlColour(HDC dc) {
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

LRESULT OnEraseBackground(HWND window, HDC dc) {
    RECT area{};
    GetClientRect(window, &area);
    FillButtonFace(dc, area);
    return 1;
}

void OnFinalDestroy() {
    ForgetControls();
    --live;
    if (live == 0 && MessageLoopEntered()) {
        PostQuitMessage(0);
    }
}

LRESULT CALLBACK TopWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_NCCREATE: ++live; break;
    case WM_ERASEBKGND: return OnEraseBackground(window, reinterpret_cast<HDC>(wParam));
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: return OnControlColour(reinterpret_cast<HDC>(wParam));
    case WM_SETFONT: SetWindowLongPtrW(window, kFontSlot, static_cast<LONG_PTR>(wParam)); return 0;
    case WM_GETFONT: return GetWindowLongPtrW(window, kFontSlot);
    case WM_CLOSE: DestroyWindow(window); return 0;
    case WM_QUERYENDSESSION: return TRUE;
    case WM_NCDESTROY: OnFinalDestroy(); break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace

HWND CreateTopWindow(const wchar_t* title, DWORD style, RECT place) {
    EnsureWindowClass(kClassName, TopWindowProc, sizeof(LONG_PTR));
    return CreateWindowExW(0, kClassName, title, style, place.left, place.top, place.right - place.left,
                           place.bottom - place.top, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
}

int LiveTopWindows() {
    return live;
}
