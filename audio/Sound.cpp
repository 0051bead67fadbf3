#include "audio/Sound.h"

#include <AL/al.h>
#include <AL/alext.h>

#include <algorithm>

#include "audio/Channel.h"
#include "audio/SoundFile.h"
#include "audio/System.h"

namespace audio {

namespace {
// Each stream buffer holds this share of a second; the stream keeps StreamBufferCount of them
// queued, so a frame can be this many seconds late before the music runs dry.
constexpr int StreamBuffersPerSecond = 4;
}  // namespace

Sound::Sound(System* system, bool stream, unsigned mode)
    : system(system), stream(stream), mode(mode) {}

Sound::~Sound() {
    if (streamChannel != nullptr) {
        streamChannel->Stop();
    }
    if (buffer != 0) {
        alDeleteBuffers(1, &buffer);
    }
    if (streamBuffers[0] != 0) {
        alDeleteBuffers(StreamBufferCount, streamBuffers.data());
    }
}

Result Sound::SetMode(unsigned newMode) {
    if ((newMode & LoopOff) != 0 && (newMode & LoopNormal) != 0) {
        return Result::InvalidParam;
    }
    mode = newMode;
    return Result::Ok;
}

Result Sound::GetMode(unsigned* result) const {
    if (result == nullptr) {
        return Result::InvalidParam;
    }
    *result = mode;
    return Result::Ok;
}

Result Sound::SetLoopCount(int count) {
    if (count < -1) {
        return Result::InvalidParam;
    }
    loopCount = count;
    return Result::Ok;
}

Result Sound::GetLoopCount(int* count) const {
    if (count == nullptr) {
        return Result::InvalidParam;
    }
    *count = loopCount;
    return Result::Ok;
}

Result Sound::GetLength(unsigned* milliseconds) const {
    if (milliseconds == nullptr) {
        return Result::InvalidParam;
    }
    *milliseconds = sampleRate == 0 ? 0u : static_cast<unsigned>(frames * 1000 / sampleRate);
    return Result::Ok;
}

Result Sound::Release() {
    return system->ReleaseSound(this);
}

Result Sound::Load(const std::string& path) {
    std::unique_ptr<SoundFile> source;
    if (const Result result = SoundFile::Open(path, &source); result != Result::Ok) {
        return result;
    }
    sampleRate = source->SampleRate();
    channels = source->Channels();
    std::vector<float> samples(static_cast<std::size_t>(source->Frames() * channels));
    frames = source->Read(samples.data(), source->Frames());
    if (frames <= 0) {
        return Result::FileRead;
    }
    alGetError();
    alGenBuffers(1, &buffer);
    if (alGetError() != AL_NO_ERROR) {
        buffer = 0;
        return Result::Memory;
    }
    alBufferData(buffer, Format(), samples.data(),
                 static_cast<ALsizei>(frames * channels * static_cast<long long>(sizeof(float))),
                 sampleRate);
    if (alGetError() != AL_NO_ERROR) {
        alDeleteBuffers(1, &buffer);
        buffer = 0;
        return Result::Memory;
    }
    return Result::Ok;
}

Result Sound::OpenStream(const std::string& path) {
    std::unique_ptr<SoundFile> source;
    if (const Result result = SoundFile::Open(path, &source); result != Result::Ok) {
        return result;
    }
    alGetError();
    alGenBuffers(StreamBufferCount, streamBuffers.data());
    if (alGetError() != AL_NO_ERROR) {
        streamBuffers.fill(0);
        return Result::Memory;
    }
    sampleRate = source->SampleRate();
    channels = source->Channels();
    frames = source->Frames();
    streamBufferFrames = std::max<long long>(sampleRate / StreamBuffersPerSecond, 1);
    scratch.resize(static_cast<std::size_t>(streamBufferFrames * channels));
    file = std::move(source);
    return Result::Ok;
}

int Sound::PlayCount() const {
    if ((mode & LoopNormal) == 0) {
        return 1;
    }
    return loopCount < 0 ? -1 : loopCount + 1;
}

int Sound::Format() const {
    return channels == 2 ? AL_FORMAT_STEREO_FLOAT32 : AL_FORMAT_MONO_FLOAT32;
}

void Sound::RewindStream(int plays) {
    file->Rewind();
    playsLeft = plays;
}

long long Sound::FillStreamBuffer(unsigned streamBuffer) {
    long long filled = 0;
    bool justRewound = false;
    while (filled < streamBufferFrames && playsLeft != 0) {
        const long long read =
            file->Read(scratch.data() + filled * channels, streamBufferFrames - filled);
        if (read > 0) {
            filled += read;
            justRewound = false;
            continue;
        }
        // A file that gives nothing even from its start would go round for ever.
        if (justRewound) {
            playsLeft = 0;
            break;
        }
        // The end of the file: going round again inside the same buffer keeps the loop seamless.
        if (playsLeft > 0) {
            --playsLeft;
        }
        if (playsLeft == 0 || !file->Rewind()) {
            playsLeft = 0;
            break;
        }
        justRewound = true;
    }
    if (filled > 0) {
        alBufferData(
            streamBuffer, Format(), scratch.data(),
            static_cast<ALsizei>(filled * channels * static_cast<long long>(sizeof(float))),
            sampleRate);
    }
    return filled;
}

}  // namespace audio
