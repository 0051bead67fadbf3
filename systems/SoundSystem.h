#pragma once

#include <cstdint>

#include "Core/System.h"
#include "systems/SoundTable.h"

namespace audio {
class Channel;
}
class SoundEmitter;

// The four process-wide channel groups, created once in this order.
enum class SoundGroup { Music, Effect, Player, Blast };

// Owns the sound library, the table of loaded sounds and the music volume fade.
class SoundSystem : public System {
public:
    static constexpr std::int32_t TypeId = 1;
    static constexpr std::uint32_t MaskBit = 0x08;

    SoundSystem();

    void Initialize() override;
    void Update(float dt, Space* space) override;
    void Shutdown() override;

    // Plays a cell's sound looping without end or once, into the given channel slot
    // (replacing what that slot played) or, with no slot, on any free channel. An empty cell
    // plays nothing.
    void Play(SoundCell* cell, bool loop, audio::Channel** channelSlot, bool paused);

    // The sequence most players of sounds use: the emitter's sound, unpaused, into the
    // emitter's channel slot, then that channel put on the group. Returns the channel, or null
    // when nothing plays.
    audio::Channel* PlayOnGroup(SoundEmitter& emitter, bool loop, SoundGroup group);

    // Stops every channel, 0 to 511.
    void StopAllChannels();

    // Stops every channel of one group.
    void StopGroup(SoundGroup group);

    void SetGroupVolume(SoundGroup group, float volume);
    void SetGroupMute(SoundGroup group, bool mute);
    void SetGroupPaused(SoundGroup group, bool paused);

    // Mutes or unmutes the music group.
    void MuteMusic(bool mute);
    // Mutes or unmutes the effect group and the player group.
    void MuteEffects(bool mute);
};
