#pragma once

#include <cstdint>

// Who a message is for, as far as the rules before dispatch care.
enum class Addressee {
    MainWindow,
    Face,         // a label or group box of the main window
    OtherControl, // the timer's window
    Elsewhere,
};

enum class Verdict {
    Dispatch,
    PostCaptionPressThenDispatch, // a press on the window's own face
    PostCaptionPressAndDiscard,   // a press on a label or group box
    CloseAndDiscard,              // Esc
};

inline constexpr std::uint32_t kKeyDown = 0x0100;        // WM_KEYDOWN
inline constexpr std::uint32_t kLeftButtonDown = 0x0201; // WM_LBUTTONDOWN
inline constexpr std::uint32_t kEscapeKey = 27;          // VK_ESCAPE

// What to do with a message before it is dispatched: a left press anywhere on
// the window's face drags the window, and Esc with none of Ctrl, Shift and
// Alt held closes it. `modifierHeld` is only asked for an Esc key-down.
template <typename ModifierHeld>
Verdict DecideBeforeDispatch(std::uint32_t message, std::uintptr_t key, Addressee addressee,
                             ModifierHeld modifierHeld) {
    if (addressee == Addressee::Elsewhere) {
        return Verdict::Dispatch;
    }
    if (message == kLeftButtonDown) {
        switch (addressee) {
        case Addressee::MainWindow: return Verdict::PostCaptionPressThenDispatch;
        case Addressee::Face: return Verdict::PostCaptionPressAndDiscard;
        default: return Verdict::Dispatch;
        }
    }
    if (message == kKeyDown && key == kEscapeKey && !modifierHeld()) {
        return Verdict::CloseAndDiscard;
    }
    return Verdict::Dispatch;
}
