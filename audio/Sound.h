#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "audio/Result.h"

namespace audio {

class Channel;
class SoundFile;
class System;

// Mode bits of a sound. A channel takes its sound's loop mode when it starts playing.
enum Mode : unsigned {
    LoopOff = 0x1,
    LoopNormal = 0x2,
    // Mixed in software; every sound is, so the bit is accepted and changes nothing.
    Software = 0x40,
};

// A sound created by the System: either decoded whole into memory (an effect) or a stream read
// from its file a little at a time while it plays (music). A stream has one read position, so
// playing it again stops the channel that was playing it. The System owns every sound; Release
// frees one early, stopping the channels that play it.
class Sound {
public:
    Sound(const Sound&) = delete;
    Sound& operator=(const Sound&) = delete;
    ~Sound();

    Result SetMode(unsigned mode);
    Result GetMode(unsigned* mode) const;
    // With LoopNormal: -1 loops forever, n plays the sound n + 1 times.
    Result SetLoopCount(int count);
    Result GetLoopCount(int* count) const;
    // The length in milliseconds; 0 for a sound that holds no audio (no output device).
    Result GetLength(unsigned* milliseconds) const;
    bool IsStream() const { return stream; }

    // Frees the sound. The pointer is invalid afterwards.
    Result Release();

private:
    friend class Channel;
    friend class System;

    static constexpr int StreamBufferCount = 4;

    Sound(System* system, bool stream, unsigned mode);

    // Reads the whole file into one output buffer.
    Result Load(const std::string& path);
    // Opens the file for streaming and makes the stream's buffers.
    Result OpenStream(const std::string& path);
    bool HasAudio() const { return buffer != 0 || file != nullptr; }
    int PlayCount() const;
    int Format() const;

    // Starts the stream over from its first frame, to play the given number of times (-1 for
    // ever).
    void RewindStream(int plays);
    // Fills one output buffer with the stream's next frames, going round to the start while
    // plays remain. Returns the frames written; 0 when the stream has ended.
    long long FillStreamBuffer(unsigned streamBuffer);

    System* system;
    bool stream;
    unsigned mode;
    int loopCount = -1;
    int sampleRate = 0;
    int channels = 0;
    long long frames = 0;

    // The whole sound, for sounds decoded into memory.
    unsigned buffer = 0;

    std::unique_ptr<SoundFile> file;
    std::array<unsigned, StreamBufferCount> streamBuffers{};
    long long streamBufferFrames = 0;
    std::vector<float> scratch;
    int playsLeft = 0;
    // The channel now playing the stream, if any.
    Channel* streamChannel = nullptr;
};

}  // namespace audio
