#include "audio/Channel.h"

#include <AL/al.h>

#include <algorithm>
#include <vector>

#include "audio/ChannelGroup.h"
#include "audio/Sound.h"

namespace audio {

namespace {
// A finite loop queues the sound once per play; beyond this many plays nobody will hear the end.
constexpr int MaxQueuedPlays = 4096;
}  // namespace

Channel::Channel(System* system, int index, unsigned source)
    : system(system), index(index), source(source) {}

Result Channel::SetChannelGroup(ChannelGroup* newGroup) {
    group = newGroup;
    Apply();
    return Result::Ok;
}

Result Channel::GetChannelGroup(ChannelGroup** result) const {
    if (result == nullptr) {
        return Result::InvalidParam;
    }
    *result = group;
    return Result::Ok;
}

Result Channel::SetVolume(float newVolume) {
    volume = newVolume;
    Apply();
    return Result::Ok;
}

Result Channel::GetVolume(float* result) const {
    if (result == nullptr) {
        return Result::InvalidParam;
    }
    *result = volume;
    return Result::Ok;
}

Result Channel::SetPaused(bool newPaused) {
    paused = newPaused;
    Apply();
    return Result::Ok;
}

Result Channel::GetPaused(bool* result) const {
    if (result == nullptr) {
        return Result::InvalidParam;
    }
    *result = paused;
    return Result::Ok;
}

Result Channel::IsPlaying(bool* playing) {
    if (playing == nullptr) {
        return Result::InvalidParam;
    }
    *playing = Busy();
    return Result::Ok;
}

Result Channel::GetPosition(unsigned* milliseconds) {
    if (milliseconds == nullptr) {
        return Result::InvalidParam;
    }
    *milliseconds = 0;
    if (!Busy() || sound->frames <= 0) {
        return Result::Ok;
    }
    ALint offset = 0;
    alGetSourcei(source, AL_SAMPLE_OFFSET, &offset);
    const long long played = (sound->stream ? streamFramesPlayed : 0) + offset;
    *milliseconds = static_cast<unsigned>(played % sound->frames * 1000 / sound->sampleRate);
    return Result::Ok;
}

Result Channel::GetIndex(int* result) const {
    if (result == nullptr) {
        return Result::InvalidParam;
    }
    *result = index;
    return Result::Ok;
}

Result Channel::GetCurrentSound(Sound** result) {
    if (result == nullptr) {
        return Result::InvalidParam;
    }
    *result = Busy() ? sound : nullptr;
    return Result::Ok;
}

Result Channel::Stop() {
    Finish();
    return Result::Ok;
}

void Channel::Start(Sound* newSound, bool startPaused) {
    Finish();
    paused = startPaused;
    volume = 1.0f;
    group = nullptr;
    if (source == 0 || !newSound->HasAudio()) {
        return;
    }
    sound = newSound;
    const int plays = sound->PlayCount();
    alSourcei(source, AL_LOOPING, AL_FALSE);
    if (!sound->stream) {
        if (plays == 1 || plays < 0) {
            alSourcei(source, AL_BUFFER, static_cast<ALint>(sound->buffer));
            alSourcei(source, AL_LOOPING, plays < 0 ? AL_TRUE : AL_FALSE);
        } else {
            const std::vector<ALuint> queue(
                static_cast<std::size_t>(std::min(plays, MaxQueuedPlays)), sound->buffer);
            alSourceQueueBuffers(source, static_cast<ALsizei>(queue.size()), queue.data());
        }
    } else {
        if (sound->streamChannel != nullptr) {
            sound->streamChannel->Finish();
        }
        sound->streamChannel = this;
        sound->RewindStream(plays);
        streamFramesPlayed = 0;
        for (const unsigned streamBuffer : sound->streamBuffers) {
            if (sound->FillStreamBuffer(streamBuffer) == 0) {
                break;
            }
            ALuint queued = streamBuffer;
            alSourceQueueBuffers(source, 1, &queued);
        }
    }
    Apply();
}

bool Channel::Held() const {
    return paused || (group != nullptr && group->paused);
}

void Channel::Apply() {
    if (source == 0) {
        return;
    }
    const bool muted = group != nullptr && group->mute;
    const float gain = muted ? 0.0f : volume * (group != nullptr ? group->volume : 1.0f);
    // The library refuses a negative gain and would keep the old one; a volume below zero is
    // silence.
    alSourcef(source, AL_GAIN, std::max(gain, 0.0f));
    alSourcef(source, AL_PITCH, std::max(group != nullptr ? group->pitch : 1.0f, 0.0f));
    if (sound == nullptr) {
        return;
    }
    ALint state = AL_INITIAL;
    alGetSourcei(source, AL_SOURCE_STATE, &state);
    if (Held() && state == AL_PLAYING) {
        alSourcePause(source);
    } else if (!Held() && (state == AL_PAUSED || state == AL_INITIAL)) {
        alSourcePlay(source);
    }
}

void Channel::Service() {
    if (sound == nullptr || !sound->stream) {
        Busy();
        return;
    }
    ALint processed = 0;
    alGetSourcei(source, AL_BUFFERS_PROCESSED, &processed);
    for (; processed > 0; --processed) {
        ALuint streamBuffer = 0;
        alSourceUnqueueBuffers(source, 1, &streamBuffer);
        ALint bytes = 0;
        alGetBufferi(streamBuffer, AL_SIZE, &bytes);
        streamFramesPlayed += bytes / (sound->channels * static_cast<ALint>(sizeof(float)));
        if (sound->FillStreamBuffer(streamBuffer) > 0) {
            alSourceQueueBuffers(source, 1, &streamBuffer);
        }
    }
    ALint state = AL_INITIAL;
    alGetSourcei(source, AL_SOURCE_STATE, &state);
    if (state != AL_STOPPED) {
        return;
    }
    ALint queued = 0;
    alGetSourcei(source, AL_BUFFERS_QUEUED, &queued);
    if (queued == 0) {
        Finish();
    } else if (!Held()) {
        // The stream ran dry before it was fed: carry on from what is queued now.
        alSourcePlay(source);
    }
}

bool Channel::Busy() {
    if (sound == nullptr) {
        return false;
    }
    if (!sound->stream) {
        ALint state = AL_INITIAL;
        alGetSourcei(source, AL_SOURCE_STATE, &state);
        if (state == AL_STOPPED) {
            Finish();
            return false;
        }
    }
    return true;
}

void Channel::Finish() {
    if (sound == nullptr) {
        return;
    }
    alSourceRewind(source);
    alSourcei(source, AL_BUFFER, 0);
    if (sound->streamChannel == this) {
        sound->streamChannel = nullptr;
    }
    sound = nullptr;
}

}  // namespace audio
