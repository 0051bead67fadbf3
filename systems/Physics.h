#pragma once

#include <cstdint>

#include "Core/System.h"

// Steps the physics components of every object and tests the player's gear against the gears
// and boxes around it.
class Physics : public System {
public:
    static constexpr std::int32_t TypeId = 2;
    static constexpr std::uint32_t MaskBit = 0x04;

    Physics();

    void Initialize() override;
    // One physics frame: every object's input controller, rigid body, gear collider, moving
    // gear collider and box collider in object order, then the contact pass of each player
    // gear that is not a ghost. A handler may load a level: the frame then ends for this space
    // as soon as it is no longer current or its objects have been rebuilt.
    void Update(float dt, Space* space) override;
    void Shutdown() override;
};
