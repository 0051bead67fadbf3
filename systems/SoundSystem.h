#pragma once

#include <cstdint>

#include "Core/System.h"

// Owns the sound library, the table of loaded sounds and the music volume fade.
class SoundSystem : public System {
public:
    static constexpr std::int32_t TypeId = 1;
    static constexpr std::uint32_t MaskBit = 0x08;

    SoundSystem();

    void Initialize() override;
    void Update(float dt, Space* space) override;
    void Shutdown() override;

    // Mutes or unmutes the music channel group.
    void MuteMusic(bool mute);
};
