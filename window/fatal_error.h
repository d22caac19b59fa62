#pragma once

#include "platform/text.h"

#include <cstdint>

// Shows the fatal error report in a message box with no owner and ends the
// process with exit code -1 once the user dismisses it.
[[noreturn]] void ReportFatalError(const Text& message, std::int32_t code);
