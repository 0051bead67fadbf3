#include "Core/Engine.h"

#include <stdexcept>

#include "Core/FixedNames.h"
#include "Core/LevelList.h"
#include "Core/LevelLoader.h"

namespace {
constexpr const char* LevelListPath = "Gameplay/Levels.txt";
}  // namespace

Engine& Engine::Instance() {
    static Engine engine;
    return engine;
}

Engine::~Engine() {
    DestroySpaces();
}

void Engine::AddSystem(std::shared_ptr<System> system) {
    systems.push_back(std::move(system));
}

std::shared_ptr<System> Engine::FindSystem(std::int32_t typeId) const {
    for (const auto& system : systems) {
        if (system != nullptr && system->TypeId() == typeId) {
            return system;
        }
    }
    throw std::range_error("The specified system does not exist.");
}

Space* Engine::CurrentSpace() const {
    return spaces.empty() ? nullptr : spaces.back().get();
}

void Engine::Startup(std::vector<std::shared_ptr<System>> newSystems) {
    running = true;
    for (auto& system : newSystems) {
        AddSystem(std::move(system));
    }
    for (const auto& system : systems) {
        system->Initialize();
    }
}

void Engine::LoadFirstLevel() {
    LevelList::Read(LevelListPath);
    LoadLevel(ScreenName::Loading, LoadMode::Screen);
}

void Engine::RunFrame() {
    DrawFrame();
    PresentFrame();
}

void Engine::DrawFrame() {
    CallHook(hooks.clearFrame);
    if (Space* space = CurrentSpace()) {
        space->Update();
    }
    CallHook(hooks.finishDrawing);
}

void Engine::PresentFrame() {
    CallHook(hooks.presentFrame);
    ReleaseRemovedSpaces();
}

void Engine::FrameLoop() {
    while (running) {
        RunFrame();
        limiter.Tick();
    }
}

void Engine::RemoveCurrentSpace() {
    if (spaces.empty()) {
        return;
    }
    CallHook(hooks.spaceClosing, *spaces.back());
    spaces.back()->ClearObjects();
    removedSpaces.push_back(std::move(spaces.back()));
    spaces.pop_back();
}

void Engine::ReleaseRemovedSpaces() {
    removedSpaces.clear();
}

void Engine::DestroySpaces() {
    while (!spaces.empty()) {
        spaces.pop_back();
    }
    ReleaseRemovedSpaces();
}

void Engine::Shutdown() {
    for (auto& system : systems) {
        system->Shutdown();
        system.reset();
    }
    systems.clear();
}

void Engine::Run(std::vector<std::shared_ptr<System>> newSystems) {
    Startup(std::move(newSystems));
    LoadFirstLevel();
    FrameLoop();
    DestroySpaces();
    Shutdown();
}
