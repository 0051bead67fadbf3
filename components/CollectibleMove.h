#pragma once

#include <glm/vec3.hpp>

#include "Core/Component.h"

// Bobs a pickup up and down, two units over two seconds each way, and runs its collection
// when its gear object receives the engagement message: a short rise, then a fall under
// gravity while it fades out.
class CollectibleMove : public Component {
public:
    static constexpr ComponentType Type = ComponentType::CollectibleMove;

    // Takes the address of the owner's position.
    void Initialize() override;
    // Starts the collection animation.
    void OnCollision(CollisionMessage* message) override;
    void OnUpdate(UpdateMessage* message) override;

    // Seconds until the next bob starts.
    float timer = 0.0f;
    // Length of one bob, in seconds.
    float period = 2.0f;
    // Seconds left of the collection rise.
    float riseTimer = 0.25f;
    float riseDuration = 0.25f;
    // The owner's position; lives as long as the owner.
    glm::vec3* position = nullptr;
    // The next bob goes up.
    bool up = true;
    bool collected = false;
};
