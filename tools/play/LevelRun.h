#pragma once

#include <memory>
#include <string>

#include "InputScript.h"

class GameplaySystem;
class Graphics;
class ScriptedGamepad;
class SoundSystem;
class Window;

// How a tool runs the game: one level (or the game from its start) with replayed input.
struct LevelRunOptions {
    // A name of the level list; empty with `start`.
    std::string level;
    // Run the game from its first screen instead of one level.
    bool start = false;
    // Load the level as a screen instead of a playable level.
    bool screen = false;
    // No window, no drawing, no sound output: every rule that decides the outcome runs (the
    // physics, the game flow, the draw pass's rules with both camera steps a frame), nothing
    // is drawn or heard and no picture or sound is loaded.
    bool headless = false;
    // Show the window (drawn runs only).
    bool visible = false;
    // Sound on the default output; otherwise a silent output held still, so that the same
    // input gives the same output.
    bool sound = false;
    // A gamepad of the script's (present when the input uses one).
    bool gamepad = false;
    // The seed of everything the game would seed from the clock.
    unsigned seed = 1;
};

// The engine with its five systems, started for one level. There is one engine per process:
// one LevelRun at a time. The destructor destroys the spaces and shuts the systems down.
class LevelRun {
public:
    explicit LevelRun(const LevelRunOptions& options);
    ~LevelRun();
    LevelRun(const LevelRun&) = delete;
    LevelRun& operator=(const LevelRun&) = delete;

    // Plugs the script's gamepad in, as if the run had been started with one: for a caller that
    // learns only from the loaded level that its input will use the pad. Call before the first
    // frame.
    void ConnectGamepad();
    // Hands one input event to the window (or the script's gamepad) before a frame.
    void Apply(const InputEvent& event);
    // The frame up to its drawing: cleared, the current space updated, the camera stepped again
    // and the drawing finished. The drawn frame can be read until Present.
    void Draw();
    // Presents the frame and releases the spaces the frame closed.
    void Present();
    // Draw and Present.
    void Step();

    // False once the game has quit.
    bool Running() const;

    Window& window() const { return *windowSystem; }
    GameplaySystem& gameplay() const { return *gameplaySystem; }
    SoundSystem& sound() const { return *soundSystem; }
    Graphics& graphics() const { return *graphicsSystem; }

private:
    std::shared_ptr<Window> windowSystem;
    std::shared_ptr<SoundSystem> soundSystem;
    std::shared_ptr<Graphics> graphicsSystem;
    std::shared_ptr<GameplaySystem> gameplaySystem;
    ScriptedGamepad* scriptedGamepad = nullptr;
};
