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

inline constexpr std::size_t kMaxControls = 15;

// The rules a description must keep to be built; the first one it breaks.
enum class DescriptionFault {
    None,
    UnnamedWindow,          // the main window has no name
    TooManyControls,        // more than kMaxControls
    UnnamedControl,         // a control without a name
    NameTaken,              // a control named like the window or an earlier control
    ControlOfTheWindowKind, // a control that claims to be the main window
    NegativeSize,           // a width or height below 0
    UnknownParent,          // a parent that is neither the window nor declared earlier
    ParentCannotHoldControls, // a parent that is neither the window nor a group box
    BindingForNoWindow,     // a binding that names no window of the description
    EventNotRaisedThere,    // created on a control, feedback on a non-label, periodic on a non-timer
    BindingWithoutHandler,  // a binding without the handler of its event
    EventBoundTwice,        // two bindings of one event of one window
};

DescriptionFault CheckDescription(const WindowDescription& description);

// Whether the description keeps every rule.
inline bool IsBuildable(const WindowDescription& description) {
    return CheckDescription(description) == DescriptionFault::None;
}

// The handler bound to `event` of the named window, or nullptr.
const EventBinding* FindBinding(const WindowDescription& description, std::string_view control, Event event);
