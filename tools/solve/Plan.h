#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "InputScript.h"

// What the player holds: no roll key, A (roll left) or D (roll right).
enum class Roll { None, Left, Right };

// One choice of the player at a frame: from this frame on hold `roll`, and press the jump key
// (Space) in this frame when `jump` is set (it is let go in the next).
struct Decision {
    std::int64_t frame = 0;
    Roll roll = Roll::None;
    bool jump = false;
};

// The input of one play of a level as the player's decisions in frame order, at least two
// frames apart. It turns into the trace tool's input events.
class Plan {
public:
    // The key events the decisions give in one frame, in the order they are applied.
    std::vector<InputEvent> EventsOf(std::int64_t frame) const;
    // The trace tool's input file lines, one event a line.
    std::string InputText() const;
    // The roll held before the given frame's decisions.
    Roll RollBefore(std::int64_t frame) const;

    // A short description: "frame 130: roll right", "frame 140: jump".
    static std::string Describe(const Decision& decision, Roll before);

    std::vector<Decision> decisions;
};
