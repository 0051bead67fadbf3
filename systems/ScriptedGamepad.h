#pragma once

#include <array>
#include <optional>
#include <vector>

#include "systems/Gamepad.h"

// A gamepad whose sticks and buttons are set by a test or a replayed input file, by their raw
// indices. Without a database entry it is a pad the controller database does not know, so the
// rules read those indices as they are; with one, they read it through the entry as they read
// a known pad.
class ScriptedGamepad : public Gamepad {
public:
    // Where a pad's controls stand among its raw axes and buttons, as its line of the controller
    // database says: for each of GLFW's gamepad axes and buttons, the raw index, -1 for none.
    struct DatabaseEntry {
        std::array<int, 6> axes;
        std::array<int, 15> buttons;
    };

    // Six axes and sixteen buttons, all at rest, unknown to the database.
    ScriptedGamepad();

    bool IsPresent() const override { return present; }

    bool present = true;
    std::vector<float> axes;
    std::vector<unsigned char> buttons;
    std::optional<DatabaseEntry> known;

protected:
    bool ReadMapped(Mapped& state) const override;
    std::span<const float> RawAxes() const override { return axes; }
    std::span<const unsigned char> RawButtons() const override { return buttons; }
};
