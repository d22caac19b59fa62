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

bool ControlsAreSound(const WindowDescription& description) {
    const std::string_view mainName = description.window.name;
    if (mainName.empty() || description.controls.size() > kMaxControls) {
        return false;
    }
    for (std::size_t i = 0; i < description.controls.size(); ++i) {
        const ControlDescription& control = description.controls[i];
        ControlKind earlier{};
        if (control.name.empty() || control.name == mainName || control.kind == ControlKind::MainWindow ||
            IsDeclaredBefore(description, i, control.name, &earlier) || control.width < 0 ||
            control.height < 0) {
            return false;
        }
        ControlKind parentKind{};
        const bool parentKnown =
            control.parent == mainName || (IsDeclaredBefore(description, i, control.parent, &parentKind) &&
                                           parentKind == ControlKind::GroupBox);
        if (!parentKnown) {
            return false;
        }
    }
    return true;
}

bool BindingIsSound(const WindowDescription& description, const EventBinding& binding) {
    if (binding.event == Event::Created) {
        return binding.control == description.window.name && binding.onCreated != nullptr;
    }
    const auto control = std::find_if(description.controls.begin(), description.controls.end(),
                                      [&](const ControlDescription& c) { return c.name == binding.control; });
    if (control == description.controls.end()) {
        return false;
    }
    if (binding.event == Event::Feedback) {
        return control->kind == ControlKind::Label && binding.onFeedback != nullptr;
    }
    return control->kind == ControlKind::Timer && binding.onPeriodic != nullptr;
}

} // namespace

bool IsBuildable(const WindowDescription& description) {
    if (!ControlsAreSound(description)) {
        return false;
    }
    for (std::size_t i = 0; i < description.bindings.size(); ++i) {
        const EventBinding& binding = description.bindings[i];
        if (!BindingIsSound(description, binding)) {
            return false;
        }
        for (std::size_t j = 0; j < i; ++j) {
            if (description.bindings[j].control == binding.control &&
                description.bindings[j].event == binding.event) {
                return false;
            }
        }
    }
    return true;
}

const EventBinding* FindBinding(const WindowDescription& description, std::string_view control, Event event) {
    for (const EventBinding& binding : description.bindings) {
        if (binding.control == control && binding.event == event) {
            return &binding;
        }
    }
    return nullptr;
}
