#include "window/build_main_window.h"

#include "platform/controls.h"
#include "platform/geometry.h"
#include "platform/group_box.h"
#include "platform/label.h"
#include "platform/timer.h"
#include "platform/top_window.h"
#include "platform/wide_text.h"

#include <windows.h>

namespace {

RECT PlaceOf(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height) {
    return {x, y, x + width, y + height};
}

HWND CreateMainWindow(const MainWindowDescription& window) {
    const ScreenPoint origin = CentredOrigin(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                                             window.width, window.height);
    const WideText title(window.title);
    const HWND main = CreateTopWindow(title.c_str(), window.style,
                                      PlaceOf(origin.x, origin.y, window.width, window.height));
    if (main == nullptr) {
        return nullptr;
    }
    RECT made{};
    GetWindowRect(main, &made);
    if (made.right - made.left != window.width || made.bottom - made.top != window.height) {
        SetWindowPos(main, nullptr, 0, 0, window.width, window.height,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    SetWindowPos(main, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    SendMessageW(main, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);

    const HINSTANCE instance = GetModuleHandleW(nullptr);
    const auto icon = [&](int widthMetric, int heightMetric) {
        return reinterpret_cast<LPARAM>(LoadImageW(instance, L"DEFAULT_ICON", IMAGE_ICON,
                                                   GetSystemMetrics(widthMetric),
                                                   GetSystemMetrics(heightMetric), LR_SHARED));
    };
    SendMessageW(main, WM_SETICON, ICON_BIG, icon(SM_CXICON, SM_CYICON));
    SendMessageW(main, WM_SETICON, ICON_SMALL, icon(SM_CXSMICON, SM_CYSMICON));
    return main;
}

HWND CreateControl(const WindowDescription& description, const ControlDescription& control) {
    const HWND parent = ControlHandle(control.parent);
    const RECT place = PlaceOf(control.x, control.y, control.width, control.height);
    const WideText text(control.text);
    switch (control.kind) {
    case ControlKind::GroupBox: return CreateGroupBox(parent, text.c_str(), place);
    case ControlKind::Label: {
        const EventBinding* binding = FindBinding(description, control.name, Event::Feedback);
        const LabelAlignment alignment =
            control.alignment == Alignment::Centre ? LabelAlignment::Centre : LabelAlignment::Left;
        return CreateLabel(parent, text.c_str(), place, alignment, binding ? binding->onFeedback : nullptr);
    }
    case ControlKind::Timer: {
        const EventBinding* binding = FindBinding(description, control.name, Event::Periodic);
        return CreateTimer(parent, place, control.periodMilliseconds,
                           binding ? binding->onPeriodic : nullptr);
    }
    case ControlKind::MainWindow: break;
    }
    return nullptr;
}

} // namespace

bool BuildMainWindow(const WindowDescription& description) {
    const HWND main = CreateMainWindow(description.window);
    if (main == nullptr) {
        return false;
    }
    RememberControl(description.window.name, ControlKind::MainWindow, main);

    for (const ControlDescription& control : description.controls) {
        const HWND window = CreateControl(description, control);
        if (window == nullptr) {
            DestroyWindow(main);
            return false;
        }
        RememberControl(control.name, control.kind, window);
    }
    for (const ControlDescription& control : description.controls) {
        if (control.kind != ControlKind::Timer) {
            ShowWindow(ControlHandle(control.name), SW_SHOWNA);
        }
    }

    if (const EventBinding* created = FindBinding(description, description.window.name, Event::Created)) {
        created->onCreated();
    }
    if (IsWindow(main)) {
        ShowWindow(main, SW_SHOW); // also activates it
    }
    return true;
}
