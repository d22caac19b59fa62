#include "platform/controls.h"

#include <array>

namespace {

struct Entry {
    std::string_view name;
    ControlKind kind;
    HWND window;
};

// A fixed table: the program has one window with a handful of controls.
std::array<Entry, 16> entries;
std::size_t count = 0;

} // namespace

void RememberControl(std::string_view name, ControlKind kind, HWND window) {
    if (count < entries.size()) {
        entries[count++] = {name, kind, window};
    }
}

void ForgetControls() {
    count = 0;
}

HWND ControlHandle(std::string_view name) {
    for (std::size_t i = 0; i < count; ++i) {
        if (entries[i].name == name) {
            return entries[i].window;
        }
    }
    return nullptr;
}

bool IsControlOfKind(HWND window, ControlKind kind) {
    for (std::size_t i = 0; i < count; ++i) {
        if (entries[i].window == window) {
            return entries[i].kind == kind;
        }
    }
    return false;
}
