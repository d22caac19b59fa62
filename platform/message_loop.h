#pragma once

#include <windows.h>

// A look at each message before it is dispatched; true when it consumed the message.
using PreDispatch = bool (*)(const MSG& message);

// Runs the thread's message loop until the quit message and returns its code.
// Returns 0 at once when no top-level window of the program is left.
int RunMessageLoop(PreDispatch look);

// Whether the loop has been entered; never cleared.
bool MessageLoopEntered();
