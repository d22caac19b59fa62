#include "window/start_up.h"

#include "platform/message_loop.h"
#include "window/before_dispatch.h"
#include "window/build_main_window.h"
#include "window/fatal_error.h"

namespace {
constexpr char kDescriptionUnreadable[] =
    "\xD4\xD8\xC8\xEB\xB4\xB0\xBF\xDA\xC4\xA3\xB0\xE5\xCA\xFD\xBE\xDD\xB6\xCE"
    "\xB3\xF6\xB4\xED!"; // 载入窗口模板数据段出错!
constexpr char kCannotCreate[] =
    "\xD4\xD8\xC8\xEB\xC6\xF4\xB6\xAF\xB4\xB0\xBF\xDA\xCA\xA7\xB0\xDC"; // 载入启动窗口失败
} // namespace

int RunStartRoutine(const WindowDescription& description) {
    if (!IsBuildable(description)) {
        ReportFatalError(kDescriptionUnreadable, 0);
    }
    if (!BuildMainWindow(description)) {
        ReportFatalError(kCannotCreate, 0);
    }
    return RunMessageLoop(LookBeforeDispatch);
}
