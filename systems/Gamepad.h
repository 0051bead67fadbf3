#pragma once

#include <array>
#include <span>
#include <string>

// The player's gamepad, GLFW's joystick 1, handed to the rules in the layout of the pads the
// game was made with: button 0 A, 1 B, 6 Back, 7 Start; axes 0 and 1 the left stick, 3 the
// right stick's vertical and 4 its horizontal, down and right positive; no trigger on any of
// them.
//
// A pad that GLFW's controller database knows (the database GLFW carries, and the player's own
// mapping file, see AddMappings) is read through its mapping and laid out so, whatever its raw
// layout; a pad the database does not know is handed on as its raw axes and buttons. Tests and
// tools present a scripted pad (ScriptedGamepad) by replacing what GLFW reports.
class Gamepad {
public:
    // A pad as the database maps it: GLFW's gamepad axes and buttons, by their
    // GLFW_GAMEPAD_AXIS_* and GLFW_GAMEPAD_BUTTON_* indices.
    struct Mapped {
        std::array<float, 6> axes{};
        std::array<unsigned char, 15> buttons{};
    };

    virtual ~Gamepad() = default;

    virtual bool IsPresent() const;

    // The axes and buttons in the game's layout; empty when the pad gives none. The views stay
    // valid until the next call or the next event poll.
    std::span<const float> Axes() const;
    std::span<const unsigned char> Buttons() const;

    // Adds the mappings of a controller database file (one SDL game controller line per pad) to
    // GLFW's, replacing those of the same pads. A missing file adds nothing, and GLFW skips the
    // lines it cannot read and those for other systems. GLFW must be started.
    static void AddMappings(const std::string& path);

protected:
    // What GLFW reports of joystick 1: the pad through its mapping (false when the database
    // does not know it), and its raw axes and buttons.
    virtual bool ReadMapped(Mapped& state) const;
    virtual std::span<const float> RawAxes() const;
    virtual std::span<const unsigned char> RawButtons() const;

private:
    mutable std::array<float, 6> laidOutAxes{};
    mutable std::array<unsigned char, 15> laidOutButtons{};
};
