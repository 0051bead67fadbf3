#pragma once

#include <cstdint>

// Measures the time between ticks and the time since it was made, on a monotonic clock.
class DorvoClock {
public:
    // Reads the current time point in nanoseconds. Tests hand in a scripted one.
    using TimeSource = std::int64_t (*)();

    // The platform's high-resolution steady clock.
    static std::int64_t SteadyNow();

    explicit DorvoClock(TimeSource now = SteadyNow);
    virtual ~DorvoClock() = default;

    // The scaled duration since the previous tick, in seconds.
    virtual float Tick();

    // The scaled time since construction, in seconds.
    float TotalTime() const;

protected:
    static float Seconds(std::int64_t nanoseconds);

    TimeSource now;
    std::int64_t start;
    float dt = 0.0f;
    std::int64_t last;
    float timeScale = 1.0f;
};
