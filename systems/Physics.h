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
    void Update(float dt, Space* space) override;
    void Shutdown() override;
};
