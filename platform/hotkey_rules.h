#pragma once

#include <cstdint>

// Identifiers of the program's hotkeys are kHotkeyBase plus the number of
// registrations so far, so the first is 33001.
inline constexpr std::int32_t kHotkeyBase = 33000;

// The service's own modifier coding (1 Ctrl, 2 Shift, 4 Alt and their sums up
// to 6) as RegisterHotKey's MOD_ flags; any other value is passed on as it is.
constexpr std::uint32_t TranslateModifiers(std::int32_t modifiers) noexcept {
    constexpr std::uint32_t alt = 1, control = 2, shift = 4; // MOD_ALT, MOD_CONTROL, MOD_SHIFT
    switch (modifiers) {
    case 1: return control;
    case 2: return shift;
    case 3: return control | shift;
    case 4: return alt;
    case 5: return control | alt;
    case 6: return shift | alt;
    default: return static_cast<std::uint32_t>(modifiers);
    }
}

// Whether a WM_HOTKEY identifier is one that the service issued.
constexpr bool IsIssuedHotkey(std::int32_t identifier, std::int32_t lastIssued) noexcept {
    return identifier >= kHotkeyBase + 1 && identifier <= lastIssued;
}
