#include <string>
#include <vector>

#include <GLFW/glfw3.h>
#include <gtest/gtest.h>

#include "Core/Engine.h"
#include "Core/LevelLoader.h"
#include "audio/Channel.h"
#include "audio/ChannelGroup.h"
#include "components/Camera.h"
#include "components/ParticleEmmiter.h"
#include "components/SoundEmitter.h"
#include "components/Sprite.h"
#include "components/Transform.h"
#include "support/GameFlowFixture.h"
#include "support/TestSounds.h"
#include "systems/GameplaySystem.h"
#include "systems/SoundSystem.h"

// The set win screens' firework show, the final screen's ride and the last level's climb,
// through the real game flow on screens written for the test, frame by frame.
namespace {

std::string Rocket(int number, float x, float y) {
    // The third rocket's burst takes its time: the third wave waits for it.
    const std::string wait = number == 3 ? "100" : "0";
    return piece::Object(
        "firework" + std::to_string(number),
        piece::Place(x, y) +
            "  ParticleEmitterComponent = \n  {\n    bool BurstMode = false,\n"
            "    bool EmitMode = true,\n    bool SpiralMode = false,\n    float EmitRadius = 3,\n"
            "    float TimeToBurst = " +
            wait +
            ",\n  }\n  SoundEmitterComponent =\n  {\n    string SoundFileName = "
            "\"fireworkeffect.wav\",\n  }\n");
}

std::string Show(float bottom) {
    std::string rockets;
    for (int number = 1; number <= 9; ++number) {
        rockets += Rocket(number, static_cast<float>(number * 3), bottom);
    }
    return rockets;
}

std::string Jingle() {
    return piece::Object("FinalWin",
                         "  SoundEmitterComponent =\n  {\n    string SoundFileName = "
                         "\"setWineffect.wav\",\n  }\n");
}

std::string RidingCamera(float x, float y, float farPlane) {
    return piece::Object("CameraComp", piece::Place(x, y) +
                                           "  CameraComponent =\n  {\n"
                                           "    float CameraComponentFarPlane = " +
                                           std::to_string(farPlane) +
                                           ",\n    bool MovingCameraX = true,\n"
                                           "    Vec3 CameraScrollSpeed = [0.1, 0, 0],\n  }\n");
}

class WinScreensTest : public GameFlowTest {
protected:
    void SetUp() override {
        GameFlowTest::SetUp();
        for (const char* name : {"setWineffect.wav", "fireworkeffect.wav", "finalmusic.wav"}) {
            WriteTestTone(scratch.path / name, 5.0f);
            auto [tableName, cell] = sound->LoadSound((scratch.path / name).string());
            sound->AddToTable(tableName, std::move(cell));
        }
        std::string bears;
        for (const char* bear : {"levelBear1", "levelBear2", "levelBear3", "levelBear4"}) {
            bears += piece::Object(bear, piece::Place() + piece::Picture("bear"));
        }
        Write("Gameplay/menuButtons.txt", "first\n");
        const std::string setScreen = piece::Camera() + Jingle() + Show(-16);
        Screens({{"set1WinPravine", setScreen},
                 {"set2WinPravine", setScreen},
                 {"set4WinPravine", setScreen},
                 {"WinPravineFinal",
                  RidingCamera(148, 30, 30) + Show(22) +
                      piece::Object("backgroundMusic",
                                    "  SoundEmitterComponent =\n  {\n    string SoundFileName = "
                                    "\"finalmusic.wav\",\n  }\n")},
                 {"levelSelectGear7", piece::Camera()},
                 {"levelSelectGear13", piece::Camera()},
                 {"mainMenu", piece::Camera()},
                 {"levelSelect",
                  piece::Camera() + piece::Button("first", "levelSelectGear1") + bears}});
    }

    static ParticleEmmiter& Emitter(int rocket) {
        return *Find("firework" + std::to_string(rocket)).GetComponent<ParticleEmmiter>();
    }
    static float Height(const std::string& name) {
        return Find(name).GetComponent<Transform>()->translation.y;
    }

    static bool PlaysOnEffects(const std::string& name, SoundSystem& sound) {
        audio::Channel* channel = Find(name).GetComponent<SoundEmitter>()->channelSlot;
        bool playing = false;
        audio::ChannelGroup* group = nullptr;
        return channel != nullptr && channel->IsPlaying(&playing) == audio::Result::Ok && playing &&
               channel->GetChannelGroup(&group) == audio::Result::Ok &&
               group == sound.Group(SoundGroup::Effect);
    }

    // Steps until a wave has burst (its rockets stopped rising); the frames it took.
    int UntilBurst(int wave, int limit = 500) {
        int frames = 0;
        while (gameplay->riseSpeeds[static_cast<std::size_t>(wave)] != 0.0f && frames < limit) {
            Step();
            ++frames;
        }
        return frames;
    }

    static float MusicVolume(SoundSystem& sound) {
        float volume = -1.0f;
        sound.Group(SoundGroup::Music)->GetVolume(&volume);
        return volume;
    }
};

TEST_F(WinScreensTest, ShowBurstsTheSecondWaveFirstAndOpensTheNextSetAfter401Updates) {
    LoadLevel("set1WinPravine", LoadMode::Screen);
    Step();
    EXPECT_TRUE(PlaysOnEffects("FinalWin", *sound)) << "the jingle plays on the first update";

    const int b = 1 + UntilBurst(1);
    EXPECT_GE(b, 29);
    EXPECT_LE(b, 32);
    EXPECT_NE(gameplay->riseSpeeds[0], 0.0f) << "the first wave still rises";
    // Rocket 5 rose 10 x 5 x 0.016 a frame from y -16, and turned into a ring of radius 10.
    EXPECT_NEAR(Height("firework5"), -16.0f + 0.8f * static_cast<float>(b), 0.01f);
    const ParticleEmmiter& ring = Emitter(5);
    EXPECT_TRUE(ring.BurstMode);
    EXPECT_FALSE(ring.EmitMode);
    EXPECT_TRUE(ring.SpiralMode);
    EXPECT_EQ(ring.EmitRadius, 10.0f);
    EXPECT_EQ(ring.MaxParticles, 100);
    EXPECT_EQ(ring.ParticleXVelMin, -20.0f);
    EXPECT_EQ(ring.ParticleYVelMax, 20.0f);
    EXPECT_TRUE(PlaysOnEffects("firework6", *sound));

    const int a = b + UntilBurst(0);
    EXPECT_GE(a, 49);
    EXPECT_LE(a, 52);
    const ParticleEmmiter& spray = Emitter(2);
    EXPECT_FALSE(spray.SpiralMode) << "the first wave keeps the level's flight";
    EXPECT_EQ(spray.EmitRadius, 3.0f);
    EXPECT_EQ(spray.MaxParticles, 100);
    EXPECT_EQ(spray.ParticleYVelMin, -20.0f);
    const float stopped = Height("firework4");
    Step(10);
    EXPECT_EQ(Height("firework4"), stopped) << "a burst rocket stops rising";

    // The third wave's countdown has run out, but rocket 3 is still bursting.
    Step(150 - (a + 10));
    EXPECT_NE(gameplay->riseSpeeds[2], 0.0f);
    Emitter(3).BurstMode = false;
    Step();
    EXPECT_EQ(gameplay->riseSpeeds[2], 0.0f) << "the third wave follows rocket 3's burst";
    EXPECT_FALSE(Emitter(8).SpiralMode);
    EXPECT_EQ(Emitter(9).EmitRadius, 12.0f);

    Step(400 - 151);
    EXPECT_EQ(Top(), "set1WinPravine");
    Step();
    EXPECT_EQ(Top(), "levelSelectGear7");
    EXPECT_EQ(Engine::Instance().CurrentSpace()->loadMode, LoadMode::PlayableLevel);

    // The next set's screen runs its show afresh.
    LoadLevel("set2WinPravine", LoadMode::Screen);
    const int next = UntilBurst(1);
    EXPECT_GE(next, 29);
    EXPECT_LE(next, 32);
    EXPECT_TRUE(PlaysOnEffects("FinalWin", *sound));
}

TEST_F(WinScreensTest, SpaceSkipsToTheNextSetAndTheLastSetsScreenLeadsOnlyToTheMainMenu) {
    LoadLevel("set2WinPravine", LoadMode::Screen);
    Step(40);
    Press(GLFW_KEY_SPACE);
    EXPECT_EQ(Top(), "levelSelectGear13");
    EXPECT_EQ(gameplay->riseSpeeds[1], 10.0f) << "the show starts afresh next time";

    LoadLevel("set4WinPravine", LoadMode::Screen);
    Step(40);
    Press(GLFW_KEY_SPACE);
    EXPECT_EQ(Top(), "set4WinPravine") << "no set follows the fourth";
    EXPECT_FALSE(gameplay->winJinglePlayed);
    Step(402);
    EXPECT_EQ(Top(), "set4WinPravine") << "nor does the end of its show lead anywhere";

    sound->SetGroupVolume(SoundGroup::Music, 0.0f);  // as the won level's fade left it
    Press(GLFW_KEY_ESCAPE);
    EXPECT_EQ(Top(), "mainMenu");
    EXPECT_EQ(MusicVolume(*sound), 1.0f);
}

TEST_F(WinScreensTest, FinalScreenRidesWithFireworksOnlyWhileHighThenLeavesWithTheBears) {
    LoadLevel("mainMenu", LoadMode::Screen);
    LoadLevel("WinPravineFinal", LoadMode::Screen);
    const float start = Height("firework1");
    Step(60);  // two units right, then up from y 30 to 34
    EXPECT_EQ(Height("firework1"), start) << "no fireworks while the camera is below y 35";
    EXPECT_EQ(gameplay->waveCountdowns[1], 3.0f);

    const int b = UntilBurst(1);
    EXPECT_GE(b, 30);
    EXPECT_LE(b, 48);
    EXPECT_GT(Height("CameraComp"), 35.0f);

    // The ride: up to y 100, right past x 400, down below y -150, and there it stays.
    int frames = 0;
    while (Height("CameraComp") >= -150.0f && frames < 8000) {
        Step();
        ++frames;
    }
    Step(50);
    const Transform& camera = *Find("CameraComp").GetComponent<Transform>();
    EXPECT_GT(camera.translation.x, 400.0f);
    EXPECT_LT(camera.translation.x, 401.0f);
    EXPECT_LT(camera.translation.y, -150.0f);
    EXPECT_GT(camera.translation.y, -151.0f);

    // R rides again from the start, with a show of its own.
    Press(GLFW_KEY_R);
    EXPECT_FLOAT_EQ(Height("CameraComp"), 30.0f);
    Step(60);
    const int again = UntilBurst(1);
    EXPECT_GE(again, 30);
    EXPECT_LE(again, 48);

    sound->SetGroupVolume(SoundGroup::Music, 0.0f);
    Press(GLFW_KEY_ENTER);
    EXPECT_EQ(Top(), "mainMenu");
    EXPECT_TRUE(gameplay->bearsUnlocked);
    EXPECT_TRUE(gameplay->save.IsUnlocked("BearGearBrown")) << "kept even if the game ends now";
    EXPECT_EQ(MusicVolume(*sound), 1.0f);
    LoadLevel("levelSelect", LoadMode::Screen);
    Step();
    EXPECT_EQ(Find("levelBear3").GetComponent<Sprite>()->Color, glm::vec4(1.0f));

    // A second visit rides with its fireworks again.
    LoadLevel("WinPravineFinal", LoadMode::Screen);
    EXPECT_FALSE(gameplay->finalMusicStarted);
    Step(60);
    EXPECT_TRUE(gameplay->finalMusicStarted);
    const int next = UntilBurst(1);
    EXPECT_GE(next, 30);
    EXPECT_LE(next, 48);
}

TEST_F(WinScreensTest, LastLevelsCameraTurnsUpPastX340AndStopsAtTheGoalsHeight) {
    Screens({{"levelSelectGear24",
              RidingCamera(330, 0, 30) + piece::Object("winBear", piece::Place(500, 12))}});
    LoadLevel("levelSelectGear24", LoadMode::PlayableLevel);
    Step(90);
    const Camera& camera = *Find("CameraComp").GetComponent<Camera>();
    EXPECT_TRUE(camera.MovingCameraX);
    EXPECT_FLOAT_EQ(Height("CameraComp"), 0.0f);
    Step(30);  // past x 340
    EXPECT_FALSE(camera.MovingCameraX);
    EXPECT_TRUE(camera.MovingCameraY);
    const float x = Find("CameraComp").GetComponent<Transform>()->translation.x;
    EXPECT_LT(x, 340.3f);
    Step(400);
    EXPECT_FALSE(camera.MovingCameraY);
    EXPECT_GT(Height("CameraComp"), 12.0f);
    EXPECT_LT(Height("CameraComp"), 12.1f) << "stopped at the goal's height";
    EXPECT_EQ(Find("CameraComp").GetComponent<Transform>()->translation.x, x);
}

}  // namespace
