#pragma once

#include "audio/Result.h"

namespace audio {

class System;

// A group of channels with one volume, mute, pause and pitch over all of them; a channel joins
// a group with Channel::SetChannelGroup. Groups are made by the System and live as long as it.
class ChannelGroup {
public:
    ChannelGroup(const ChannelGroup&) = delete;
    ChannelGroup& operator=(const ChannelGroup&) = delete;
    ~ChannelGroup() = default;

    Result SetVolume(float volume);
    Result GetVolume(float* volume) const;
    // A muted group's channels go on playing, unheard.
    Result SetMute(bool mute);
    Result GetMute(bool* mute) const;
    // A paused group's channels hold their place until the group resumes.
    Result SetPaused(bool paused);
    Result GetPaused(bool* paused) const;
    // Playback speed of every channel of the group; 1 is as recorded.
    Result SetPitch(float pitch);
    Result GetPitch(float* pitch) const;
    // Stops every channel of the group.
    Result Stop();

private:
    friend class Channel;
    friend class System;

    explicit ChannelGroup(System* system) : system(system) {}

    void ApplyToChannels();

    System* system;
    float volume = 1.0f;
    float pitch = 1.0f;
    bool mute = false;
    bool paused = false;
};

}  // namespace audio
