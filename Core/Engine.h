#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "Core/DorvoFPS.h"
#include "Core/EngineHooks.h"
#include "Core/Space.h"
#include "Core/System.h"

// The program-wide engine state: the system registry, the running flag, the space stack and
// the frame limiter, with start-up, the frame loop and shutdown.
class Engine {
public:
    static Engine& Instance();

    // Spaces go before the systems they may still ask for.
    ~Engine();

    // Appends a system to the registry. Systems are registered in type-id order, so entry i
    // holds the system of type id i.
    void AddSystem(std::shared_ptr<System> system);

    // The first registered system with the type id; throws std::range_error with the message
    // "The specified system does not exist." when there is none.
    std::shared_ptr<System> FindSystem(std::int32_t typeId) const;

    const std::vector<std::shared_ptr<System>>& Systems() const { return systems; }

    // The top of the space stack, or null when the stack is empty.
    Space* CurrentSpace() const;

    // Sets the running flag, registers the systems in the order given and initialises them
    // front to back. The registry is complete before the first Initialize runs.
    void Startup(std::vector<std::shared_ptr<System>> newSystems);

    // Reads the level list and loads the screen "loading", the first space of the game.
    void LoadFirstLevel();

    // One frame: clear, step the current space, step the followed camera a second time, flush,
    // finish and present, then free the spaces removed during the frame. The drawing steps are
    // the systems' hooks, so a frame works without a window or graphics system. The caller
    // ticks the limiter.
    void RunFrame();

    // The two halves of a frame, for tools that read the drawn frame before it is presented:
    // everything up to the finished drawing, then the buffer swap and the freeing of removed
    // spaces.
    void DrawFrame();
    void PresentFrame();

    // Frames until the running flag is cleared, each capped by the limiter.
    void FrameLoop();

    // Takes the current space off the stack. Its objects are destroyed at once; the space
    // itself stays valid until the frame in progress has finished, because code further up the
    // call stack may still be running on it.
    void RemoveCurrentSpace();

    // Frees the spaces removed since the last call.
    void ReleaseRemovedSpaces();

    // Destroys the spaces from the top of the stack down, and the removed ones.
    void DestroySpaces();

    // Shuts the systems down front to back, releasing the registry's handle to each.
    void Shutdown();

    // The whole program: start-up, the first level, frames until the running flag is cleared,
    // then every space destroyed before any system shuts down.
    void Run(std::vector<std::shared_ptr<System>> newSystems);

    bool running = false;
    // The last entry is the current space.
    std::vector<std::unique_ptr<Space>> spaces;
    DorvoFPS limiter;
    EngineHooks hooks;
    // Off the stack, objects destroyed, freed after the frame.
    std::vector<std::unique_ptr<Space>> removedSpaces;

private:
    std::vector<std::shared_ptr<System>> systems;
};

// The registered system of class T, as a new shared handle.
template <typename T>
std::shared_ptr<T> GetSystem() {
    return std::static_pointer_cast<T>(Engine::Instance().FindSystem(T::TypeId));
}

// The registered system of class T, or null when none of that class is registered: for code
// that also runs where no engine is running, such as a level read by a tool.
template <typename T>
std::shared_ptr<T> TryGetSystem() {
    for (const auto& system : Engine::Instance().Systems()) {
        if (system != nullptr && system->TypeId() == T::TypeId) {
            return std::dynamic_pointer_cast<T>(system);
        }
    }
    return nullptr;
}
