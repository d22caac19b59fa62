#include "platform/label.h"

#include "platform/paint.h"
#include "platform/window_class.h"

#include <iterator>

namespace {

constexpr wchar_t kClassName[] = L"VantrelLabel";
constexpr LONG kCentreStyle = 0x0001; // class-private style bit

// The label's handler and font live in its window's extra bytes.
constexpr int kHandlerSlot = 0;
constexpr int kFontSlot = sizeof(LONG_PTR);

FeedbackHandler HandlerOf(HWND window) {
    return reinterpret_cast<FeedbackHandler>(GetWindowLongPtrW(window, kHandlerSlot));
}

HFONT FontOf(HWND window) {
    return reinterpret_cast<HFONT>(GetWindowLongPtrW(window, kFontSlot));
}

void OnPaint(HWND window) {
    const PaintScope paint(window);
    RECT area{};
    GetClientRect(window, &area);
    FillButtonFace(paint.dc(), area);

    wchar_t text[256];
    const int length = GetWindowTextW(window, text, static_cast<int>(std::size(text)));
    const Selection font(paint.dc(), FontOf(window));
    SetTextColor(paint.dc(), RGB(0, 0, 0));
    SetBkMode(paint.dc(), TRANSPARENT);
    const bool centre = (GetWindowLongW(window, GWL_STYLE) & kCentreStyle) != 0;
    // Without DT_NOCLIP the text is cut at the label's edges; a centred text
    // wider than the label overruns both of them equally.
    const UINT format = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | (centre ? DT_CENTER : DT_LEFT);
    DrawTextW(paint.dc(), text, length, &area, format);
}

LRESULT CALLBACK LabelProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_NCCREATE:
        SetWindowLongPtrW(
            window, kHandlerSlot,
            reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
        SetWindowLongPtrW(window, kFontSlot, reinterpret_cast<LONG_PTR>(GetStockObject(DEFAULT_GUI_FONT)));
        break;
    case WM_ERASEBKGND: return 1; // WM_PAINT fills the whole label
    case WM_PAINT: OnPaint(window); return 0;
    case WM_SETFONT:
        SetWindowLongPtrW(window, kFontSlot, static_cast<LONG_PTR>(wParam));
        if (LOWORD(lParam)) {
            InvalidateRect(window, nullptr, FALSE);
        }
        return 0;
    case WM_GETFONT: return GetWindowLongPtrW(window, kFontSlot);
    case kFeedbackMessage:
        if (const FeedbackHandler handler = HandlerOf(window)) {
            handler(static_cast<std::int32_t>(wParam), static_cast<std::int32_t>(lParam));
        }
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace

HWND CreateLabel(HWND parent, const wchar_t* text, RECT place, LabelAlignment alignment,
                 FeedbackHandler onFeedback) {
    EnsureWindowClass(kClassName, LabelProc, 2 * sizeof(LONG_PTR));
    const DWORD style = WS_CHILD | WS_CLIPSIBLINGS | (alignment == LabelAlignment::Centre ? kCentreStyle : 0);
    return CreateWindowExW(0, kClassName, text, style, place.left, place.top, place.right - place.left,
                           place.bottom - place.top, parent, nullptr, GetModuleHandleW(nullptr),
                           reinterpret_cast<void*>(onFeedback));
}
