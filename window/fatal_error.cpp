#include "window/fatal_error.h"

#include "platform/wide_text.h"
#include "window/fatal_report.h"

#include <windows.h>

void ReportFatalError(const Text& message, std::int32_t code) {
    {
        const WideText text(FatalReportText(message, code));
        const WideText caption(FatalReportCaption);
        MessageBoxW(nullptr, text.c_str(), caption.c_str(), MB_ICONERROR | MB_OK);
    }
    ExitProcess(static_cast<UINT>(-1));
}
