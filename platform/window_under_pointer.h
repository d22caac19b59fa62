#pragma once

#include <windows.h>

// The window under the mouse pointer, or 0; the pointer is sampled once.
HWND WindowUnderPointer();
