// The least a Win32 program doing Vantrel's job must do, to measure Vantrel
// against: one window of the same size and styles, two labels, and a 100 ms
// timer whose tick asks for the target's client rectangle and origin and the
// pointer, formats two numbers and sets the two texts with a repaint.
// Built a second time as bare_styled.exe with what Vantrel's window must show
// besides: its manifest, its two group boxes and its icon.
//   bare.exe [TARGET-HANDLE-IN-HEX]
#include <windows.h>

#include <cstdio>
#include <cwchar>

namespace {

constexpr bool kStyled = BARE_STYLED != 0;

HWND target = nullptr;
HWND xLabel = nullptr;
HWND yLabel = nullptr;

void Tick() {
    RECT client{};
    POINT origin{};
    POINT pointer{};
    GetClientRect(target, &client);
    ClientToScreen(target, &origin);
    GetCursorPos(&pointer);
    wchar_t text[32];
    std::swprintf(text, 32, L"%.13g", static_cast<double>(pointer.x - origin.x));
    SetWindowTextW(xLabel, text);
    InvalidateRect(xLabel, nullptr, FALSE);
    std::swprintf(text, 32, L"%.13g", static_cast<double>(pointer.y - origin.y));
    SetWindowTextW(yLabel, text);
    InvalidateRect(yLabel, nullptr, FALSE);
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_TIMER: Tick(); return 0;
    case WM_DESTROY: PostQuitMessage(0); return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int) {
    target = reinterpret_cast<HWND>(static_cast<UINT_PTR>(std::wcstoull(commandLine, nullptr, 16)));

    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = L"BareWindow";
    RegisterClassExW(&windowClass);

    const int left = (GetSystemMetrics(SM_CXSCREEN) - 349) / 2;
    const int top = (GetSystemMetrics(SM_CYSCREEN) - 204) / 2;
    const HWND window =
        CreateWindowExW(0, L"BareWindow", L"", WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN,
                        left, top, 349, 204, nullptr, nullptr, instance, nullptr);
    SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    if (kStyled) {
        const auto icon = [&](int size) {
            return reinterpret_cast<LPARAM>(LoadImageW(instance, L"DEFAULT_ICON", IMAGE_ICON,
                                                       GetSystemMetrics(size), GetSystemMetrics(size),
                                                       LR_SHARED));
        };
        SendMessageW(window, WM_SETICON, ICON_BIG, icon(SM_CXICON));
        SendMessageW(window, WM_SETICON, ICON_SMALL, icon(SM_CXSMICON));
        CreateWindowExW(0, L"BUTTON", L"X", WS_CHILD | WS_VISIBLE | BS_GROUPBOX, 16, 64, 152, 96, window,
                        nullptr, instance, nullptr);
        CreateWindowExW(0, L"BUTTON", L"Y", WS_CHILD | WS_VISIBLE | BS_GROUPBOX, 184, 64, 144, 96, window,
                        nullptr, instance, nullptr);
    }
    xLabel = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_CENTER, 32, 88, 112, 56, window,
                             nullptr, instance, nullptr);
    yLabel = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_CENTER, 192, 88, 120, 56, window,
                             nullptr, instance, nullptr);
    SetTimer(window, 1, 100, nullptr);
    ShowWindow(window, SW_SHOW);

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
