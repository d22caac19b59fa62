#pragma once

#include "window/description.h"

// Builds the described window: made hidden, centred and topmost, its controls
// made and shown, the created event raised while it is still hidden, then
// shown and activated. Returns false when a window could not be created.
bool BuildMainWindow(const WindowDescription& description);
