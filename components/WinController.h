#pragma once

#include <string>

#include "Core/Component.h"

// The goal of a level, "winBear". It stages the start of every level (the level's sounds
// stopped, the music faded in and restarted, the camera's intro zoom), fades the music out
// when the player has been teleported, and once the camera's win zoom has arrived unlocks the
// next level in the save and opens WinLevel. Touching it plays its own sound.
class WinController : public Component {
public:
    static constexpr ComponentType Type = ComponentType::WinController;

    // Unlocks the save's next locked entry unless WinLevel is unlocked already, opens WinLevel
    // (restarting its music when it is a level) and stops the message, so the arrival is
    // handled once. The opened level's controller then stages its start. A goal without a
    // WinLevel is a content error: reported, and nothing is unlocked or opened.
    void OnCameraArrived(Message* message) override;
    // Stops the effect and player sounds, fades the music in, records the camera's far plane
    // (here and as the graphics system's level camera distance), holds the camera's scrolling
    // and zooms it from IntroDistance back to the recorded distance over IntroSeconds; then
    // plays the current space's "backgroundMusic" looping on the music group.
    void OnLevelStart(Message* message) override;
    // Fades the music out.
    void OnTeleportDone(Message* message) override;
    // Plays this object's own sound once on the effect group, restarting it.
    void OnCollision(CollisionMessage* message) override;
    // With repeatStart set, stages the start again on every update while the music is not
    // fading out.
    void OnUpdate(UpdateMessage* message) override;

    // The far plane the intro zoom starts from, and how long it takes to come back.
    static constexpr float IntroDistance = -9.0f;
    static constexpr float IntroSeconds = 2.0f;

    // The level or screen opened on winning, and the save entry asked before unlocking.
    std::string WinLevel;
    // Open WinLevel as a playable level rather than as a screen.
    bool LoadAsLevel = true;
    // Written by "bool Moveable" inside the win section: restage the start on every update.
    bool repeatStart = false;
    // The camera's far plane at level start: the target of the intro zoom.
    float cameraDistance = 0.0f;
};
