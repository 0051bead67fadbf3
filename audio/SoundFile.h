#pragma once

#include <sndfile.h>

#include <memory>
#include <string>
#include <vector>

#include "audio/Result.h"

namespace audio {

// One audio file opened through libsndfile (WAV, FLAC, Ogg Vorbis, MP3 and whatever else it
// reads), decoded to interleaved float frames of one or two channels: files with more channels
// are mixed down to one. The file stays open until the object is destroyed.
class SoundFile {
public:
    static Result Open(const std::string& path, std::unique_ptr<SoundFile>* file);

    SoundFile(const SoundFile&) = delete;
    SoundFile& operator=(const SoundFile&) = delete;
    ~SoundFile();

    // Channels of the decoded frames: 1 or 2.
    int Channels() const { return channels; }
    int SampleRate() const { return info.samplerate; }
    long long Frames() const { return info.frames; }

    // Reads up to frameCount frames at the read position; returns the number read, 0 at the end.
    long long Read(float* frames, long long frameCount);

    // Moves the read position back to the first frame.
    bool Rewind();

private:
    SoundFile(SNDFILE* handle, const SF_INFO& info);

    SNDFILE* handle;
    SF_INFO info;
    int channels;
    std::vector<float> wide;
};

}  // namespace audio
