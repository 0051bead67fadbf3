#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "InputScript.h"

// What the player holds: no roll key, A (roll left) or D (roll right).
enum class Roll { None, Left, Right };

// Where a boost pushes the player: the right stick flicked one way for one frame.
enum class Boost { None, Up, UpLeft, UpRight, Left, Right, Down };

// One choice of the player at a frame: from this frame on hold `roll`, press the jump key in
// this frame when `jump` is set, and flick the right stick `boost`'s way in this frame (both
// are let go in the next).
struct Decision {
    std::int64_t frame = 0;
    Roll roll = Roll::None;
    bool jump = false;
    Boost boost = Boost::None;
};

// The input of one play of a level as the player's decisions in frame order, at least two
// frames apart. It turns into the trace tool's input events: keys (A, D, Space), or with
// `gamepad` the pad's (left stick, button 0, right stick), which a plan that boosts needs, since
// a present pad overrides the roll keys.
class Plan {
public:
    // The input events the decisions give in one frame, in the order they are applied.
    std::vector<InputEvent> EventsOf(std::int64_t frame) const;
    // The trace tool's input file lines, one event a line.
    std::string InputText() const;
    // The roll held before the given frame's decisions.
    Roll RollBefore(std::int64_t frame) const;

    // A short description: "frame 130: roll right", "frame 140: jump", "frame 150: boost up".
    static std::string Describe(const Decision& decision, Roll before);
    // The right stick's (x, y) for a boost, y up; (0, 0) for none.
    static std::pair<float, float> StickOf(Boost boost);

    std::vector<Decision> decisions;
    bool gamepad = false;
};
