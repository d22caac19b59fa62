#include "platform/caption.h"

#include "platform/wide_text.h"

void WriteCaption(HWND window, const Text& text) {
    const WideText wide(text);
    SetWindowTextW(window, wide.c_str());
    InvalidateRect(window, nullptr, FALSE);
}
