#pragma once

#include <cstdint>

#include "Core/System.h"

class GameObject;
class Space;

// The game flow: steps the gameplay components the physics does not, runs the screens and the
// rules of a level in play, and keeps the flags other parts read.
class GameplaySystem : public System {
public:
    static constexpr std::int32_t TypeId = 4;
    static constexpr std::uint32_t MaskBit = 0x01;

    GameplaySystem();

    // Sets the engine's lose-request hook (LoseRequest.h); Shutdown clears it.
    void Initialize() override;
    // Steps the gameplay components of the space, then the rules of the screen showing.
    // NOTE: only the quit confirmation's rules are built yet; other screens and levels do
    // nothing here.
    void Update(float dt, Space* space) override;
    void Shutdown() override;

    // Takes the topmost screen off the stack and follows the camera of the one below.
    static void CloseScreen();

    // Shows a picture pair's keyboard picture, or its gamepad picture while a gamepad is
    // present, on the object's sprite.
    void ShowPicturePair(GameObject* object) const;

    // The music group is muted by the options; no screen restores the music while it is set.
    bool musicMuted = false;
    // Nonzero while a gamepad is connected; refreshed by every update.
    std::int32_t gamepadPresent = 0;
    // Counts the restart fade down.
    float loseCountdown = 2.0f;
    // A restart is fading out.
    bool loseSequenceStarted = false;
    // The lose blast has played since the player last dropped out of view.
    bool blastPlayed = false;
    // The gamepad's boost: the latch holds while a boost has fired and its delay runs down.
    bool boostLatch = false;
    float boostDelay = 2.0f;
    // Boosts the player has left, 0 to 3.
    std::int32_t boostCount = 0;

private:
    // Sends the update to the components the physics does not step, object by object.
    static void StepGameplayComponents(float dt, Space& space);
    // The quit confirmation: N or Escape goes back, Y or Enter ends the game.
    void RunQuitConfirmation(Space& space);
};
