#pragma once

#include "platform/events.h"

#include <cstdint>
#include <span>
#include <string_view>

// The declaration of the main window, its controls and the bindings of their
// events to the program's handlers. Texts are code page 936 bytes.

enum class Alignment { Left, Centre };

struct MainWindowDescription {
    std::string_view name;
    const char* title;
    std::uint32_t style; // WS_ flags
    std::int32_t width, height;
};

struct ControlDescription {
    std::string_view name;
    ControlKind kind;        // GroupBox, Label or Timer
    std::string_view parent; // the main window's name or an earlier control's
    std::int32_t x, y, width, height;
    const char* text;
    Alignment alignment;         // labels
    unsigned periodMilliseconds; // timers
};

enum class Event { Created, Feedback, Periodic };

struct EventBinding {
    std::string_view control;
    Event event;
    CreatedHandler onCreated = nullptr;
    FeedbackHandler onFeedback = nullptr;
    PeriodicHandler onPeriodic = nullptr;
};

struct WindowDescription {
    MainWindowDescription window;
    std::span<const ControlDescription> controls;
    std::span<const EventBinding> bindings;
};

// Whether the description can be built: names unique and not empty, every
// control a group box, label or timer, every parent the main window or a group box declared earlier, every
// binding for an existing window of the kind that raises its event and with that event's handler, at most one
// binding per window and event, at most kMaxControls controls.
inline constexpr std::size_t kMaxControls = 15;
bool IsBuildable(const WindowDescription& description);

// The handler bound to `event` of the named window, or nullptr.
const EventBinding* FindBinding(const WindowDescription& description, std::string_view control, Event event);
