#include "window/description.h"

#include <algorithm>

namespace {

bool IsDeclaredBefore(const WindowDescription& description, std::size_t index, std::string_view name,
                      ControlKind* kind) {
    for (std::size_t i = 0; i < index; ++i) {
        if (description.controls[i].name == name) {
            *kind = description.controls[i].kind;
            return true;
        }
    }
    return false;
}

DescriptionFault CheckControl(const WindowDescription& description, std::size_t index) {
    const ControlDescription& control = description.controls[index];
    ControlKind earlier{};
    if (control.name.empty()) {
        return DescriptionFault::UnnamedControl;
    }
    if (control.name == description.window.name || IsDeclaredBefore(description, index, control.name, &earlier)) {
        return DescriptionFault::NameTaken;
    }
    if (control.kind == ControlKind::MainWindow) {
        return DescriptionFault::ControlOfTheWindowKind;
    }
    if (control.width < 0 || control.height < 0) {
        return DescriptionFault::NegativeSize;
    }
    if (control.parent == description.window.name) {
        return DescriptionFault::None;
    }
    ControlKind parentKind{};
    if (!IsDeclaredBefore(description, index, control.parent, &parentKind)) {
        return DescriptionFault::UnknownParent;
    }
    if (parentKind != ControlKind::GroupBox) {
        return DescriptionFault::ParentCannotHoldControls;
    }
    return DescriptionFault::None;
}

DescriptionFault CheckBinding(const WindowDescription& description, const EventBinding& binding) {
    const bool onWindow = binding.control == description.window.name;
    const auto control = std::find_if(description.controls.begin(), description.controls.end(),
                                      [&](const ControlDescription& c) { return c.name == binding.control; });
    if (!onWindow && control == description.controls.end()) {
        return DescriptionFault::BindingForNoWindow;
    }
    const ControlKind kind = onWindow ? ControlKind::MainWindow : control->kind;
    bool raisedThere = false;
    bool hasHandler = false;
    switch (binding.event) {
    case Event::Created:
        raisedThere = kind == ControlKind::MainWindow;
        hasHandler = binding.onCreated != nullptr;
        break;
    case Event::Feedback:
        raisedThere = kind == ControlKind::Label;
        hasHandler = binding.onFeedback != nullptr;
        break;
    case Event::Periodic:
        raisedThere = kind == ControlKind::Timer;
        hasHandler = binding.onPeriodic != nullptr;
        break;
    }
    if (!raisedThere) {
        return DescriptionFault::EventNotRaisedThere;
    }
    return hasHandler ? DescriptionFault::None : DescriptionFault::BindingWithoutHandler;
}

} // namespace

DescriptionFault CheckDescription(const WindowDescription& description) {
    if (description.window.name.empty()) {
        return DescriptionFault::UnnamedWindow;
    }
    if (description.controls.size() > kMaxControls) {
        return DescriptionFault::TooManyControls;
    }
    for (std::size_t i = 0; i < description.controls.size(); ++i) {
        if (const DescriptionFault fault = CheckControl(description, i); fault != DescriptionFault::None) {
            return fault;
        }
    }
    for (std::size_t i = 0; i < description.bindings.size(); ++i) {
        const EventBinding& binding = description.bindings[i];
        if (const DescriptionFault fault = CheckBinding(description, binding); fault != DescriptionFault::None) {
            return fault;
        }
        for (std::size_t j = 0; j < i; ++j) {
            if (description.bindings[j].control == binding.control &&
                description.bindings[j].event == binding.event) {
                return DescriptionFault::EventBoundTwice;
            }
        }
    }
    return DescriptionFault::None;
}

const EventBinding* FindBinding(const WindowDescription& description, std::string_view control, Event event) {
    for (const EventBinding& binding : description.bindings) {
        if (binding.control == control && binding.event == event) {
            return &binding;
        }
    }
    return nullptr;
}
