#pragma once

#include <sndfile.h>
#include <unistd.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "audio/Channel.h"
#include "audio/ChannelGroup.h"
#include "audio/Sound.h"
#include "audio/System.h"

// Tools for hearing the audio layer: test sounds written with libsndfile, and OpenAL Soft's
// wave-file output read back after the device is closed.
namespace audiotest {

namespace fs = std::filesystem;

constexpr int Rate = 44100;
// Output is judged in blocks of 10 ms.
constexpr int BlockFrames = Rate / 100;

// Writes a float WAV: a sine of the frequency, or a constant level when frequency is 0.
inline void WriteSound(const fs::path& path, float seconds, float frequency, float amplitude,
                       int channels = 1, int rate = Rate) {
    SF_INFO info{};
    info.samplerate = rate;
    info.channels = channels;
    info.format = SF_FORMAT_WAV | SF_FORMAT_FLOAT;
    SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
    ASSERT_NE(file, nullptr) << sf_strerror(nullptr);
    const auto frames = static_cast<long long>(seconds * static_cast<float>(rate));
    std::vector<float> samples(static_cast<std::size_t>(frames * channels));
    for (long long frame = 0; frame < frames; ++frame) {
        const float value = frequency == 0.0f ? amplitude
                                              : amplitude * std::sin(6.2831853f * frequency *
                                                                     static_cast<float>(frame) /
                                                                     static_cast<float>(rate));
        for (int channel = 0; channel < channels; ++channel) {
            samples[static_cast<std::size_t>(frame * channels + channel)] = value;
        }
    }
    sf_writef_float(file, samples.data(), frames);
    sf_close(file);
}

// The left channel of the output, sample by sample.
inline std::vector<float> LeftSamples(const fs::path& wave) {
    SF_INFO info{};
    SNDFILE* file = sf_open(wave.c_str(), SFM_READ, &info);
    EXPECT_NE(file, nullptr) << "no output written to " << wave;
    if (file == nullptr) {
        return {};
    }
    std::vector<float> samples(static_cast<std::size_t>(info.frames * info.channels));
    sf_readf_float(file, samples.data(), info.frames);
    sf_close(file);
    std::vector<float> left;
    for (std::size_t sample = 0; sample < samples.size(); sample += info.channels) {
        left.push_back(samples[sample]);
    }
    return left;
}

// The root mean square of each block of the samples.
inline std::vector<float> BlockLevels(const std::vector<float>& samples) {
    std::vector<float> levels;
    for (std::size_t start = 0; start + BlockFrames <= samples.size(); start += BlockFrames) {
        double sum = 0.0;
        for (std::size_t sample = start; sample < start + BlockFrames; ++sample) {
            sum += static_cast<double>(samples[sample]) * samples[sample];
        }
        levels.push_back(static_cast<float>(std::sqrt(sum / BlockFrames)));
    }
    return levels;
}

// Runs of sounding and silent blocks from the first sounding block on: each entry is the
// length of one run, starting with a sounding run.
inline std::vector<int> Runs(const std::vector<float>& levels, float silence = 1e-4f) {
    std::vector<int> runs;
    bool sounding = true;
    std::size_t block = 0;
    while (block < levels.size() && levels[block] < silence) {
        ++block;
    }
    for (; block < levels.size(); ++block) {
        const bool heard = levels[block] >= silence;
        if (runs.empty() || heard != sounding) {
            runs.push_back(0);
            sounding = heard;
        }
        ++runs.back();
    }
    return runs;
}

// Every test process writes what it mixes to its own wave file. The library reads its settings
// once per process, before the first device opens.
class OutputTest : public testing::Test {
protected:
    // The folder lives as long as the process: the library keeps writing where it was told.
    struct ProcessFolder {
        ProcessFolder()
            : path(fs::temp_directory_path() / ("velmora-audio-" + std::to_string(::getpid()))) {
            fs::create_directories(path);
            std::ofstream(path / "alsoft.conf") << "drivers = wave\n"
                                                   "[general]\n"
                                                   "channels = stereo\n"
                                                   "sample-type = float32\n"
                                                   "frequency = 44100\n"
                                                   "output-limiter = false\n"
                                                   "dither = false\n"
                                                   "hrtf = false\n"
                                                   "[wave]\n"
                                                   "file = "
                                                << (path / "output.wav").string() << "\n";
            ::setenv("ALSOFT_CONF", (path / "alsoft.conf").c_str(), 1);
            ::setenv("ALSOFT_DRIVERS", "wave", 1);
        }
        ~ProcessFolder() {
            std::error_code ignored;
            fs::remove_all(path, ignored);
        }
        fs::path path;
    };

    static fs::path Folder() {
        static const ProcessFolder folder;
        return folder.path;
    }

    void SetUp() override {
        folder = Folder();
        ASSERT_EQ(system.Init(512), audio::Result::Ok);
    }

    void TearDown() override { system.Release(); }

    fs::path MakeSound(const std::string& name, float seconds, float frequency, float amplitude,
                       int channels = 1) {
        fs::path path = folder / name;
        WriteSound(path, seconds, frequency, amplitude, channels);
        return path;
    }

    // Waits, feeding the streams as a game frame would, until the channel has played to the
    // position. The mixer runs in real time, so this waits for the output, not the clock.
    void WaitForPosition(audio::Channel* channel, unsigned milliseconds) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
        unsigned position = 0;
        while (channel->GetPosition(&position) == audio::Result::Ok && position < milliseconds) {
            ASSERT_LT(std::chrono::steady_clock::now(), deadline)
                << "channel stuck at " << position << " ms";
            system.Update();
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    }

    // Waits, feeding the streams, until the channel's sound has ended.
    void WaitUntilStopped(audio::Channel* channel) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
        bool playing = true;
        while (channel->IsPlaying(&playing) == audio::Result::Ok && playing) {
            ASSERT_LT(std::chrono::steady_clock::now(), deadline) << "the sound never ended";
            system.Update();
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    }

    // A channel that plays unheard for the given time, whose position serves as the output's
    // clock.
    audio::Channel* StartClock(float seconds) {
        audio::Sound* sound = nullptr;
        EXPECT_EQ(system.CreateSound(MakeSound("clock.wav", seconds, 440.0f, 0.5f).string(),
                                     audio::Software, &sound),
                  audio::Result::Ok);
        audio::Channel* clock = nullptr;
        EXPECT_EQ(system.PlaySound(audio::FreeChannel, sound, true, &clock), audio::Result::Ok);
        clock->SetVolume(0.0f);
        clock->SetPaused(false);
        return clock;
    }

    // Closes the device, which completes the wave file, and returns its block levels.
    std::vector<float> Heard() {
        system.Release();
        return BlockLevels(LeftSamples(folder / "output.wav"));
    }

    fs::path folder;
    audio::System system;
};

}  // namespace audiotest
