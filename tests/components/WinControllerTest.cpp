#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "Core/Engine.h"
#include "Core/LevelList.h"
#include "Core/LevelLoader.h"
#include "Core/Space.h"
#include "audio/Channel.h"
#include "components/Camera.h"
#include "components/SoundEmitter.h"
#include "components/WinController.h"
#include "support/EngineFixture.h"
#include "support/LevelFiles.h"
#include "support/PhysicsLevel.h"
#include "support/TestSounds.h"
#include "systems/GameplaySystem.h"
#include "systems/Graphics.h"
#include "systems/Physics.h"
#include "systems/SoundSystem.h"
#include "systems/Window.h"

// The goal's win controller through the real level loading, game flow, sound and save: levels
// of the test's own in a scratch content folder, the save in a scratch data folder.
namespace {

using pieces::Object;
using pieces::Place;
using pieces::Section;

constexpr float Far = 40.0f;
constexpr const char* DefaultSave =
    "levelSelectGear1\nunlocked 1\nlevelSelectGear2\nunlocked 0\nlevelSelectGear3\nunlocked 0\n";

// A level whose goal opens `next`. The goal stands before the camera: the camera stops the
// teleport message, and the goal must hear it too.
std::string GoalLevel(const std::string& next) {
    return Object("winBear",
                  Place(30, 12) +
                      Section("WinComponent =", "string WinLevel = \"" + next + "\",\n") +
                      Section("SoundEmitterComponent =",
                              "string SoundFileName = \"goaleffect.wav\",\n")) +
           Object("CameraComp",
                  Place(0, 0) + Section("CameraComponent =", "float CameraComponentFarPlane = " +
                                                                 pieces::Number(Far) + ",\n")) +
           Object("backgroundMusic",
                  Place(0, 0) + Section("SoundEmitterComponent =",
                                        "string SoundFileName = \"levelmusic.wav\",\n"));
}

bool PlaysOn(const SoundEmitter& emitter, audio::ChannelGroup* group) {
    bool playing = false;
    audio::ChannelGroup* on = nullptr;
    return emitter.channelSlot != nullptr &&
           emitter.channelSlot->IsPlaying(&playing) == audio::Result::Ok && playing &&
           emitter.channelSlot->GetChannelGroup(&on) == audio::Result::Ok && on == group;
}

class WinControllerTest : public EngineTest {
protected:
    void SetUp() override {
        ::setenv("ALSOFT_DRIVERS", "null", 0);
        ::setenv("XDG_DATA_HOME", (scratch.path / "home").c_str(), 1);
        inside = std::make_unique<InFolder>(scratch.path);
        for (const char* folder : {"Gameplay", "TandrelLevelDesigner/Content"}) {
            std::filesystem::create_directories(scratch.path / folder);
        }
        scratch.Write("Gameplay/LevelUnlocks.txt", DefaultSave);
        std::string list;
        for (const auto& [name, next] : std::vector<std::pair<std::string, std::string>>{
                 {"levelSelectGear1", "levelSelectGear2"},
                 {"levelSelectGear2", "levelSelectGear3"}}) {
            scratch.Write("TandrelLevelDesigner/Content/" + name + ".Level.data",
                          EditorHeader() + GoalLevel(next) + "}\n");
            list += name + "," + name + "\n";
        }
        scratch.Write("Gameplay/Levels.txt", list);
        LevelList::Read("Gameplay/Levels.txt");

        Engine& engine = Engine::Instance();
        for (const std::shared_ptr<System>& system : std::vector<std::shared_ptr<System>>{
                 std::make_shared<Window>(), sound, std::make_shared<Physics>(), graphics,
                 gameplay}) {
            engine.AddSystem(system);
        }
        engine.running = true;
        sound->Initialize();
        gameplay->Initialize();
        for (const char* name : {"levelmusic.wav", "goaleffect.wav"}) {
            WriteTestTone(scratch.path / name);
            auto [tableName, cell] = sound->LoadSound((scratch.path / name).string());
            sound->AddToTable(tableName, std::move(cell));
        }
    }

    void TearDown() override {
        EngineTest::TearDown();
        inside.reset();
    }

    // One update of the level on top without the window, then the step the frame loop gives
    // the current camera (the draw pass needs a display).
    static void Step(int frames = 1) {
        for (int i = 0; i < frames; ++i) {
            Space* top = Engine::Instance().CurrentSpace();
            top->systemMask &= ~Window::MaskBit;
            top->Update();
            Engine::Instance().ReleaseRemovedSpaces();
            TopCamera().Update();
        }
    }

    static Space& Top() { return *Engine::Instance().CurrentSpace(); }
    static Camera& TopCamera() { return Get<Camera>(Top(), "CameraComp"); }
    std::string Save() const { return ReadBytes(gameplay->save.SavePath()); }

    ScratchFolder scratch;
    std::unique_ptr<InFolder> inside;
    std::shared_ptr<SoundSystem> sound = std::make_shared<SoundSystem>();
    std::shared_ptr<Graphics> graphics = std::make_shared<Graphics>();
    std::shared_ptr<GameplaySystem> gameplay = std::make_shared<GameplaySystem>();
};

TEST_F(WinControllerTest, LevelStartZoomsInFromCloseAndIsBackAtTheLevelsDistanceAfterTwoSeconds) {
    LoadLevel("levelSelectGear1", LoadMode::PlayableLevel);
    Camera& camera = TopCamera();
    EXPECT_EQ(camera.CameraComponentFarPlane, -9);
    EXPECT_EQ(graphics->levelCameraDistance, Far) << "the camera behaviour waits for this distance";
    EXPECT_FALSE(camera.scrolling);
    EXPECT_TRUE(sound->fadeIn);
    EXPECT_TRUE(
        PlaysOn(Get<SoundEmitter>(Top(), "backgroundMusic"), sound->Group(SoundGroup::Music)));

    // The sine ease starts slowly: after a quarter of the time less than a quarter of the way.
    Step(31);
    EXPECT_LT(camera.CameraComponentFarPlane, -9 + 0.25f * (Far + 9));
    int frames = 31;
    while (camera.CameraComponentFarPlane != Far && frames < 300) {
        ASSERT_LT(camera.CameraComponentFarPlane, Far) << "frame " << frames;
        Step();
        ++frames;
    }
    EXPECT_EQ(frames, 125) << "2.0 seconds of 0.016";
}

TEST_F(WinControllerTest, TeleportFadesTheMusicAndTheArrivedZoomUnlocksTheNextLevelAndOpensIt) {
    LoadLevel("levelSelectGear1", LoadMode::PlayableLevel);
    Step(130);
    Message done;
    Top().Broadcast(&Observer::OnTeleportDone, &done);
    EXPECT_TRUE(sound->fadeOut);

    int frames = 0;
    while (Top().name == "levelSelectGear1" && frames < 400) {
        Step();
        ++frames;
    }
    ASSERT_EQ(Top().name, "levelSelectGear2") << "the zoom never arrived";
    EXPECT_GT(frames, 180) << "the zoom through the goal takes three seconds";
    EXPECT_EQ(Top().loadMode, LoadMode::PlayableLevel);
    EXPECT_EQ(Save(),
              "levelSelectGear1\nunlocked 1\nlevelSelectGear2\nunlocked "
              "1\nlevelSelectGear3\nunlocked 0\n");
    // The new level stages its own start.
    EXPECT_EQ(TopCamera().CameraComponentFarPlane, -9);
    EXPECT_TRUE(
        PlaysOn(Get<SoundEmitter>(Top(), "backgroundMusic"), sound->Group(SoundGroup::Music)));

    // The arrival is handled once: nothing more is unlocked while the game goes on.
    Step(10);
    EXPECT_EQ(Top().name, "levelSelectGear2");
    EXPECT_NE(Save().find("levelSelectGear3\nunlocked 0"), std::string::npos);
}

TEST_F(WinControllerTest, WinningTowardsAnUnlockedLevelLeavesTheSaveAloneAndStillSwitches) {
    const std::string unlocked =
        "levelSelectGear1\nunlocked 1\nlevelSelectGear2\nunlocked 1\nlevelSelectGear3\nunlocked "
        "0\n";
    WriteBytes(gameplay->save.SavePath(), unlocked);
    const auto written = std::filesystem::last_write_time(gameplay->save.SavePath());
    LoadLevel("levelSelectGear1", LoadMode::PlayableLevel);
    auto& win = Get<WinController>(Top(), "winBear");
    win.LoadAsLevel = false;

    Message arrived;
    win.OnCameraArrived(&arrived);
    EXPECT_TRUE(arrived.stop) << "no later component may handle the arrival";
    EXPECT_EQ(Top().name, "levelSelectGear2");
    EXPECT_EQ(Top().loadMode, LoadMode::Screen);
    EXPECT_EQ(Save(), unlocked);
    EXPECT_EQ(std::filesystem::last_write_time(gameplay->save.SavePath()), written);
}

TEST_F(WinControllerTest, ASetsLastLevelCountsAsReachingTheNextSetSoReplaysUnlockNothing) {
    scratch.Write("TandrelLevelDesigner/Content/set1WinPravine.Level.data",
                  EditorHeader() + Object("FinalWin", Place(0, 0)) + "}\n");
    scratch.Write("Gameplay/Levels.txt",
                  "levelSelectGear1,levelSelectGear1\n"
                  "set1WinPravine,set1WinPravine\n");
    LevelList::Read("Gameplay/Levels.txt");
    const std::string firstWin =
        "levelSelectGear1\nunlocked 1\nlevelSelectGear7\nunlocked 0\n"
        "levelSelectGear8\nunlocked 0\n";
    const std::string afterFirstWin =
        "levelSelectGear1\nunlocked 1\nlevelSelectGear7\nunlocked "
        "1\nlevelSelectGear8\nunlocked 0\n";
    WriteBytes(gameplay->save.SavePath(), firstWin);
    for (int win = 0; win < 2; ++win) {
        LoadLevel("levelSelectGear1", LoadMode::PlayableLevel);
        auto& goal = Get<WinController>(Top(), "winBear");
        goal.WinLevel = "set1WinPravine";
        goal.LoadAsLevel = false;
        Message arrived;
        goal.OnCameraArrived(&arrived);
        EXPECT_EQ(Top().name, "set1WinPravine");
        EXPECT_EQ(Save(), afterFirstWin) << "win " << win;
    }
}

}  // namespace
