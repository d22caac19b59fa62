#pragma once

#include <windows.h>

// The system's group box with its caption at the left of its top edge. Made hidden.
HWND CreateGroupBox(HWND parent, const wchar_t* text, RECT place);
