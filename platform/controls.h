#pragma once

#include "platform/events.h"

#include <windows.h>

#include <cstddef>
#include <string_view>

// The windows of the one main window, addressed by their names. Filled as the
// window is built and emptied when it is destroyed.
void RememberControl(std::string_view name, ControlKind kind, HWND window);
void ForgetControls();

// The native handle of the named window, or 0 when there is none.
HWND ControlHandle(std::string_view name);

// Whether `window` is a remembered window of `kind`.
bool IsControlOfKind(HWND window, ControlKind kind);
