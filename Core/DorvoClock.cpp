#include "Core/DorvoClock.h"

#include <chrono>

std::int64_t DorvoClock::SteadyNow() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

DorvoClock::DorvoClock(TimeSource now) : now(now), start(now()), last(now()) {}

float DorvoClock::Seconds(std::int64_t nanoseconds) {
    return static_cast<float>(nanoseconds) / 1000000000.0f;
}

float DorvoClock::Tick() {
    dt = Seconds(now() - last);
    last = now();
    return timeScale * dt;
}

float DorvoClock::TotalTime() const {
    return timeScale * Seconds(now() - start);
}
