#include "audio/ChannelGroup.h"

#include "audio/Channel.h"
#include "audio/System.h"

namespace audio {

Result ChannelGroup::SetVolume(float newVolume) {
    volume = newVolume;
    ApplyToChannels();
    return Result::Ok;
}

Result ChannelGroup::GetVolume(float* result) const {
    if (result == nullptr) {
        return Result::InvalidParam;
    }
    *result = volume;
    return Result::Ok;
}

Result ChannelGroup::SetMute(bool newMute) {
    mute = newMute;
    ApplyToChannels();
    return Result::Ok;
}

Result ChannelGroup::GetMute(bool* result) const {
    if (result == nullptr) {
        return Result::InvalidParam;
    }
    *result = mute;
    return Result::Ok;
}

Result ChannelGroup::SetPaused(bool newPaused) {
    paused = newPaused;
    ApplyToChannels();
    return Result::Ok;
}

Result ChannelGroup::GetPaused(bool* result) const {
    if (result == nullptr) {
        return Result::InvalidParam;
    }
    *result = paused;
    return Result::Ok;
}

Result ChannelGroup::SetPitch(float newPitch) {
    pitch = newPitch;
    ApplyToChannels();
    return Result::Ok;
}

Result ChannelGroup::GetPitch(float* result) const {
    if (result == nullptr) {
        return Result::InvalidParam;
    }
    *result = pitch;
    return Result::Ok;
}

Result ChannelGroup::Stop() {
    for (const auto& channel : system->channels) {
        if (channel->group == this) {
            channel->Stop();
        }
    }
    return Result::Ok;
}

void ChannelGroup::ApplyToChannels() {
    for (const auto& channel : system->channels) {
        if (channel->group == this) {
            channel->Apply();
        }
    }
}

}  // namespace audio
