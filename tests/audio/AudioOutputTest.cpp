#include <algorithm>
#include <set>

#include "AudioTestKit.h"

namespace {

using audio::Result;
using audiotest::OutputTest;
using audiotest::Runs;

class AudioOutput : public OutputTest {
protected:
    audio::Sound* Effect(const std::string& name, float seconds, float frequency, float amplitude) {
        audio::Sound* sound = nullptr;
        EXPECT_EQ(system.CreateSound(MakeSound(name, seconds, frequency, amplitude).string(),
                                     audio::Software, &sound),
                  Result::Ok);
        return sound;
    }

    audio::ChannelGroup* Group() {
        audio::ChannelGroup* group = nullptr;
        EXPECT_EQ(system.CreateChannelGroup(&group), Result::Ok);
        return group;
    }

    static std::size_t FirstHeard(const std::vector<float>& levels) {
        return static_cast<std::size_t>(
            std::find_if(levels.begin(), levels.end(), [](float level) { return level > 1e-4f; }) -
            levels.begin());
    }

    static float Mean(const std::vector<float>& levels, std::size_t from, std::size_t to) {
        float sum = 0.0f;
        for (std::size_t block = from; block < to; ++block) {
            sum += levels[block];
        }
        return sum / static_cast<float>(to - from);
    }
};

TEST_F(AudioOutput, MutedOrNegativeVolumeGroupIsSilentWhileItsChannelPlaysOn) {
    audio::Sound* tone = Effect("tone.wav", 3.0f, 440.0f, 0.5f);
    audio::ChannelGroup* group = Group();
    audio::Channel* channel = nullptr;
    ASSERT_EQ(system.PlaySound(audio::FreeChannel, tone, false, &channel), Result::Ok);
    channel->SetChannelGroup(group);

    WaitForPosition(channel, 500);
    group->SetMute(true);
    WaitForPosition(channel, 1100);
    group->SetMute(false);
    WaitForPosition(channel, 1600);
    // The music fade can hand the group a volume just below zero.
    group->SetVolume(-0.01f);
    WaitForPosition(channel, 2100);

    // A change is heard from the mixer's next period on, a few blocks after it was made.
    const std::vector<int> runs = Runs(Heard());
    ASSERT_EQ(runs.size(), 4u) << "expected heard, muted, heard, silent";
    EXPECT_NEAR(runs[0], 50, 6);
    EXPECT_NEAR(runs[1], 60, 6);
    EXPECT_NEAR(runs[2], 50, 6);
    EXPECT_GE(runs[3], 40);
}

TEST_F(AudioOutput, PausedGroupHoldsItsChannelsAndResumesWhereTheyStood) {
    audio::Channel* clock = StartClock(6.0f);
    audio::Sound* tone = Effect("tone.wav", 1.0f, 440.0f, 0.5f);
    audio::ChannelGroup* group = Group();
    audio::Channel* channel = nullptr;
    ASSERT_EQ(system.PlaySound(audio::FreeChannel, tone, false, &channel), Result::Ok);
    channel->SetChannelGroup(group);

    WaitForPosition(channel, 400);
    group->SetPaused(true);
    unsigned held = 0;
    channel->GetPosition(&held);
    unsigned now = 0;
    clock->GetPosition(&now);
    WaitForPosition(clock, now + 700);

    bool playing = false;
    channel->IsPlaying(&playing);
    EXPECT_TRUE(playing);
    unsigned position = 0;
    channel->GetPosition(&position);
    EXPECT_EQ(position, held);

    group->SetPaused(false);
    WaitUntilStopped(channel);

    const std::vector<int> runs = Runs(Heard());
    ASSERT_GE(runs.size(), 3u);
    EXPECT_NEAR(runs[1], 70, 6);
    // Paused in the middle, the one second of sound is still heard whole, once.
    EXPECT_NEAR(runs[0] + runs[2], 100, 3);
}

TEST_F(AudioOutput, GroupPitchChangesTheSpeedOfItsChannels) {
    audio::Sound* tone = Effect("tone.wav", 0.4f, 440.0f, 0.5f);
    audio::ChannelGroup* group = Group();
    group->SetPitch(0.5f);
    audio::Channel* channel = nullptr;
    ASSERT_EQ(system.PlaySound(audio::FreeChannel, tone, true, &channel), Result::Ok);
    channel->SetChannelGroup(group);
    channel->SetPaused(false);
    WaitUntilStopped(channel);

    const std::vector<int> runs = Runs(Heard());
    ASSERT_FALSE(runs.empty());
    EXPECT_NEAR(runs[0], 80, 3);
}

TEST_F(AudioOutput, PlayIntoASlotReplacesWhatTheSlotPlayed) {
    audio::Sound* loud = Effect("loud.wav", 2.0f, 440.0f, 0.6f);
    audio::Sound* quiet = Effect("quiet.wav", 2.0f, 660.0f, 0.2f);
    audio::Channel* slot = nullptr;
    ASSERT_EQ(system.PlaySound(audio::ReuseChannel, loud, false, &slot), Result::Ok);
    audio::Channel* first = slot;
    ASSERT_NE(first, nullptr);
    WaitForPosition(slot, 600);
    ASSERT_EQ(system.PlaySound(audio::ReuseChannel, quiet, false, &slot), Result::Ok);
    EXPECT_EQ(slot, first);
    WaitForPosition(slot, 600);

    const std::vector<float> levels = Heard();
    const std::size_t start = FirstHeard(levels);
    ASSERT_GE(levels.size(), start + 115);
    const float before = Mean(levels, start + 10, start + 50);
    const float after = Mean(levels, start + 75, start + 115);
    // Both together would be louder than the first alone.
    EXPECT_NEAR(after / before, 0.2f / 0.6f, 0.03f);
}

TEST_F(AudioOutput, SlotWhoseChannelWentToAnotherPlayDoesNotCutThatPlay) {
    audio::Sound* blip = Effect("blip.wav", 0.05f, 440.0f, 0.5f);
    audio::Sound* music = Effect("long.wav", 3.0f, 440.0f, 0.5f);
    audio::Channel* slot = nullptr;
    ASSERT_EQ(system.PlaySound(audio::ReuseChannel, blip, false, &slot), Result::Ok);
    audio::Channel* first = slot;
    WaitUntilStopped(first);

    int index = -1;
    first->GetIndex(&index);
    audio::Channel* other = nullptr;
    ASSERT_EQ(system.PlaySound(index, music, false, &other), Result::Ok);
    ASSERT_EQ(other, first);

    ASSERT_EQ(system.PlaySound(audio::ReuseChannel, blip, false, &slot), Result::Ok);
    EXPECT_NE(slot, first);
    audio::Sound* current = nullptr;
    first->GetCurrentSound(&current);
    EXPECT_EQ(current, music);
}

TEST_F(AudioOutput, AllFiveHundredTwelveChannelsSoundAtOnce) {
    audio::Sound* level = Effect("level.wav", 1.0f, 0.0f, 0.001f);
    level->SetMode(audio::LoopNormal);
    level->SetLoopCount(-1);
    audio::Channel* first = nullptr;
    ASSERT_EQ(system.PlaySound(audio::FreeChannel, level, false, &first), Result::Ok);
    WaitForPosition(first, 400);

    std::set<audio::Channel*> used{first};
    audio::Channel* last = nullptr;
    for (int play = 1; play < 512; ++play) {
        ASSERT_EQ(system.PlaySound(audio::FreeChannel, level, false, &last), Result::Ok);
        used.insert(last);
    }
    EXPECT_EQ(used.size(), 512u);
    WaitForPosition(last, 400);
    for (int index = 0; index < 512; ++index) {
        audio::Channel* channel = nullptr;
        ASSERT_EQ(system.GetChannel(index, &channel), Result::Ok);
        bool playing = false;
        channel->IsPlaying(&playing);
        EXPECT_TRUE(playing) << "channel " << index;
    }

    const std::vector<float> levels = Heard();
    const std::size_t start = FirstHeard(levels);
    ASSERT_GT(levels.size(), start + 30);
    const float one = Mean(levels, start + 5, start + 30);
    const float all = *std::max_element(levels.begin(), levels.end());
    EXPECT_NEAR(all / one, 512.0f, 512.0f * 0.02f);
}

TEST_F(AudioOutput, WithEveryChannelBusyTheLongestPlayingIsTaken) {
    audio::Sound* level = Effect("level.wav", 1.0f, 0.0f, 0.001f);
    level->SetMode(audio::LoopNormal);
    audio::Channel* first = nullptr;
    ASSERT_EQ(system.PlaySound(audio::FreeChannel, level, false, &first), Result::Ok);
    audio::Channel* channel = nullptr;
    for (int play = 1; play < 512; ++play) {
        ASSERT_EQ(system.PlaySound(audio::FreeChannel, level, false, &channel), Result::Ok);
    }
    audio::Channel* extra = nullptr;
    ASSERT_EQ(system.PlaySound(audio::FreeChannel, level, false, &extra), Result::Ok);
    EXPECT_EQ(extra, first);
    ASSERT_EQ(system.PlaySound(audio::FreeChannel, level, false, &extra), Result::Ok);
    EXPECT_NE(extra, first);
}

}  // namespace
