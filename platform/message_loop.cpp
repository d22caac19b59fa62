#include "platform/message_loop.h"

#include "platform/top_window.h"

namespace {
bool entered = false;
}

int RunMessageLoop(PreDispatch look) {
    entered = true;
    if (LiveTopWindows() == 0) {
        return 0;
    }
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (look != nullptr && look(message)) {
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

bool MessageLoopEntered() {
    return entered;
}
