#include "window/before_dispatch.h"

#include "platform/controls.h"
#include "window/control_names.h"
#include "window/dispatch_rules.h"

namespace {

Addressee AddresseeOf(HWND window, HWND mainWindow) {
    if (window == nullptr || mainWindow == nullptr) {
        return Addressee::Elsewhere;
    }
    if (window == mainWindow) {
        return Addressee::MainWindow;
    }
    if (IsControlOfKind(window, ControlKind::Label) || IsControlOfKind(window, ControlKind::GroupBox)) {
        return Addressee::Face;
    }
    if (IsControlOfKind(window, ControlKind::Timer)) {
        return Addressee::OtherControl;
    }
    return Addressee::Elsewhere;
}

bool ModifierHeld() {
    const auto down = [](int key) { return (GetKeyState(key) & 0x8000) != 0; };
    return down(VK_CONTROL) || down(VK_SHIFT) || down(VK_MENU);
}

void PostCaptionPress(HWND mainWindow) {
    PostMessageW(mainWindow, WM_NCLBUTTONDOWN, HTCAPTION, 0);
}

} // namespace

bool LookBeforeDispatch(const MSG& message) {
    const HWND mainWindow = ControlHandle(control::主窗口);
    switch (DecideBeforeDispatch(message.message, message.wParam, AddresseeOf(message.hwnd, mainWindow),
                                 ModifierHeld)) {
    case Verdict::Dispatch: return false;
    case Verdict::PostCaptionPressThenDispatch: PostCaptionPress(mainWindow); return false;
    case Verdict::PostCaptionPressAndDiscard: PostCaptionPress(mainWindow); return true;
    case Verdict::CloseAndDiscard: SendMessageW(mainWindow, WM_CLOSE, 0, 0); return true;
    }
    return false;
}
