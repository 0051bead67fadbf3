#pragma once

#include <glm/vec3.hpp>

#include "Core/Component.h"

class RigidBody;
class Transform;

// An axis-aligned rectangle the player's gear lands on, is pushed out of and bounces off.
class BoxCollider : public Component {
public:
    static constexpr ComponentType Type = ComponentType::BoxCollider;

    // Takes the owner's transform and body, the half extents, the centre and the bounds.
    void Initialize() override;
    // Moves the bounds with the object; the half extents stay those taken at Initialize.
    // NOTE: advances this component's tweens by the message's step, and the space advances
    // them again at the end of the frame: its tweens run at twice their written speed.
    void OnUpdate(UpdateMessage* message) override;

    // x and y are the half width and half height; read only by Initialize.
    glm::vec3 BoxColliderSize{1.0f};
    glm::vec3 BoxColliderOffset{0.0f};
    // Position plus offset.
    glm::vec3 BoxColliderCenter{0.0f};
    float halfWidth = 0.0f;
    float halfHeight = 0.0f;
    float top = 0.0f;
    float bottom = 0.0f;
    float left = 0.0f;
    float right = 0.0f;
    // Stored only: a ghost box collides like any other.
    bool BoxColliderGhost = false;
    // Stored only.
    float BoxColliderBreakSpeed = 0.0f;
    // Not owned.
    RigidBody* rigidBody = nullptr;
    Transform* transform = nullptr;
};
