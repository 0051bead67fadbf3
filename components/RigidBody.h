#pragma once

#include <cstdint>

#include <glm/vec3.hpp>

#include "Core/Component.h"

class Transform;

// A body's motion state: it integrates a damped acceleration into a capped displacement of its
// object's position, or, while attached to a gear, is carried around the gear's centre. Every
// step is a fixed step: nothing here reads the elapsed time.
class RigidBody : public Component {
public:
    static constexpr ComponentType Type = ComponentType::RigidBody;

    // The gamepad's boost, taken only by the body of the player "velmo", which consumes the
    // message; any other body leaves it for the next component.
    void OnBoost(BoostMessage* message) override;
    // One integration step, or one step carried around the pivot while attached.
    void OnUpdate(UpdateMessage* message) override;
    // Takes the owner's transform and derives the damping and gravity from its x scale.
    void Initialize() override;

    // Turns the body by RotSpeed and, while attached, carries it round the pivot at
    // orbitRadius. A body standing on its pivot stays there.
    void ApplyRotation();
    // Detaches the body and gives it a velocity along its offset from the pivot, turned in the
    // direction the gear turns.
    void LaunchFromGear();

    bool Gravity = false;
    // Radians added to the rotation per step.
    float RotSpeed = 0.0f;
    float JumpHeight = 0.0f;
    // Factor from velocity to displacement; 0 never moves by integration.
    float Speed = 0.0f;
    // Bound on the absolute x and y displacement per step.
    float VelocityCap = 0.0f;
    float RotationVelocityCap = 0.0f;
    // Carried around pivot by a gear instead of integrating.
    bool attached = false;
    // Stored only.
    bool Moveable = false;
    // Stands on a box; only a grounded body can jump.
    bool grounded = false;
    float gravityStep = 0.0f;
    float damping = 0.0f;
    glm::vec3 previousPosition{0.0f};
    glm::vec3 pivot{0.0f};
    float orbitRadius = 0.0f;
    // The owner's transform; not owned.
    Transform* transform = nullptr;
    // BreakableBody marks a body a bomb blast destroys; 8 when the level names no kind.
    std::int32_t BodyTypeNum = 8;
    static constexpr std::int32_t BreakableBody = 5;
    glm::vec3 displacement{0.0f};
    glm::vec3 velocity{0.0f};
    glm::vec3 acceleration{0.0f};
};
