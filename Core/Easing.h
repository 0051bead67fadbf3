#pragma once

// Easing curves: f(t, begin, change, duration) with t the seconds elapsed and change the
// difference end - begin. Every curve gives begin at t = 0 and begin + change at t = duration.
using EasingFunction = float (*)(float t, float begin, float change, float duration);

namespace Easing {

float Linear(float t, float begin, float change, float duration);
float InQuad(float t, float begin, float change, float duration);
float OutQuad(float t, float begin, float change, float duration);
float InOutQuad(float t, float begin, float change, float duration);
float InBack(float t, float begin, float change, float duration);
float OutBack(float t, float begin, float change, float duration);
float InOutBack(float t, float begin, float change, float duration);
// NOTE: uses 3.14, not pi; the win screens' zoom is tuned to it.
float InOutSine(float t, float begin, float change, float duration);
// NOTE: uses 6.28, not 2 pi; the screens' bounces are tuned to it.
float OutElastic(float t, float begin, float change, float duration);

}  // namespace Easing
