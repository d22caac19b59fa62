#pragma once

#include <windows.h>

// Registers a window class of this module once; later calls find it registered.
void EnsureWindowClass(const wchar_t* name, WNDPROC procedure, int extraBytes);
