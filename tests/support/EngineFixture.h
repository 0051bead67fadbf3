#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "Core/Engine.h"

// A system of the engine's kind that records what happens to it, for tests of the registry,
// the frame loop and the space update. It takes the type id and mask bit it is given.
class RecordingSystem : public System {
public:
    RecordingSystem(std::int32_t typeId, std::uint32_t mask, std::vector<std::string>* log)
        : System(typeId, "Recording" + std::to_string(typeId), mask), log(log) {}

    void Initialize() override {
        log->push_back(Name() + ".Initialize");
        if (onInitialize) {
            onInitialize();
        }
    }
    void Update(float dt, Space* space) override {
        log->push_back(Name() + ".Update");
        lastDt = dt;
        if (onUpdate) {
            onUpdate(space);
        }
    }
    void Shutdown() override {
        log->push_back(Name() + ".Shutdown");
        if (onShutdown) {
            onShutdown();
        }
    }

    std::vector<std::string>* log;
    float lastDt = 0.0f;
    std::function<void()> onInitialize;
    std::function<void(Space*)> onUpdate;
    std::function<void()> onShutdown;
};

// Leaves the program-wide engine empty after each test.
class EngineTest : public testing::Test {
protected:
    void TearDown() override {
        Engine& engine = Engine::Instance();
        engine.DestroySpaces();
        engine.Shutdown();
        engine.running = false;
    }

    Space* PushSpace(const std::string& name, LoadMode loadMode = LoadMode::PlayableLevel) {
        auto& spaces = Engine::Instance().spaces;
        spaces.push_back(std::make_unique<Space>(loadMode, name, ""));
        return spaces.back().get();
    }
};
