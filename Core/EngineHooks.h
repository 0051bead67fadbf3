#pragma once

#include <functional>

class Space;

// The calls the core makes into the systems above it, at fixed points of a frame and of level
// loading. Each system sets its own when it initialises and clears them when it shuts down; a
// hook nobody set is skipped, so the core runs with any set of systems, or none.
struct EngineHooks {
    // Graphics, before the current space is stepped: clears the frame.
    std::function<void()> clearFrame;
    // Graphics, after the step: the followed camera's second step, then flush and finish.
    std::function<void()> finishDrawing;
    // Window: shows the finished frame.
    std::function<void()> presentFrame;

    // GameplaySystem, at the end of a space's step in which the player was lost.
    std::function<void(Space&)> loseRequest;
    // GameplaySystem, as a space leaves the stack, before its objects are destroyed.
    std::function<void(Space&)> spaceClosing;

    // SoundSystem: every channel stopped, before a playable level is created and before a
    // return to a space restarts its music.
    std::function<void()> stopAllSounds;
    // SoundSystem: the effect and player sounds stopped, before a level restarts.
    std::function<void()> stopLevelSounds;
    // SoundSystem: the space's "backgroundMusic" played from its start.
    std::function<void(Space&)> playBackgroundMusic;

    // Graphics: the view follows the space's "CameraComp" again, after a return to the space.
    std::function<void(Space&)> followCamera;
};

// Runs a hook when it is set.
inline void CallHook(const std::function<void()>& hook) {
    if (hook) {
        hook();
    }
}

inline void CallHook(const std::function<void(Space&)>& hook, Space& space) {
    if (hook) {
        hook(space);
    }
}
