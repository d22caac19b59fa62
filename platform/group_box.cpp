#include "platform/group_box.h"

#include "platform/paint.h"

namespace {

// The system's group box paints its frame and caption but not its inside,
// and the main window clips its children (WS_CLIPCHILDREN), so nothing else
// paints it either: the box fills its own background with the button face.
WNDPROC systemButtonProc = nullptr;

LRESULT CALLBACK GroupBoxProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_ERASEBKGND) {
        RECT area{};
        GetClientRect(window, &area);
        FillButtonFace(reinterpret_cast<HDC>(wParam), area);
        return 1;
    }
    return CallWindowProcW(systemButtonProc, window, message, wParam, lParam);
}

} // namespace

HWND CreateGroupBox(HWND parent, const wchar_t* text, RECT place) {
    const DWORD style = WS_CHILD | WS_CLIPSIBLINGS | BS_GROUPBOX | BS_LEFT;
    const HWND box =
        CreateWindowExW(0, L"BUTTON", text, style, place.left, place.top, place.right - place.left,
                        place.bottom - place.top, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (box == nullptr) {
        return nullptr;
    }
    const auto previous = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(box, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&GroupBoxProc)));
    if (systemButtonProc == nullptr) {
        systemButtonProc = previous;
    }
    SendMessageW(box, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    return box;
}
