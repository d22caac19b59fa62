#pragma once

#include <cstdint>

// The kinds of window the toolkit makes.
enum class ControlKind { MainWindow, GroupBox, Label, Timer };

// The toolkit's events, bound to the program's handlers by the window description.
using CreatedHandler = void (*)();
using FeedbackHandler = void (*)(std::int32_t first, std::int32_t second);
using PeriodicHandler = void (*)();

// A label raises its feedback event when its window receives this message.
inline constexpr unsigned kFeedbackMessage = 32885;

// The timer's identifier on its own window.
inline constexpr unsigned kTimerId = 1000;
