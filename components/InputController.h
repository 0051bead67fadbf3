#pragma once

#include <optional>

#include "Core/Component.h"

class MovingGearCollider;
class RigidBody;

// Turns the keyboard and gamepad into the player's motion. It sits on the player beside its
// body and moving gear collider, which it reaches through the pointers taken at Initialize.
class InputController : public Component {
public:
    static constexpr ComponentType Type = ComponentType::InputController;

    // When set, every controller seeds the random-input mode with this number instead of the
    // time, so that a tool can replay a level's random play exactly.
    static std::optional<unsigned> seedOverride;

    // Seeds the random-input mode, clears the flags and takes the owner's body and collider.
    void Initialize() override;
    // Reads the keys for one frame: on a gear only the jump off it, elsewhere steering and the
    // jump from a box; O toggles random play and P moves the player to the goal.
    // NOTE: advances this component's tweens by the message's step, and the space advances
    // them again at the end of the frame: its tweens run at twice their written speed.
    void OnUpdate(UpdateMessage* message) override;
    // One frame of random play.
    void RandomInput();

    // Not owned.
    MovingGearCollider* movingGear = nullptr;
    // Just jumped off a gear: no meshing again with the gears still in contact.
    bool launched = false;
    RigidBody* rigidBody = nullptr;
    // Random-input mode.
    bool autoPlay = false;
    // All input is ignored.
    bool disabled = false;

private:
    void LaunchOffGear();
    void JumpFromBox();
    void MoveToGoal();
    void PlayJumpSound();
};
