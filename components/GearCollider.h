#pragma once

#include <cstdint>

#include <glm/vec3.hpp>

#include "Core/Component.h"

class RigidBody;
class Transform;

// A turning gear the player's gear meshes with; its body's RotSpeed is its turning speed.
class GearCollider : public Component {
public:
    static constexpr ComponentType Type = ComponentType::GearCollider;

    // Takes the owner's transform and body and fixes the centre where the gear stands now.
    void Initialize() override;
    // The player has switched onto this gear: the gear-stick sound plays, unless the gear is a
    // teleporter.
    void OnCollision(CollisionMessage* message) override;
    // Runs the component's own actions; the gear's body does the turning.
    // NOTE: advances this component's tweens by the message's step, and the space advances
    // them again at the end of the frame: its tweens run at twice their written speed.
    void OnUpdate(UpdateMessage* message) override;

    // Stored only.
    glm::vec3 GearColliderSize{1.0f};
    glm::vec3 GearColliderOffset{0.0f};
    // Position plus offset at Initialize; not moved afterwards.
    glm::vec3 GearColliderCenter{0.0f};
    // Stored only.
    bool GearColliderGhost = false;
    // Radius through the bottoms of the tooth gaps.
    float GearColliderBellyRadius = 0.0f;
    // Radius through the tooth tips.
    float GearColliderFullRadius = 0.0f;
    std::int32_t GearColliderNumTeeth = 0;
    // Not owned.
    Transform* transform = nullptr;
    RigidBody* rigidBody = nullptr;
};
