#include "systems/SoundSystem.h"

// Until the audio layer is in, the sound system is silent: every operation does nothing.

SoundSystem::SoundSystem() : System(TypeId, "SoundSystem", MaskBit) {}

void SoundSystem::Initialize() {}

void SoundSystem::Update(float, Space*) {}

void SoundSystem::Shutdown() {}

void SoundSystem::Play(SoundCell*, bool, audio::Channel**, bool) {}

audio::Channel* SoundSystem::PlayOnGroup(SoundEmitter&, bool, SoundGroup) {
    return nullptr;
}

void SoundSystem::StopAllChannels() {}

void SoundSystem::StopGroup(SoundGroup) {}

void SoundSystem::SetGroupVolume(SoundGroup, float) {}

void SoundSystem::SetGroupMute(SoundGroup, bool) {}

void SoundSystem::SetGroupPaused(SoundGroup, bool) {}

void SoundSystem::MuteMusic(bool) {}

void SoundSystem::MuteEffects(bool) {}
