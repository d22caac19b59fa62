#include "platform/hotkey.h"

#include "platform/events.h"
#include "platform/hotkey_rules.h"

namespace {

struct HotkeyService {
    std::int32_t callsSoFar = 0;
    std::int32_t lastIdentifier = 0;
    HWND notifyLabel = nullptr;
    WNDPROC previousProcedure = nullptr;
};

HotkeyService service;

// Runs in front of the owner's own procedure for every message it receives.
LRESULT CALLBACK HotkeyFilter(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_HOTKEY && IsIssuedHotkey(static_cast<std::int32_t>(wParam), service.lastIdentifier)) {
        SendMessageA(service.notifyLabel, kFeedbackMessage, wParam, 0);
    }
    return CallWindowProcA(service.previousProcedure, window, message, wParam, lParam);
}

} // namespace

std::int32_t RegisterGlobalHotkey(HWND owner, HWND notifyLabel, std::int32_t modifiers,
                                  std::int32_t keyCode) {
    service.notifyLabel = notifyLabel;
    const std::uint32_t flags = TranslateModifiers(modifiers);
    if (service.previousProcedure == nullptr) {
        // An ANSI procedure in front of a Unicode window: the window system
        // converts text messages on the way, so the owner keeps no text of
        // its own (its title is empty) and its controls are windows of their own.
        service.previousProcedure = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(owner, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&HotkeyFilter)));
    }
    ++service.callsSoFar;
    const std::int32_t identifier = kHotkeyBase + service.callsSoFar;
    service.lastIdentifier = identifier;
    if (!RegisterHotKey(owner, identifier, flags, static_cast<UINT>(keyCode))) {
        return 0;
    }
    return identifier;
}
