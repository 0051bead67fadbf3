#include "Core/DorvoFPS.h"

namespace {
constexpr float LongestFrame = 1.0f;
}

DorvoFPS::DorvoFPS(TimeSource now) : DorvoClock(now) {}

float DorvoFPS::Tick() {
    const float period = 1.0f / targetRate;
    dt = 0.0f;
    if (period > 0.0f) {
        while (dt < period) {
            dt = static_cast<float>(now() - last) * (1.0f / 1000000000.0f);
        }
    }
    if (dt > LongestFrame) {
        dt = period;
    }
    last = now();
    return timeScale * dt;
}
