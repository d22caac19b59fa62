#pragma once

#include <windows.h>

#include <cstdint>

// The identifier of the program's F10 hotkey, or 0 when the system refused it.
extern std::int32_t HotkeyId;

// The window being measured; 0 until the first F10. Never cleared: a closed
// window's handle stays until the next F10.
extern HWND TargetWindow;

// Registers F10 on the main window with the hidden receiver label.
void OnMainWindowCreated();

// A press of one of the program's hotkeys: F10 captures the window under the pointer.
void OnHotkeyFeedback(std::int32_t first, std::int32_t second);
