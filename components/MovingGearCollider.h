#pragma once

#include <cstdint>
#include <vector>

#include <glm/vec3.hpp>

#include "Core/Component.h"

class GameObject;
class RigidBody;
class Transform;

// The player's gear collider: meshes with the gears it comes near and keeps the player's
// contacts with gears and boxes. None of its pointers owns anything.
class MovingGearCollider : public Component {
public:
    static constexpr ComponentType Type = ComponentType::MovingGearCollider;

    // Takes the owner's transform and body and places the centre.
    void Initialize() override;
    // Hands the first contact's centre, speed and radius to the body that it carries, clears
    // the launched flag once no contact is left, and runs the switch pause down.
    // NOTE: advances this component's tweens by the message's step, and the space advances
    // them again at the end of the frame: its tweens run at twice their written speed.
    void OnUpdate(UpdateMessage* message) override;
    // Lets go of every gear: the body is free and the player launched.
    void Detach();

    // Stored only.
    glm::vec3 MovingGearColliderSize{1.0f};
    glm::vec3 MovingGearColliderOffset{0.0f};
    // Position plus offset, recomputed every frame.
    glm::vec3 MovingGearColliderCenter{0.0f};
    // While set, the contact pass skips the player entirely.
    bool MovingGearColliderGhost = false;
    // Seconds left of the gear-switch pause.
    float switchTimer = 0.0f;
    bool switching = false;
    float MovingGearColliderBellyRadius = 0.0f;
    float MovingGearColliderFullRadius = 0.0f;
    std::int32_t MovingGearColliderNumTeeth = 0;
    // Set by a teleporter and never cleared during a level.
    bool teleporting = false;
    // Boxes touching the player's right and left sides, and the box it stands on.
    GameObject* rightWall = nullptr;
    GameObject* leftWall = nullptr;
    GameObject* ground = nullptr;
    // The gear left at the most recent switch; none while not attached.
    GameObject* lastGear = nullptr;
    // The gears engaged with, in the order met; the first carries the player.
    std::vector<GameObject*> contacts;
    Transform* transform = nullptr;
    RigidBody* rigidBody = nullptr;
};
