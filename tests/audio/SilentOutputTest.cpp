#include <cstdlib>
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "AudioTestKit.h"
#include "Core/Engine.h"
#include "components/SoundEmitter.h"
#include "support/ScratchFolder.h"
#include "systems/SoundSystem.h"
#include "systems/SoundTable.h"

namespace {

namespace fs = std::filesystem;
using audio::Result;

// No output device at all: the library is told to use a driver that does not exist.
class NoDevice : public testing::Test {
protected:
    void SetUp() override {
        ::setenv("ALSOFT_DRIVERS", "no-such-driver", 1);
        audiotest::WriteSound(folder / "boomeffect.wav", 0.2f, 440.0f, 0.5f);
    }
    ScratchFolder scratch;
    const fs::path& folder = scratch.path;
};

TEST_F(NoDevice, LayerRunsSilentAndEveryOperationSucceeds) {
    audio::System system;
    EXPECT_EQ(system.Init(512), Result::OutputInit);
    EXPECT_TRUE(system.IsSilent());

    audio::Sound* sound = nullptr;
    ASSERT_EQ(system.CreateSound((folder / "boomeffect.wav").string(), audio::Software, &sound),
              Result::Ok);
    audio::ChannelGroup* group = nullptr;
    ASSERT_EQ(system.CreateChannelGroup(&group), Result::Ok);
    audio::Channel* slot = nullptr;
    EXPECT_EQ(system.PlaySound(audio::ReuseChannel, sound, false, &slot), Result::Ok);
    ASSERT_NE(slot, nullptr);
    EXPECT_EQ(slot->SetChannelGroup(group), Result::Ok);
    EXPECT_EQ(slot->SetVolume(0.3f), Result::Ok);
    EXPECT_EQ(group->SetMute(true), Result::Ok);
    EXPECT_EQ(group->SetPaused(true), Result::Ok);
    EXPECT_EQ(group->Stop(), Result::Ok);
    bool playing = true;
    slot->IsPlaying(&playing);
    EXPECT_FALSE(playing);
    audio::Channel* last = nullptr;
    EXPECT_EQ(system.GetChannel(511, &last), Result::Ok);
    EXPECT_EQ(last->Stop(), Result::Ok);
    EXPECT_EQ(system.Update(), Result::Ok);
    EXPECT_EQ(sound->Release(), Result::Ok);
    EXPECT_EQ(system.Release(), Result::Ok);
}

TEST_F(NoDevice, GameRunsSilentAndSaysSoOnce) {
    testing::internal::CaptureStdout();
    {
        auto sounds = std::make_shared<SoundSystem>();
        sounds->Initialize();
        auto [name, cell] = sounds->LoadSound((folder / "boomeffect.wav").string());
        SoundCell* stored = SoundTable::Insert(name, std::move(cell));
        SoundEmitter emitter;
        emitter.sound = stored;
        sounds->PlayOnGroup(emitter, false, SoundGroup::Effect);
        sounds->Play(stored, true, nullptr, false);
        sounds->SetGroupVolume(SoundGroup::Music, 0.2f);
        sounds->MuteEffects(true);
        sounds->StopGroup(SoundGroup::Player);
        sounds->StopAllChannels();
        sounds->Shutdown();
    }
    const std::string printed = testing::internal::GetCapturedStdout();
    const auto first = printed.find("FMOD error! (5) ");
    ASSERT_NE(first, std::string::npos) << printed;
    EXPECT_EQ(printed.find("FMOD error! (", first + 1), std::string::npos) << printed;
}

}  // namespace
