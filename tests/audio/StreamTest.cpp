#include <algorithm>

#include "AudioTestKit.h"

namespace {

using audio::Result;
using audiotest::OutputTest;
using audiotest::Rate;
using audiotest::Runs;

class Stream : public OutputTest {
protected:
    audio::Sound* Music(const std::string& name, float seconds, float frequency, float amplitude,
                        int channels) {
        audio::Sound* sound = nullptr;
        EXPECT_EQ(
            system.CreateStream(MakeSound(name, seconds, frequency, amplitude, channels).string(),
                                audio::Software, &sound),
            Result::Ok);
        return sound;
    }
};

TEST_F(Stream, LoopingStreamSoundsWithoutAGapAcrossManyRefills) {
    audio::Channel* clock = StartClock(6.0f);
    // A steady level, so that any gap or seam shows as a sample off that level.
    audio::Sound* music = Music("loopmusic.wav", 0.3f, 0.0f, 0.25f, 2);
    music->SetMode(audio::LoopNormal);
    music->SetLoopCount(-1);
    audio::Channel* channel = nullptr;
    ASSERT_EQ(system.PlaySound(audio::FreeChannel, music, false, &channel), Result::Ok);
    unsigned now = 0;
    clock->GetPosition(&now);
    WaitForPosition(clock, now + 3000);
    bool playing = false;
    channel->IsPlaying(&playing);
    EXPECT_TRUE(playing);

    system.Release();
    const std::vector<float> samples = audiotest::LeftSamples(folder / "output.wav");
    const auto heard = [](float sample) { return sample > 0.001f; };
    const auto first = std::find_if(samples.begin(), samples.end(), heard);
    const auto last = std::find_if(samples.rbegin(), samples.rend(), heard).base();
    ASSERT_GT(last - first, static_cast<long>(2.9f * Rate)) << "ten passes of the file";
    for (auto sample = first + 64; sample < last - 64; ++sample) {
        ASSERT_NEAR(*sample, 0.25f, 0.0005f)
            << "at " << static_cast<float>(sample - first) / Rate << " s into the music";
    }
}

TEST_F(Stream, OneShotStreamPlaysOnceWholeAndFreesItsChannel) {
    audio::Sound* music = Music("shortmusic.wav", 0.6f, 440.0f, 0.3f, 1);
    audio::Channel* channel = nullptr;
    ASSERT_EQ(system.PlaySound(audio::FreeChannel, music, false, &channel), Result::Ok);
    WaitUntilStopped(channel);
    audio::Sound* current = music;
    channel->GetCurrentSound(&current);
    EXPECT_EQ(current, nullptr);

    const std::vector<int> runs = Runs(Heard());
    ASSERT_FALSE(runs.empty());
    EXPECT_LE(runs.size(), 2u) << "one run of sound, then only silence";
    EXPECT_NEAR(runs[0], 60, 3);
}

TEST_F(Stream, MissingOrUnreadableFilesAreRefused) {
    audio::Sound* sound = nullptr;
    EXPECT_EQ(system.CreateStream((folder / "nothing.ogg").string(), audio::Software, &sound),
              Result::FileNotFound);
    EXPECT_EQ(sound, nullptr);
    std::ofstream(folder / "text.wav") << "not a sound";
    EXPECT_EQ(system.CreateSound((folder / "text.wav").string(), audio::Software, &sound),
              Result::Format);
}

}  // namespace
