#include "Core/Engine.h"

#include <stdexcept>

#include <GL/glew.h>
#include <GLFW/glfw3.h>

#include "Core/LevelList.h"
#include "Core/LevelLoader.h"
#include "components/Camera.h"
#include "systems/Graphics.h"
#include "systems/Window.h"

namespace {
constexpr const char* LevelListPath = "Gameplay/Levels.txt";
constexpr const char* FirstLevel = "loading";
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
    LoadLevel(FirstLevel, ScreenMode);
}

void Engine::RunFrame() {
    DrawFrame();
    PresentFrame();
}

void Engine::DrawFrame() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    if (Space* space = CurrentSpace()) {
        space->Update();
    }
    // The current camera steps a second time this frame: the draw pass stepped it already.
    if (const auto graphics = TryGetSystem<Graphics>(); graphics && graphics->currentCamera) {
        graphics->currentCamera->Update();
    }
    glFlush();
    glFinish();
}

void Engine::PresentFrame() {
    if (const auto window = TryGetSystem<Window>(); window && window->handle) {
        glfwSwapBuffers(window->handle);
    }
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
