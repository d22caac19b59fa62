#pragma once

#include <windows.h>

#include <cstdint>

// Registers a system-wide hotkey on `owner`. Every press then sends
// `notifyLabel` the feedback message with (identifier, 0). Returns the
// identifier, 33001 for the first call and one more for each later call, or 0
// when the window system refuses the key. One label serves every hotkey of
// the process: the latest call's label is notified.
std::int32_t RegisterGlobalHotkey(HWND owner, HWND notifyLabel, std::int32_t modifiers, std::int32_t keyCode);
