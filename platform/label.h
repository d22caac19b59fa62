#pragma once

#include "platform/events.h"

#include <windows.h>

enum class LabelAlignment { Left, Centre };

// A label: one line of black text on the button face, in the window's font,
// centred vertically, cut at its edges. Message kFeedbackMessage to it raises
// `onFeedback` with the message's two parameters. Made hidden.
HWND CreateLabel(HWND parent, const wchar_t* text, RECT place, LabelAlignment alignment,
                 FeedbackHandler onFeedback);
