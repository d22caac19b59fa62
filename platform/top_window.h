#pragma once

#include <windows.h>

// A top-level window on the button face that grants every close at once and
// consents to the end of the session. When the last such window is destroyed
// and the message loop runs, the quit message is posted with code 0. Made hidden.
HWND CreateTopWindow(const wchar_t* title, DWORD style, RECT place);

// How many of them exist.
int LiveTopWindows();
