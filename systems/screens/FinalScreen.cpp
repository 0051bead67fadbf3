#include "systems/screens/FinalScreen.h"

#include <GLFW/glfw3.h>

#include "Core/Engine.h"
#include "Core/FixedNames.h"
#include "Core/GameObject.h"
#include "Core/LevelLoader.h"
#include "Core/Space.h"
#include "components/Camera.h"
#include "components/SoundEmitter.h"
#include "components/Transform.h"
#include "systems/GameplaySystem.h"
#include "systems/SoundSystem.h"
#include "systems/Window.h"
#include "systems/screens/Fireworks.h"

namespace {

constexpr float MusicOn = 1.0f;
// The ride's turns.
constexpr float ClimbFromX = 150.0f;
constexpr float ClimbUntilX = 250.0f;
constexpr float CrossAtY = 100.0f;
constexpr float DescendAtX = 400.0f;
constexpr float StopBelowY = -150.0f;
constexpr float RideSpeed = 0.1f;
constexpr float FireworksAboveY = 35.0f;

void StartMusic(GameplaySystem& gameplay, const Space& screen) {
    const auto sound = GetSystem<SoundSystem>();
    sound->StopAllChannels();
    // NOTE: on no group the options' mute would not reach it, so muted music is not started.
    GameObject* music = screen.FindObject(ObjectName::BackgroundMusic);
    auto* emitter = music != nullptr ? music->GetComponent<SoundEmitter>() : nullptr;
    if (emitter != nullptr && !gameplay.musicMuted) {
        sound->Play(emitter->sound, true, nullptr, false);
    }
    gameplay.finalMusicStarted = true;
}

void Leave(GameplaySystem& gameplay) {
    gameplay.bearsUnlocked = true;
    // NOTE: the level selection writes the bears into the save only when it is next shown; a
    // player who quits from the main menu before that would lose them.
    gameplay.save.Rewrite(true, false);
    // A show once run has spent its rockets, and the music has stopped with this screen: the
    // next set win screen and the next visit here start both afresh.
    ResetFireworks(gameplay);
    gameplay.finalMusicStarted = false;
    GetSystem<SoundSystem>()->SetGroupVolume(SoundGroup::Music, MusicOn);
    GameplaySystem::OpenScreen(ScreenName::MainMenu);
}

void Ride(Camera& camera, const Transform& place) {
    const float x = place.translation.x;
    const float y = place.translation.y;
    if (x > ClimbFromX && x < ClimbUntilX) {
        camera.MovingCameraY = true;
        camera.MovingCameraX = false;
        camera.CameraScrollSpeed.y = RideSpeed;
    }
    if (y > CrossAtY) {
        camera.MovingCameraY = false;
        camera.MovingCameraX = true;
        camera.CameraScrollSpeed.x = RideSpeed;
    }
    if (x > DescendAtX) {
        camera.MovingCameraY = true;
        camera.MovingCameraX = false;
        camera.CameraScrollSpeed.y = -RideSpeed;
    }
    if (y < StopBelowY) {
        camera.MovingCameraY = false;
        camera.MovingCameraX = true;
        camera.CameraScrollSpeed.x = 0.0f;
    }
}

}  // namespace

void RunFinalScreen(GameplaySystem& gameplay, Space& screen) {
    if (!gameplay.finalMusicStarted) {
        StartMusic(gameplay, screen);
    }
    const auto window = GetSystem<Window>();
    if (window->AnyTriggered({GLFW_KEY_SPACE, GLFW_KEY_ENTER, GLFW_KEY_ESCAPE})) {
        Leave(gameplay);
        return;
    }
    GameObject* cameraObject = screen.FindObject(ObjectName::Camera);
    auto* camera = cameraObject != nullptr ? cameraObject->GetComponent<Camera>() : nullptr;
    const auto* place = cameraObject != nullptr ? cameraObject->GetComponent<Transform>() : nullptr;
    if (camera != nullptr && place != nullptr) {
        Ride(*camera, *place);
        if (place->translation.y > FireworksAboveY) {
            RunFireworks(gameplay, screen);
        }
    }
    if (window->IsTriggered(GLFW_KEY_R)) {
        // The restarted ride shows its fireworks again; the music plays on, on no group.
        ResetFireworks(gameplay);
        RestartLevel(screen);
    }
}
