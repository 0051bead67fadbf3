#pragma once

#include "Core/Component.h"

class MovingGearCollider;
class RigidBody;

// Turns the keyboard and gamepad into the player's motion. It sits on the player beside its
// body and moving gear collider, which it reaches through the pointers taken at Initialize.
class InputController : public Component {
public:
    static constexpr ComponentType Type = ComponentType::InputController;

    // Seeds the random-input mode, clears the flags and takes the owner's body and collider.
    void Initialize() override;

    // Not owned.
    MovingGearCollider* movingGear = nullptr;
    // Just jumped off a gear: no meshing again with the gears still in contact.
    bool launched = false;
    RigidBody* rigidBody = nullptr;
    // Random-input mode.
    bool autoPlay = false;
    // All input is ignored.
    bool disabled = false;
};
