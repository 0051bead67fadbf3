#pragma once

#include <array>
#include <cstdint>
#include <string>

#include <glm/vec3.hpp>

#include "Core/LoadMode.h"
#include "Core/System.h"
#include "systems/MenuList.h"
#include "systems/UnlockSave.h"

class GameObject;
class Space;

// The game flow. Each update it steps the gameplay components the physics does not, then
// applies the rules of what is showing: the level rules for a playable level, or the rules of
// the screen on top of the stack, found by its name in the screen table (screens/ScreenTable.h),
// then the rules that run under every space (the splash pictures, the last level's camera, the
// final screen). It keeps the flags other systems read, the three menu lists and the unlock save.
// All its timers move by fixed amounts per update.
class GameplaySystem : public System {
public:
    static constexpr std::int32_t TypeId = 4;
    static constexpr std::uint32_t MaskBit = 0x01;

    GameplaySystem();

    // Gives every field its start value, sets up the unlock save in the player's data folder
    // and sets the engine's lose-request hook (LoseRequest.h); Shutdown clears the hook.
    void Initialize() override;
    // The per-frame rules on the current space, as the class comment says.
    void Update(float dt, Space* space) override;
    void Shutdown() override;

    // Opens a screen: returns to the space of that name on the stack, or loads it, as a
    // playable level when asLevel is set.
    static void OpenScreen(const std::string& name, bool asLevel = false);
    // Takes the topmost screen off the stack and follows the camera of the one below.
    static void CloseScreen();
    // Ends the game once the frame in progress has been drawn.
    static void Quit();

    // The menu list of a menu screen, or null for any other screen.
    MenuList* MenuOf(const std::string& screen);

    // Shows a picture pair's keyboard picture, or its gamepad picture while a gamepad is
    // present, on the object's sprite.
    void ShowPicturePair(GameObject* object) const;

    // The music group is muted by the options; no screen restores the music while it is set.
    bool musicMuted = false;
    // Nonzero while a gamepad is connected; refreshed by every update.
    std::int32_t gamepadPresent = 0;
    // A restart fades out from this countdown; a lost player is lifted this far, out of every
    // contact and out of view.
    static constexpr float LoseCountdownStart = 2.0f;
    static constexpr float LostPlayerLift = 100000.0f;
    // Counts the restart fade down.
    float loseCountdown = LoseCountdownStart;
    // A restart is fading out.
    bool loseSequenceStarted = false;
    // The gamepad's boost: the latch holds while a boost has fired and its delay runs down.
    bool boostLatch = false;
    float boostDelay = 2.0f;
    // The controller hint's life, and the first splash picture's alpha.
    float controllerTimer = 2.0f;
    float splashTimer = 3.0f;
    // The main menu gear's rotation when its current turn began.
    float menuGearStartAngle = 0.0f;
    // The lose blast has played since the player last dropped out of view.
    bool blastPlayed = false;
    // "BearGearBrown" is unlocked, or the unlock-all key was used.
    bool bearsUnlocked = false;
    // The main menu title: its entrance time, its rocking and its breathing.
    float titleDelay = 3.0f;
    float wobbleCountdown = 0.0f;
    float wobblePeriod = 6.0f;
    float pulseCountdown = 0.0f;
    float pulsePeriod = 1.0f;
    bool turningLeft = false;
    bool turningRight = false;
    // The options' ticked boxes.
    bool fullScreenOption = true;
    bool muteMusicOption = false;
    bool muteAllOption = false;
    bool titleStarted = false;
    bool wobbleDirection = true;
    bool pulseDirection = true;
    bool bearSoundPlayed = false;
    // Boosts the player has left, 0 to 3.
    std::int32_t boostCount = 0;
    // The main menu entry selected, -5 to 5.
    std::int32_t mainMenuIndex = 0;
    // The level selection's number of buttons when its list was last built.
    std::int32_t levelButtonCount = 0;
    // The three menus; each is built when its screen shows and emptied when the screen goes.
    MenuList levelSelectMenu;
    MenuList pauseMenu;
    MenuList optionsMenu;
    // The set win screens' three firework waves: rise speeds, countdowns to the bursts, and the
    // show's own countdown.
    std::array<float, 3> riseSpeeds{10.0f, 10.0f, 5.0f};
    std::array<float, 3> waveCountdowns{5.0f, 3.0f, 10.0f};
    float showCountdown = 40.0f;
    bool winJinglePlayed = false;
    bool finalMusicStarted = false;
    // The time step of the update in progress, for the rules that move things by time.
    float updateStep = 0.016f;
    UnlockSave save;
    // Play on the main menu rolls "velmo" away, then opens the first level.
    GameObject* playObject = nullptr;
    bool playTweenStarted = false;
    float playCountdown = 6.0f;
    bool playRunning = false;
    glm::vec3 playStartPosition{0.0f};

private:
    // Sends the update to the components the physics does not step, object by object.
    static void StepGameplayComponents(float dt, Space& space);
    // The rules of the screen on top, through the screen table.
    void RunScreenRules();
    // The rules that run under every space.
    void RunTail(Space& space);
};
