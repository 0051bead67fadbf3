#include "Core/Action.h"

#include <glm/gtc/type_ptr.hpp>

Action::Action(float* target, const float* endValues, std::uint32_t count, float duration,
               EasingFunction easing)
    : duration(duration), count(count), target(target), easing(easing) {
    for (std::uint32_t i = 0; i < count; ++i) {
        end[i] = endValues[i];
    }
    Arm();
}

Action::Action(float* target, float end, float duration, EasingFunction easing)
    : Action(target, &end, 1, duration, easing) {}

Action::Action(glm::vec3* target, const glm::vec3& end, float duration, EasingFunction easing)
    : Action(glm::value_ptr(*target), glm::value_ptr(end), 3, duration, easing) {}

Action::Action(glm::vec4* target, const glm::vec4& end, float duration, EasingFunction easing)
    : Action(glm::value_ptr(*target), glm::value_ptr(end), 4, duration, easing) {}

void Action::Arm() {
    for (std::uint32_t i = 0; i < count; ++i) {
        start[i] = target[i];
        change[i] = end[i] - start[i];
    }
}

void Action::Update(float dt) {
    if (finished) {
        return;
    }
    elapsed += dt;
    for (std::uint32_t i = 0; i < count; ++i) {
        target[i] = easing(elapsed, start[i], change[i], duration);
    }
    if (elapsed >= duration) {
        for (std::uint32_t i = 0; i < count; ++i) {
            target[i] = end[i];
        }
        finished = true;
    }
}

std::unique_ptr<Action> Action::Clone() const {
    return std::make_unique<Action>(*this);
}
