#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <map>
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
#include "components/Sprite.h"
#include "support/EngineFixture.h"
#include "support/LevelFiles.h"
#include "support/TestSounds.h"
#include "systems/GameplaySystem.h"
#include "systems/Graphics.h"
#include "systems/Physics.h"
#include "systems/SoundSystem.h"
#include "systems/TextureRegistry.h"
#include "systems/Window.h"

namespace fs = std::filesystem;

namespace {

// Notes what happens to it: level starts, and its own destruction.
class Witness : public Component {
public:
    Witness(std::string label, std::vector<std::string>* log) : label(std::move(label)), log(log) {}
    ~Witness() override { log->push_back(label + " destroyed"); }
    void OnLevelStart(Message*) override { log->push_back(label + " started"); }

    std::string label;
    std::vector<std::string>* log;
};

// The engine's five systems, inside the test content folder. Loading levels needs no window
// and no drawing, so only the sound system is started, and the graphics system's hooks set.
class LevelLoaderTest : public EngineTest {
protected:
    void SetUp() override {
        inside = std::make_unique<InFolder>(TestContent());
        ::setenv("ALSOFT_DRIVERS", "null", 0);  // real mixing, nothing heard
        Engine& engine = Engine::Instance();
        auto sound = std::make_shared<SoundSystem>();
        auto graphics = std::make_shared<Graphics>();
        for (const std::shared_ptr<System>& system : std::vector<std::shared_ptr<System>>{
                 std::make_shared<Window>(), sound, std::make_shared<Physics>(), graphics,
                 std::make_shared<GameplaySystem>()}) {
            engine.AddSystem(system);
        }
        sound->Initialize();
        graphics->HookIntoEngine();
        LevelList::Read("Gameplay/Levels.txt");
    }
    void TearDown() override {
        EngineTest::TearDown();
        inside.reset();
    }

    static Space* Current() { return Engine::Instance().CurrentSpace(); }

    static std::vector<std::string> Stack() {
        std::vector<std::string> names;
        for (const auto& space : Engine::Instance().spaces) {
            names.push_back(space->name);
        }
        return names;
    }

    static Camera* FollowedCamera() { return GetSystem<Graphics>()->currentCamera; }

    void Watch(Space* space, const std::string& label) {
        space->CreateObject(label)->AddComponent(ComponentType::PlayerArrow,
                                                 std::make_unique<Witness>(label, &log));
    }

    std::unique_ptr<InFolder> inside;
    std::vector<std::string> log;
};

TEST_F(LevelLoaderTest, NewLevelIsReadFromItsListedFileWithTheSystemsInOrder) {
    LoadLevel("level1", LoadMode::PlayableLevel);

    Space* level = Current();
    EXPECT_EQ(level->name, "level1");
    EXPECT_EQ(level->loadMode, LoadMode::PlayableLevel);
    EXPECT_EQ(level->levelPath, "TandrelLevelDesigner/Content/Level1.Level.data");
    EXPECT_NE(level->FindObject("gear"), nullptr);
    EXPECT_EQ(level->FindObject("wrongFile"), nullptr);
    std::vector<std::string> systems;
    for (const auto& system : level->systems) {
        systems.push_back(system->Name());
    }
    EXPECT_EQ(systems, (std::vector<std::string>{"WindowSystem", "SoundSystem", "PhysicsSystem",
                                                 "GraphicsSystem", "GameplaySystem"}));
    EXPECT_EQ(FollowedCamera(), &Get<Camera>(*level, "CameraComp"));
    EXPECT_TRUE(IsCurrentSpace("level1"));
    EXPECT_FALSE(IsCurrentSpace("Level1"));  // exact, unlike the stack search
}

TEST_F(LevelLoaderTest, ContentWrittenOnWindowsLoads) {
    // Listed as "creditsScreen", on disk as "CreditsScreen.Level.data".
    LoadLevel("credits", LoadMode::Screen);
    EXPECT_NE(Current()->FindObject("creditsText"), nullptr);
    // Listed with a backslash: "Menus\TitleScreen".
    LoadLevel("title", LoadMode::Screen);
    EXPECT_NE(Current()->FindObject("titleText"), nullptr);
}

TEST_F(LevelLoaderTest, UnlistedNameGivesAnEmptySpace) {
    LoadLevel("nowhere", LoadMode::Screen);
    EXPECT_EQ(Current()->name, "nowhere");
    EXPECT_TRUE(Current()->objects.empty());
    EXPECT_EQ(Current()->levelPath, "TandrelLevelDesigner/Content/.Level.data");
    EXPECT_EQ(LevelList::Entries().at("nowhere"), "");
}

TEST_F(LevelLoaderTest, ReturningToASpaceDestroysEverythingAboveIt) {
    LoadLevel("loading", LoadMode::Screen);
    LoadLevel("mainMenu", LoadMode::Screen);
    Space* menu = Current();
    Watch(menu, "menu");
    LoadLevel("level1", LoadMode::PlayableLevel);
    Watch(Current(), "level");
    LoadLevel("pause", LoadMode::Screen);
    Watch(Current(), "pause");
    log.clear();

    // Letter case is ignored when the stack is searched.
    LoadLevel("MAINMENU", LoadMode::Screen);

    EXPECT_EQ(Stack(), (std::vector<std::string>{"loading", "mainMenu"}));
    EXPECT_EQ(log,
              (std::vector<std::string>{"pause destroyed", "level destroyed", "menu started"}));
    EXPECT_EQ(FollowedCamera(), &Get<Camera>(*menu, "CameraComp"));

    // Removed spaces outlive the frame that removed them, empty.
    auto& removed = Engine::Instance().removedSpaces;
    ASSERT_EQ(removed.size(), 2u);
    EXPECT_EQ(removed[0]->name, "pause");
    EXPECT_TRUE(removed[1]->objects.empty());
    Engine::Instance().ReleaseRemovedSpaces();
    EXPECT_TRUE(removed.empty());
}

TEST_F(LevelLoaderTest, LoadingTheCurrentNameAgainOnlyRestartsIt) {
    LoadLevel("mainMenu", LoadMode::Screen);
    Space* menu = Current();
    Watch(menu, "menu");
    LoadLevel("mainMenu", LoadMode::Screen);
    EXPECT_EQ(Stack(), (std::vector<std::string>{"mainMenu"}));
    EXPECT_EQ(Current(), menu);
    EXPECT_EQ(log, (std::vector<std::string>{"menu started"}));
}

TEST_F(LevelLoaderTest, MusicStartsWithTheMainMenuAndPlayableLevels) {
    ScratchFolder scratch;
    WriteTestTone(scratch.path / "menumusic.wav", 2.0f);
    const auto sound = GetSystem<SoundSystem>();
    auto [name, cell] = sound->LoadSound((scratch.path / "menumusic.wav").string());
    sound->AddToTable(name, std::move(cell));
    const auto playing = [](audio::Channel* channel) {
        bool isPlaying = false;
        return channel != nullptr && channel->IsPlaying(&isPlaying) == audio::Result::Ok &&
               isPlaying;
    };

    LoadLevel("mainMenu", LoadMode::Screen);
    audio::Channel* music = Get<SoundEmitter>(*Current(), "backgroundMusic").channelSlot;
    ASSERT_TRUE(playing(music));
    audio::ChannelGroup* group = nullptr;
    music->GetChannelGroup(&group);
    EXPECT_EQ(group, sound->Group(SoundGroup::Music));

    LoadLevel("pause", LoadMode::Screen);  // another screen keeps the music
    EXPECT_TRUE(playing(music));
    LoadLevel("level1", LoadMode::PlayableLevel);  // a level stops every sound first
    EXPECT_FALSE(playing(music));
    LoadLevel("mainMenu", LoadMode::Screen);  // going back plays it again
    EXPECT_TRUE(playing(Get<SoundEmitter>(*Current(), "backgroundMusic").channelSlot));
}

TEST_F(LevelLoaderTest, ReturningToASpaceWithoutCameraStopsFollowingTheRemovedOne) {
    LoadLevel("credits", LoadMode::Screen);
    LoadLevel("level1", LoadMode::PlayableLevel);
    ASSERT_NE(FollowedCamera(), nullptr);
    LoadLevel("credits", LoadMode::Screen);
    EXPECT_EQ(FollowedCamera(), nullptr);
}

TEST_F(LevelLoaderTest, SpaceRemovedDuringItsOwnUpdateStaysUsableToTheEndOfTheStep) {
    LoadLevel("mainMenu", LoadMode::Screen);
    LoadLevel("level1", LoadMode::PlayableLevel);
    Space* level = Current();
    auto leaver = std::make_shared<RecordingSystem>(4, 0x01, &log);
    leaver->onUpdate = [](Space*) { LoadLevel("mainMenu", LoadMode::Screen); };
    auto later = std::make_shared<RecordingSystem>(4, 0x01, &log);
    std::size_t objectsSeenLater = 99;
    later->onUpdate = [&](Space* stepped) { objectsSeenLater = stepped->objects.size(); };
    level->systems = {leaver, later};

    level->Update();

    EXPECT_EQ(objectsSeenLater, 0u);
    EXPECT_TRUE(IsCurrentSpace("mainMenu"));
}

TEST_F(LevelLoaderTest, RestartRebuildsTheSpaceInPlaceUnderItsOwnUpdate) {
    LoadLevel("level1", LoadMode::PlayableLevel);
    Space* level = Current();
    const std::uint32_t oldGear = level->FindObject("gear")->id;
    auto restarter = std::make_shared<RecordingSystem>(4, 0x01, &log);
    restarter->onUpdate = [](Space* stepped) { RestartLevel(*stepped); };
    level->systems = {restarter};

    level->Update();

    EXPECT_EQ(Current(), level);
    EXPECT_EQ(level->name, "level1");
    EXPECT_EQ(level->loadMode, LoadMode::PlayableLevel);
    EXPECT_EQ(level->systems, std::vector<std::shared_ptr<System>>{restarter});
    EXPECT_EQ(level->objects.size(), 2u);
    EXPECT_NE(level->FindObject("gear")->id, oldGear);
    EXPECT_EQ(FollowedCamera(), &Get<Camera>(*level, "CameraComp"));
}

// Restarts its level when the level starts: the broadcast then runs on rebuilt objects.
class Restarter : public Component {
public:
    void OnLevelStart(Message*) override { RestartLevel(*owner->space); }
};

TEST_F(LevelLoaderTest, LevelStartBroadcastSurvivesARestartFromAHandler) {
    LoadLevel("level1", LoadMode::PlayableLevel);
    GameObject* object = Current()->CreateObject("restarter");
    auto restarter = std::make_unique<Restarter>();
    restarter->owner = object;
    object->AddComponent(ComponentType::PlayerArrow, std::move(restarter));
    object->AddComponent(ComponentType::Button, std::make_unique<Witness>("sibling", &log));
    Watch(Current(), "watch");

    LoadLevel("level1", LoadMode::PlayableLevel);

    // Nothing destroyed by the restart hears the message any more.
    EXPECT_EQ(Current()->FindObject("restarter"), nullptr);
    EXPECT_EQ(log, (std::vector<std::string>{"watch destroyed", "sibling destroyed"}));
    EXPECT_NE(Current()->FindObject("gear"), nullptr);
}

class FirstLevelTest : public EngineTest {};

TEST_F(FirstLevelTest, RunLoadsTheLoadingScreenFirst) {
    InFolder inside(TestContent());
    std::vector<std::string> log;
    std::vector<std::shared_ptr<System>> systems;
    const std::uint32_t masks[] = {0x10, 0x08, 0x04, 0x02, 0x01};
    std::vector<std::string> stepped;
    std::size_t objects = 0;
    std::uint32_t pictureId = 0;
    for (std::int32_t id = 0; id < 5; ++id) {
        auto system = std::make_shared<RecordingSystem>(id, masks[id], &log);
        if (id == 4) {
            system->onUpdate = [&](Space* space) {
                stepped.push_back(space->name);
                objects = space->objects.size();
                if (const GameObject* picture = space->FindObject("loadingPicture")) {
                    pictureId = picture->FindComponent<Sprite>()->texture.ID;
                }
                Engine::Instance().running = false;
            };
        }
        systems.push_back(system);
    }

    Engine::Instance().Run(std::move(systems));

    EXPECT_EQ(stepped, (std::vector<std::string>{"loading"}));
    EXPECT_EQ(objects, 1u);  // "loadingPicture", from the listed "loadingScreen"
    // Its sprite took the registry's entry for the name it gives, which the level's own lookup
    // entered when no earlier load had (whether or not this process loaded the picture before).
    EXPECT_EQ(TextureRegistry::Entries().count("loading1.png"), 1u);
    EXPECT_EQ(pictureId, TextureRegistry::GetTexture("loading1.png").ID);
}

}  // namespace
