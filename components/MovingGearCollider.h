#pragma once

#include "Core/Component.h"

// The player's gear collider: meshes with the gears it comes near.
class MovingGearCollider : public Component {
public:
    static constexpr ComponentType Type = ComponentType::MovingGearCollider;

    // While set, the contact pass skips the player entirely.
    bool MovingGearColliderGhost = false;
};
