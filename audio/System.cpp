#include "audio/System.h"

#include <AL/al.h>
#include <AL/alc.h>

#include <algorithm>
#include <cstring>

#include "audio/Channel.h"
#include "audio/ChannelGroup.h"
#include "audio/Sound.h"

namespace audio {

struct System::Output {
    ALCdevice* device = nullptr;
    ALCcontext* context = nullptr;
};

System::System() : output(std::make_unique<Output>()) {}

System::~System() {
    Release();
}

Result System::GetNumDrivers(int* count) {
    if (count == nullptr) {
        return Result::InvalidParam;
    }
    const ALCchar* names = alcIsExtensionPresent(nullptr, "ALC_ENUMERATE_ALL_EXT") == ALC_TRUE
                               ? alcGetString(nullptr, ALC_ALL_DEVICES_SPECIFIER)
                               : alcGetString(nullptr, ALC_DEVICE_SPECIFIER);
    *count = 0;
    // The list is a run of names, each ended by a NUL, and the whole ended by another.
    for (const ALCchar* name = names; name != nullptr && *name != '\0';
         name += std::strlen(name) + 1) {
        ++*count;
    }
    return Result::Ok;
}

Result System::Init(int maxChannels) {
    if (initialized) {
        return Result::Initialized;
    }
    if (maxChannels < 1) {
        return Result::InvalidParam;
    }
    initialized = true;
    output->device = alcOpenDevice(nullptr);
    if (output->device != nullptr) {
        // A context gives 256 sources unless asked for more.
        const ALCint attributes[] = {ALC_MONO_SOURCES, maxChannels, 0};
        output->context = alcCreateContext(output->device, attributes);
        if (output->context == nullptr || alcMakeContextCurrent(output->context) != ALC_TRUE) {
            if (output->context != nullptr) {
                alcDestroyContext(output->context);
                output->context = nullptr;
            }
            alcCloseDevice(output->device);
            output->device = nullptr;
        }
    }
    silent = output->context == nullptr;
    channels.reserve(static_cast<std::size_t>(maxChannels));
    for (int index = 0; index < maxChannels; ++index) {
        ALuint source = 0;
        if (!silent) {
            alGetError();
            alGenSources(1, &source);
            if (alGetError() != AL_NO_ERROR) {
                source = 0;
            } else {
                // Sounds are heard as they are, not placed in a room.
                alSourcei(source, AL_SOURCE_RELATIVE, AL_TRUE);
                alSourcef(source, AL_ROLLOFF_FACTOR, 0.0f);
            }
        }
        channels.push_back(std::unique_ptr<Channel>(new Channel(this, index, source)));
    }
    return silent ? Result::OutputInit : Result::Ok;
}

Result System::CreateSound(const std::string& path, unsigned mode, Sound** sound) {
    return CreateSound(path, mode, false, sound);
}

Result System::CreateStream(const std::string& path, unsigned mode, Sound** sound) {
    return CreateSound(path, mode, true, sound);
}

Result System::CreateSound(const std::string& path, unsigned mode, bool stream, Sound** sound) {
    if (sound == nullptr) {
        return Result::InvalidParam;
    }
    *sound = nullptr;
    if (!initialized) {
        return Result::Uninitialized;
    }
    if ((mode & LoopNormal) == 0) {
        mode |= LoopOff;
    }
    auto created = std::unique_ptr<Sound>(new Sound(this, stream, mode));
    // Without a device a sound holds nothing and plays as silence.
    if (!silent) {
        const Result result = stream ? created->OpenStream(path) : created->Load(path);
        if (result != Result::Ok) {
            return result;
        }
    }
    *sound = created.get();
    sounds.push_back(std::move(created));
    return Result::Ok;
}

Result System::CreateChannelGroup(ChannelGroup** group) {
    if (group == nullptr) {
        return Result::InvalidParam;
    }
    *group = nullptr;
    if (!initialized) {
        return Result::Uninitialized;
    }
    groups.push_back(std::unique_ptr<ChannelGroup>(new ChannelGroup(this)));
    *group = groups.back().get();
    return Result::Ok;
}

Result System::PlaySound(int channelIndex, Sound* sound, bool paused, Channel** channel) {
    if (!initialized) {
        return Result::Uninitialized;
    }
    if (sound == nullptr || channelIndex < ReuseChannel ||
        channelIndex >= static_cast<int>(channels.size()) ||
        (channelIndex == ReuseChannel && channel == nullptr)) {
        return Result::InvalidParam;
    }
    Channel* target = nullptr;
    if (channelIndex >= 0) {
        target = channels[static_cast<std::size_t>(channelIndex)].get();
    } else if (channelIndex == ReuseChannel && Owns(*channel) && (*channel)->slot == channel) {
        target = *channel;
    } else {
        target = FreeChannelToTake();
    }
    target->Start(sound, paused);
    target->slot = channel;
    target->startOrder = ++plays;
    if (channel != nullptr) {
        *channel = target;
    }
    return Result::Ok;
}

Result System::GetChannel(int index, Channel** channel) {
    if (channel == nullptr) {
        return Result::InvalidParam;
    }
    *channel = nullptr;
    if (!initialized) {
        return Result::Uninitialized;
    }
    if (index < 0 || index >= static_cast<int>(channels.size())) {
        return Result::InvalidParam;
    }
    *channel = channels[static_cast<std::size_t>(index)].get();
    return Result::Ok;
}

Result System::Update() {
    if (!initialized) {
        return Result::Uninitialized;
    }
    for (const auto& channel : channels) {
        channel->Service();
    }
    return Result::Ok;
}

Result System::Release() {
    if (!initialized) {
        return Result::Ok;
    }
    for (const auto& channel : channels) {
        channel->Finish();
    }
    // Sounds free their buffers, so they go while the context is still current.
    sounds.clear();
    groups.clear();
    for (const auto& channel : channels) {
        if (channel->source != 0) {
            alDeleteSources(1, &channel->source);
        }
    }
    channels.clear();
    if (output->context != nullptr) {
        alcMakeContextCurrent(nullptr);
        alcDestroyContext(output->context);
        output->context = nullptr;
    }
    if (output->device != nullptr) {
        alcCloseDevice(output->device);
        output->device = nullptr;
    }
    initialized = false;
    silent = false;
    return Result::Ok;
}

Result System::ReleaseSound(Sound* sound) {
    const auto found = std::find_if(sounds.begin(), sounds.end(),
                                    [sound](const auto& owned) { return owned.get() == sound; });
    if (found == sounds.end()) {
        return Result::InvalidHandle;
    }
    for (const auto& channel : channels) {
        if (channel->sound == sound) {
            channel->Finish();
        }
    }
    sounds.erase(found);
    return Result::Ok;
}

Channel* System::FreeChannelToTake() {
    Channel* oldest = channels.front().get();
    for (const auto& channel : channels) {
        if (!channel->Busy()) {
            return channel.get();
        }
        if (channel->startOrder < oldest->startOrder) {
            oldest = channel.get();
        }
    }
    return oldest;
}

bool System::Owns(const Channel* channel) const {
    return std::any_of(channels.begin(), channels.end(),
                       [channel](const auto& owned) { return owned.get() == channel; });
}

}  // namespace audio
