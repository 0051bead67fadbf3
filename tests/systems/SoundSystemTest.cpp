#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include <GLFW/glfw3.h>
#include <gtest/gtest.h>

#include "Core/Engine.h"
#include "audio/Channel.h"
#include "audio/ChannelGroup.h"
#include "audio/Sound.h"
#include "components/SoundEmitter.h"
#include "support/ScratchFolder.h"
#include "support/TestSounds.h"
#include "systems/GameplaySystem.h"
#include "systems/SoundSystem.h"
#include "systems/SoundTable.h"
#include "systems/Window.h"

namespace {

namespace fs = std::filesystem;

constexpr float Step = 0.016f;
constexpr int Key1 = 49;
constexpr int Key2 = 50;

// The sound system on OpenAL Soft's null output: real mixing, nothing heard.
class SoundSystemTest : public testing::Test {
protected:
    void SetUp() override {
        ::setenv("ALSOFT_DRIVERS", "null", 0);
        Engine& engine = Engine::Instance();
        window = std::make_shared<Window>();
        sounds = std::make_shared<SoundSystem>();
        gameplay = std::make_shared<GameplaySystem>();
        engine.AddSystem(window);
        engine.AddSystem(sounds);
        engine.AddSystem(gameplay);
        sounds->Initialize();
        gameplay->Initialize();
    }

    void TearDown() override {
        Engine& engine = Engine::Instance();
        engine.DestroySpaces();
        engine.Shutdown();
    }

    std::string Tone(const std::string& relative) {
        WriteTestTone(folder / relative);
        return (folder / relative).string();
    }

    SoundCell* Load(const std::string& path) {
        auto [name, cell] = sounds->LoadSound(path);
        return sounds->AddToTable(name, std::move(cell));
    }

    float MusicVolume() const {
        float volume = 0.0f;
        sounds->Group(SoundGroup::Music)->GetVolume(&volume);
        return volume;
    }

    ScratchFolder scratch;
    const fs::path& folder = scratch.path;
    std::shared_ptr<Window> window;
    std::shared_ptr<SoundSystem> sounds;
    std::shared_ptr<GameplaySystem> gameplay;
};

TEST_F(SoundSystemTest, NameDecidesStreamOrEffectAndCaseCounts) {
    testing::internal::CaptureStdout();
    SoundCell* effect = Load(Tone("Jumpeffect.wav"));
    SoundCell* music = Load(Tone("Levelmusic.wav"));
    SoundCell* both = Load(Tone("musiceffect.wav"));
    SoundCell* capital = Load(Tone("Menu Music.wav"));
    const std::string printed = testing::internal::GetCapturedStdout();

    ASSERT_NE(effect->sound, nullptr);
    EXPECT_FALSE(effect->sound->IsStream());
    ASSERT_NE(music->sound, nullptr);
    EXPECT_TRUE(music->sound->IsStream());
    ASSERT_NE(both->sound, nullptr);
    EXPECT_TRUE(both->sound->IsStream()) << "music is tested first";
    EXPECT_EQ(capital->sound, nullptr);
    EXPECT_EQ(printed,
              "FMOD ERROR:: Sound filename not properly tagged as xxxxmusic.mp3 or "
              "xxxxeffect.mp3\n");
    EXPECT_EQ(SoundTable::Find("Menu Music.wav"), capital);
}

TEST_F(SoundSystemTest, TableKeyIsTheBareFileNameAndTheFirstLoadedStays) {
    SoundCell* first = Load(Tone("SoundFiles/sub/Clickeffect.wav"));
    audio::Sound* firstSound = first->sound;
    ASSERT_NE(firstSound, nullptr);
    EXPECT_EQ(SoundTable::Find("Clickeffect.wav"), first);

    SoundCell* second = Load(Tone("SoundFiles\\other\\Clickeffect.wav"));
    EXPECT_EQ(second, first);
    EXPECT_EQ(first->sound, firstSound);
}

TEST_F(SoundSystemTest, NameLinkedBeforeItsSoundLoadedIsHeardOnceLoaded) {
    // A level links its emitter to a name that is not loaded yet; a dropped file loads it later.
    SoundCell* linked = SoundTable::Find("Lateeffect.wav");
    EXPECT_EQ(linked->sound, nullptr);
    SoundCell* loaded = Load(Tone("SoundFiles/Lateeffect.wav"));
    EXPECT_EQ(loaded, linked);
    EXPECT_NE(linked->sound, nullptr);
}

TEST_F(SoundSystemTest, EmitterPlaysIntoItsSlotOnItsGroupAndGroupsStopThem) {
    SoundEmitter emitter;
    emitter.sound = Load(Tone("Gearstickeffect.wav"));
    audio::Channel* channel = sounds->PlayOnGroup(emitter, true, SoundGroup::Effect);
    ASSERT_NE(channel, nullptr);
    EXPECT_EQ(emitter.channelSlot, channel);
    audio::ChannelGroup* group = nullptr;
    channel->GetChannelGroup(&group);
    EXPECT_EQ(group, sounds->Group(SoundGroup::Effect));
    EXPECT_EQ(sounds->PlayOnGroup(emitter, false, SoundGroup::Player), channel)
        << "the slot's channel is reused";

    bool playing = false;
    channel->IsPlaying(&playing);
    EXPECT_TRUE(playing);
    sounds->StopGroup(SoundGroup::Effect);
    channel->IsPlaying(&playing);
    EXPECT_TRUE(playing) << "the channel moved to the player group";
    sounds->StopGroup(SoundGroup::Player);
    channel->IsPlaying(&playing);
    EXPECT_FALSE(playing);

    // Played without a slot or group, only stopping everything reaches it.
    audio::Channel* loose = nullptr;
    sounds->Play(emitter.sound, true, &loose, false);
    ASSERT_NE(loose, nullptr);
    sounds->StopGroup(SoundGroup::Effect);
    loose->IsPlaying(&playing);
    EXPECT_TRUE(playing);
    sounds->StopAllChannels();
    loose->IsPlaying(&playing);
    EXPECT_FALSE(playing);

    SoundEmitter unlinked;
    unlinked.sound = SoundTable::Find("Nothingeffect.wav");
    EXPECT_EQ(sounds->PlayOnGroup(unlinked, false, SoundGroup::Effect), nullptr);
}

TEST_F(SoundSystemTest, MutingEffectsMutesEffectAndPlayerGroupsOnly) {
    sounds->MuteEffects(true);
    bool muted = false;
    for (const SoundGroup group : {SoundGroup::Effect, SoundGroup::Player}) {
        sounds->Group(group)->GetMute(&muted);
        EXPECT_TRUE(muted);
    }
    for (const SoundGroup group : {SoundGroup::Music, SoundGroup::Blast}) {
        sounds->Group(group)->GetMute(&muted);
        EXPECT_FALSE(muted);
    }
    float pitch = 0.0f;
    sounds->Group(SoundGroup::Player)->GetPitch(&pitch);
    EXPECT_FLOAT_EQ(pitch, 0.4f);
}

TEST_F(SoundSystemTest, KeyOneFadesMusicOutInSixtyThreeUpdatesGivingTheGroupTheOvershoot) {
    window->OnKey(Key1, GLFW_PRESS);
    int updates = 0;
    while (updates < 200) {
        sounds->Update(Step, nullptr);
        ++updates;
        if (!sounds->fadeOut) {
            break;
        }
        EXPECT_GT(MusicVolume(), 0.0f) << "update " << updates;
    }
    EXPECT_EQ(updates, 63);
    EXPECT_NEAR(MusicVolume(), -0.008f, 1e-4f);
    EXPECT_EQ(sounds->musicVolume, 0.0f);

    sounds->Update(Step, nullptr);
    EXPECT_NEAR(MusicVolume(), -0.008f, 1e-4f) << "no fade, no change";
}

TEST_F(SoundSystemTest, FadeInTakesOverWhenFadeOutEnds) {
    window->OnKey(Key1, GLFW_PRESS);
    window->OnKey(Key2, GLFW_PRESS);
    for (int update = 0; update < 63; ++update) {
        sounds->Update(Step, nullptr);
    }
    EXPECT_FALSE(sounds->fadeOut);
    EXPECT_TRUE(sounds->fadeIn);
    EXPECT_EQ(sounds->musicVolume, 0.0f);

    sounds->Update(Step, nullptr);
    EXPECT_FLOAT_EQ(MusicVolume(), Step);
    int updates = 1;
    while (sounds->fadeIn && updates < 200) {
        sounds->Update(Step, nullptr);
        ++updates;
    }
    EXPECT_EQ(updates, 63);
    EXPECT_GT(MusicVolume(), 1.0f);
    EXPECT_EQ(sounds->musicVolume, 1.0f);
}

// Raises the lose request of the space it steps.
class LoseRequester : public System {
public:
    LoseRequester() : System(9, "LoseRequester", 0x01) {}
    void Initialize() override {}
    void Update(float, Space* space) override { space->loseRequest = true; }
    void Shutdown() override {}
};

TEST_F(SoundSystemTest, LoseRequestUnmutesMusicUnlessTheOptionsMutedIt) {
    auto& spaces = Engine::Instance().spaces;
    spaces.push_back(std::make_unique<Space>(LoadMode::PlayableLevel, "level", ""));
    Space* space = spaces.back().get();
    space->systems.push_back(std::make_shared<LoseRequester>());
    bool muted = false;

    sounds->MuteMusic(true);
    space->Update();
    sounds->Group(SoundGroup::Music)->GetMute(&muted);
    EXPECT_FALSE(muted);

    gameplay->musicMuted = true;
    sounds->MuteMusic(true);
    space->Update();
    sounds->Group(SoundGroup::Music)->GetMute(&muted);
    EXPECT_TRUE(muted);
}

TEST(SoundSystemStart, StoppingAGroupBeforeTheGroupsExistSaysSo) {
    ::setenv("ALSOFT_DRIVERS", "null", 0);
    SoundSystem sounds;
    testing::internal::CaptureStdout();
    sounds.StopGroup(SoundGroup::Effect);
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "Trying to stop a channel group that doesn't exist\n");
}

}  // namespace
