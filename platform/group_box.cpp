#include "platform/group_box.h"

HWND CreateGroupBox(HWND parent, const wchar_t* text, RECT place) {
    const DWORD style = WS_CHILD | WS_CLIPSIBLINGS | BS_GROUPBOX | BS_LEFT;
    const HWND box = CreateWindowExW(0, L"BUTTON", text, style, place.left, place.top, place.right - place.left,
                                     place.bottom - place.top, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (box != nullptr) {
        SendMessageW(box, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    }
    return box;
}
