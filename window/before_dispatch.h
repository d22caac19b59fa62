#pragma once

#include <windows.h>

// The main window's rules, applied to each message before it is dispatched.
// Returns true when the message is consumed.
bool LookBeforeDispatch(const MSG& message);
