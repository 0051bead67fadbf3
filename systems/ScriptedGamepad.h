#pragma once

#include <vector>

#include "systems/Gamepad.h"

// A gamepad whose sticks and buttons are set by a test or a replayed input file.
class ScriptedGamepad : public Gamepad {
public:
    // Six axes (two sticks and two triggers) and sixteen buttons, all at rest.
    ScriptedGamepad();

    bool IsPresent() const override { return present; }
    std::span<const float> Axes() const override { return axes; }
    std::span<const unsigned char> Buttons() const override { return buttons; }

    bool present = true;
    std::vector<float> axes;
    std::vector<unsigned char> buttons;
};
