#pragma once

#include <string>

#include "Core/Component.h"
#include "systems/SoundTable.h"

namespace audio {
class Channel;
}

// Plays one sound of the sound table for its object; the level links it by name.
class SoundEmitter : public Component {
public:
    static constexpr ComponentType Type = ComponentType::SoundEmitter;

    // Set at creation; nothing reads it.
    float volume = 1.0f;
    // The channel of the emitter's last play; every play of this emitter reuses it.
    audio::Channel* channelSlot = nullptr;
    std::string name = "SoundEmitter";
    // The table entry named by the level; an empty cell plays nothing.
    SoundCell* sound = nullptr;
};
