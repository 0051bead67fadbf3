#pragma once

#include "audio/Result.h"

namespace audio {

class ChannelGroup;
class Sound;
class System;

// One of the System's channels: plays one sound at a time. What is heard is the channel's own
// volume times its group's, silenced while the group is muted; the group's pitch and pause
// apply to it as well. Every play starts on no group at volume 1. Channels live as long as the
// System, so a pointer to one never dangles while the System lives.
class Channel {
public:
    Channel(const Channel&) = delete;
    Channel& operator=(const Channel&) = delete;
    ~Channel() = default;

    // Puts the channel on a group; null takes it off any group.
    Result SetChannelGroup(ChannelGroup* group);
    Result GetChannelGroup(ChannelGroup** group) const;
    Result SetVolume(float volume);
    Result GetVolume(float* volume) const;
    Result SetPaused(bool paused);
    Result GetPaused(bool* paused) const;
    // True from the play until the sound ends or is stopped, paused or not.
    Result IsPlaying(bool* playing);
    // The play position within the sound, in milliseconds.
    Result GetPosition(unsigned* milliseconds);
    Result GetIndex(int* index) const;
    // The sound playing, or null.
    Result GetCurrentSound(Sound** sound);
    Result Stop();

private:
    friend class ChannelGroup;
    friend class Sound;
    friend class System;

    Channel(System* system, int index, unsigned source);

    void Start(Sound* newSound, bool startPaused);
    // Gives the source the heard gain and pitch, and pauses or resumes it.
    void Apply();
    bool Held() const;
    // Notices the end of the sound, and keeps a stream fed.
    void Service();
    bool Busy();
    void Finish();

    System* system;
    int index;
    // The output source; 0 when the channel is silent (no output device).
    unsigned source;
    Sound* sound = nullptr;
    ChannelGroup* group = nullptr;
    float volume = 1.0f;
    bool paused = false;
    // Where the last play wrote this channel: a play into that same slot may reuse it.
    Channel** slot = nullptr;
    unsigned long long startOrder = 0;
    long long streamFramesPlayed = 0;
};

}  // namespace audio
