#pragma once

#include "Core/DorvoClock.h"

// A clock whose tick waits, by polling the clock without sleeping, until a frame period has
// passed since the previous tick: it caps the frame rate.
class DorvoFPS : public DorvoClock {
public:
    static constexpr float DefaultTargetRate = 60.0f;

    explicit DorvoFPS(TimeSource now = SteadyNow);

    // Waits out the rest of the frame period and returns the frame's scaled duration. A stall
    // of more than a second (a breakpoint, a dragged window, a long load) counts as one
    // nominal frame.
    float Tick() override;

    float targetRate = DefaultTargetRate;
};
