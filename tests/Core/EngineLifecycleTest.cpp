#include <memory>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "Core/Engine.h"
#include "support/EngineFixture.h"

namespace {

// A system class of the game flow's type id, never registered here.
class GameFlow : public RecordingSystem {
public:
    static constexpr std::int32_t TypeId = 4;
};

class EngineLifecycleTest : public EngineTest {
protected:
    std::vector<std::shared_ptr<System>> FiveSystems() {
        std::vector<std::shared_ptr<System>> systems;
        const std::uint32_t masks[] = {0x10, 0x08, 0x04, 0x02, 0x01};
        for (std::int32_t id = 0; id < 5; ++id) {
            recorders.push_back(std::make_shared<RecordingSystem>(id, masks[id], &log));
            systems.push_back(recorders.back());
        }
        return systems;
    }

    std::vector<std::shared_ptr<RecordingSystem>> recorders;
    std::vector<std::string> log;
};

TEST_F(EngineLifecycleTest, UnregisteredSystemThrowsTheRangeError) {
    try {
        GetSystem<GameFlow>();
        FAIL() << "no range error";
    } catch (const std::range_error& error) {
        EXPECT_STREQ(error.what(), "The specified system does not exist.");
    }
}

TEST_F(EngineLifecycleTest, RegistryIsCompleteBeforeTheFirstInitialize) {
    auto systems = FiveSystems();
    std::string seenFromWindow;
    recorders[0]->onInitialize = [&] { seenFromWindow = Engine::Instance().FindSystem(4)->Name(); };
    Engine::Instance().Startup(systems);

    EXPECT_TRUE(Engine::Instance().running);
    EXPECT_EQ(seenFromWindow, "Recording4");
    EXPECT_EQ(log, (std::vector<std::string>{"Recording0.Initialize", "Recording1.Initialize",
                                             "Recording2.Initialize", "Recording3.Initialize",
                                             "Recording4.Initialize"}));
}

TEST_F(EngineLifecycleTest, RunStepsTheTopSpaceThenDestroysSpacesBeforeAnyShutdown) {
    Engine& engine = Engine::Instance();
    auto systems = FiveSystems();
    Space* bottom = PushSpace("bottom");
    Space* top = PushSpace("top");
    bottom->systems = systems;
    top->systems = systems;

    std::vector<std::string> steppedSpaces;
    recorders[4]->onUpdate = [&](Space* space) {
        steppedSpaces.push_back(space->name);
        if (steppedSpaces.size() == 3) {
            Engine::Instance().running = false;  // the frame still finishes
        }
    };
    std::vector<bool> spacesLeftAtShutdown;
    for (auto& recorder : recorders) {
        recorder->onShutdown = [&] {
            spacesLeftAtShutdown.push_back(!Engine::Instance().spaces.empty());
        };
    }
    std::weak_ptr<System> window = systems[0];
    recorders.clear();

    // Run's own steps, without the first level it loads, which would sit on top.
    engine.Startup(std::move(systems));
    engine.FrameLoop();
    engine.DestroySpaces();
    engine.Shutdown();

    EXPECT_EQ(steppedSpaces, (std::vector<std::string>{"top", "top", "top"}));
    EXPECT_EQ(spacesLeftAtShutdown, std::vector<bool>(5, false));
    EXPECT_TRUE(window.expired());  // the registry let go of every system
    const std::vector<std::string> tail(log.end() - 5, log.end());
    EXPECT_EQ(tail, (std::vector<std::string>{"Recording0.Shutdown", "Recording1.Shutdown",
                                              "Recording2.Shutdown", "Recording3.Shutdown",
                                              "Recording4.Shutdown"}));
}

TEST_F(EngineLifecycleTest, SpacesAreDestroyedFromTheTop) {
    Engine& engine = Engine::Instance();
    std::vector<std::string> destroyed;
    class Witness : public Component {
    public:
        Witness(std::string label, std::vector<std::string>* log)
            : label(std::move(label)), log(log) {}
        ~Witness() override { log->push_back(label); }
        std::string label;
        std::vector<std::string>* log;
    };
    for (const char* name : {"loading", "mainMenu", "pauseMenu"}) {
        PushSpace(name)->CreateObject(name)->AddComponent(
            ComponentType::Button, std::make_unique<Witness>(name, &destroyed));
    }
    engine.DestroySpaces();
    EXPECT_EQ(destroyed, (std::vector<std::string>{"pauseMenu", "mainMenu", "loading"}));
    EXPECT_EQ(engine.CurrentSpace(), nullptr);
}

}  // namespace
