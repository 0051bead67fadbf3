#include "systems/ScriptedGamepad.h"

namespace {

constexpr int AxisCount = 6;
constexpr int ButtonCount = 16;

// A raw index the pad does not have reads as at rest, as GLFW reads it.
template <typename Value>
Value RawAt(const std::vector<Value>& values, int index) {
    return index >= 0 && static_cast<std::size_t>(index) < values.size() ? values[index] : Value{};
}

}  // namespace

ScriptedGamepad::ScriptedGamepad() : axes(AxisCount, 0.0f), buttons(ButtonCount, 0) {}

bool ScriptedGamepad::ReadMapped(Mapped& state) const {
    if (!present || !known) {
        return false;
    }
    for (std::size_t axis = 0; axis < state.axes.size(); ++axis) {
        state.axes[axis] = RawAt(axes, known->axes[axis]);
    }
    for (std::size_t button = 0; button < state.buttons.size(); ++button) {
        state.buttons[button] = RawAt(buttons, known->buttons[button]);
    }
    return true;
}
