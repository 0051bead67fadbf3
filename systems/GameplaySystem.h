#pragma once

#include <cstdint>

#include "Core/System.h"

// The game flow: steps the gameplay components the physics does not, runs the screens and the
// rules of a level in play, and keeps the flags other parts read.
class GameplaySystem : public System {
public:
    static constexpr std::int32_t TypeId = 4;
    static constexpr std::uint32_t MaskBit = 0x01;

    GameplaySystem();

    void Initialize() override;
    void Update(float dt, Space* space) override;
    void Shutdown() override;

    // The music group is muted by the options; no screen restores the music while it is set.
    bool musicMuted = false;
    // Nonzero while a gamepad is connected; refreshed at the start of every update.
    std::int32_t gamepadPresent = 0;
    // Counts the restart fade down.
    float loseCountdown = 2.0f;
    // A restart is fading out.
    bool loseSequenceStarted = false;
    // The gamepad's boost: the latch holds while a boost has fired and its delay runs down.
    bool boostLatch = false;
    float boostDelay = 2.0f;
    // Boosts the player has left, 0 to 3.
    std::int32_t boostCount = 0;
};
