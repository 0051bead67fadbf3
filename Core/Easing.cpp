#include "Core/Easing.h"

#include <cmath>

namespace Easing {

float Linear(float t, float begin, float change, float duration) {
    const float u = t / duration;
    return change * u + begin;
}

float InQuad(float t, float begin, float change, float duration) {
    const float u = t / duration;
    return change * u * u + begin;
}

float OutQuad(float t, float begin, float change, float duration) {
    const float u = t / duration;
    return -change * u * (u - 2.0f) + begin;
}

float InOutQuad(float t, float begin, float change, float duration) {
    const float h = t / (duration / 2.0f);
    if (h < 1.0f) {
        return change / 2.0f * h * h + begin;
    }
    const float k = h - 1.0f;
    return -change / 2.0f * (k * (k - 2.0f) - 1.0f) + begin;
}

float InBack(float t, float begin, float change, float duration) {
    const float u = t / duration;
    return change * u * u * (2.70158f * u - 1.70158f) + begin;
}

float OutBack(float t, float begin, float change, float duration) {
    const float k = t / duration - 1.0f;
    return change * (k * k * (2.70158f * k + 1.70158f) + 1.0f) + begin;
}

float InOutBack(float t, float begin, float change, float duration) {
    const float h = t / (duration / 2.0f);
    if (h < 1.0f) {
        return change / 2.0f * (h * h * (3.5949094f * h - 2.5949094f)) + begin;
    }
    const float k = h - 2.0f;
    return change / 2.0f * (k * k * (3.5949094f * k + 2.5949094f) + 2.0f) + begin;
}

float InOutSine(float t, float begin, float change, float duration) {
    const float u = t / duration;
    return begin - change / 2.0f * (std::cos(3.14f * u) - 1.0f);
}

float OutElastic(float t, float begin, float change, float duration) {
    if (t == 0.0f) {
        return begin;
    }
    const float u = t / duration;
    if (u * 0.5f == 1.0f) {
        return begin + change;
    }
    const float p = 0.3f * duration;
    const float s = p * 0.25f;
    return change * std::pow(2.0f, -10.0f * u) * std::sin((t - s) * 6.28f / p) + change + begin;
}

}  // namespace Easing
