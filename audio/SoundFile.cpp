#include "audio/SoundFile.h"

#include <filesystem>

namespace audio {

Result SoundFile::Open(const std::string& path, std::unique_ptr<SoundFile>* file) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        return Result::FileNotFound;
    }
    SF_INFO info{};
    SNDFILE* handle = sf_open(path.c_str(), SFM_READ, &info);
    if (handle == nullptr) {
        return Result::Format;
    }
    if (info.channels < 1 || info.samplerate < 1 || info.frames < 1) {
        sf_close(handle);
        return Result::Format;
    }
    file->reset(new SoundFile(handle, info));
    return Result::Ok;
}

SoundFile::SoundFile(SNDFILE* handle, const SF_INFO& info)
    : handle(handle), info(info), channels(info.channels <= 2 ? info.channels : 1) {}

SoundFile::~SoundFile() {
    sf_close(handle);
}

long long SoundFile::Read(float* frames, long long frameCount) {
    if (info.channels <= 2) {
        return sf_readf_float(handle, frames, frameCount);
    }
    wide.resize(static_cast<std::size_t>(frameCount * info.channels));
    const long long read = sf_readf_float(handle, wide.data(), frameCount);
    for (long long frame = 0; frame < read; ++frame) {
        float sum = 0.0f;
        for (int channel = 0; channel < info.channels; ++channel) {
            sum += wide[static_cast<std::size_t>(frame * info.channels + channel)];
        }
        frames[frame] = sum / static_cast<float>(info.channels);
    }
    return read;
}

bool SoundFile::Rewind() {
    return sf_seek(handle, 0, SEEK_SET) == 0;
}

}  // namespace audio
