#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include <glm/vec3.hpp>
#include <glm/vec4.hpp>

#include "Core/Easing.h"

// A tween: drives one, three or four consecutive floats from their values when armed to end
// values over a duration, along an easing curve. The driven floats are not owned and must
// outlive the action.
class Action {
public:
    // An empty action drives nothing; composites start from one.
    Action() = default;
    Action(float* target, float end, float duration, EasingFunction easing);
    Action(glm::vec3* target, const glm::vec3& end, float duration, EasingFunction easing);
    Action(glm::vec4* target, const glm::vec4& end, float duration, EasingFunction easing);
    virtual ~Action() = default;

    // Advances by dt seconds. The update that reaches the duration writes the end values exactly.
    virtual void Update(float dt);

    // Takes the driven floats' current values as the start.
    virtual void Arm();

    // The copy an observer keeps when the action is added to it.
    virtual std::unique_ptr<Action> Clone() const;

    bool finished = false;
    float duration = 0.0f;
    float elapsed = 0.0f;
    std::uint32_t count = 0;
    float* target = nullptr;
    EasingFunction easing = nullptr;
    std::array<float, 4> change{};
    std::array<float, 4> start{};
    std::array<float, 4> end{};

private:
    Action(float* target, const float* end, std::uint32_t count, float duration,
           EasingFunction easing);
};
