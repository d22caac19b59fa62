#pragma once

#include "window/description.h"

// The life of the process: builds the described window, runs the message loop
// and returns the exit code, 0 once the window has been closed. A description
// that cannot be built ends in the fatal error report.
int RunStartRoutine(const WindowDescription& description);
