#include "systems/SoundSystem.h"

SoundSystem::SoundSystem() : System(TypeId, "SoundSystem", MaskBit) {}

void SoundSystem::Initialize() {}

void SoundSystem::Update(float, Space*) {}

void SoundSystem::Shutdown() {}

// The channel groups arrive with the audio layer; until then there is nothing to mute.
void SoundSystem::MuteMusic(bool) {}
