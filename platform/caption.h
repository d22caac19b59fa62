#pragma once

#include "platform/text.h"

#include <windows.h>

// Sets the window's text and marks all of it for repainting without erasing,
// at every call, also when the text is unchanged.
void WriteCaption(HWND window, const Text& text);
