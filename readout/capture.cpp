#include "readout/capture.h"

#include "platform/controls.h"
#include "platform/hotkey.h"
#include "platform/window_under_pointer.h"
#include "window/control_names.h"

std::int32_t HotkeyId = 0;
HWND TargetWindow = nullptr;

namespace {
constexpr std::int32_t kNoModifiers = 0;
constexpr std::int32_t kF10 = VK_F10;
} // namespace

void OnMainWindowCreated() {
    const HWND mainWindow = ControlHandle(control::主窗口);
    const HWND receiver = ControlHandle(control::标签4);
    HotkeyId = RegisterGlobalHotkey(mainWindow, receiver, kNoModifiers, kF10);
}

void OnHotkeyFeedback(std::int32_t first, std::int32_t /*second*/) {
    if (first == HotkeyId) {
        TargetWindow = WindowUnderPointer();
    }
}
