#pragma once

#include <span>

// Where the window reads the player's gamepad from. The real source is GLFW's joystick 1;
// tests and tools present a scripted one instead (ScriptedGamepad).
class Gamepad {
public:
    virtual ~Gamepad() = default;

    virtual bool IsPresent() const;

    // The axes and buttons as they are now; empty when the gamepad gives none. The views stay
    // valid until the next call or the next event poll.
    virtual std::span<const float> Axes() const;
    virtual std::span<const unsigned char> Buttons() const;
};
