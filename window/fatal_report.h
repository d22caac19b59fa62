#pragma once

#include "platform/text.h"

#include <cstddef>
#include <cstdint>

// The text of the fatal error report, lines broken by CR LF: the heading, the
// code line for a non-zero code, the message line for a non-empty message.
Text FatalReportText(const Text& message, std::int32_t code);

// "分配 N 字节内存失败!" for a request of N bytes.
Text AllocationFailureMessage(std::size_t bytes);

// "错误": the caption of the report's message box.
extern const Text FatalReportCaption;
