#include "components/WinController.h"

#include "Core/Assert.h"
#include "Core/Easing.h"
#include "Core/Engine.h"
#include "Core/FixedNames.h"
#include "Core/GameObject.h"
#include "Core/Space.h"
#include "components/Camera.h"
#include "systems/GameplaySystem.h"
#include "systems/Graphics.h"
#include "systems/SoundSystem.h"
#include "systems/screens/SetWinScreens.h"

namespace {

void PlayCurrentMusic(SoundSystem& sound) {
    if (Space* current = Engine::Instance().CurrentSpace()) {
        sound.PlayBackgroundMusic(*current);
    }
}

}  // namespace

void WinController::OnCameraArrived(Message* message) {
    message->stop = true;
    // A goal that leads nowhere must neither spend an unlock nor open a nameless space.
    if (!VELMORA_ASSERT(!WinLevel.empty())) {
        return;
    }
    // A set's last level opens its win screen, which is no entry of the save: the win counts
    // as reaching the next set's first level, so that winning it again unlocks nothing more.
    const char* setLevel = LevelAfterSetWinScreen(WinLevel);
    const std::string entry = setLevel != nullptr ? setLevel : WinLevel;
    if (auto gameplay = TryGetSystem<GameplaySystem>();
        gameplay && !gameplay->save.IsUnlocked(entry)) {
        gameplay->save.Rewrite(false, false);
    }
    // Opening a screen already on the stack takes this controller's space off it, so nothing
    // of this object is read once the load has begun.
    const std::string next = WinLevel;
    const bool asLevel = LoadAsLevel;
    GameplaySystem::OpenScreen(next, asLevel);
    if (asLevel) {
        if (auto sound = TryGetSystem<SoundSystem>()) {
            PlayCurrentMusic(*sound);
        }
    }
}

void WinController::OnLevelStart(Message*) {
    auto sound = TryGetSystem<SoundSystem>();
    if (sound) {
        sound->StopGroup(SoundGroup::Effect);
        sound->StopGroup(SoundGroup::Player);
        sound->fadeIn = true;
    }
    GameObject* cameraObject =
        owner->space != nullptr ? owner->space->FindObject(ObjectName::Camera) : nullptr;
    if (auto* camera = cameraObject != nullptr ? cameraObject->GetComponent<Camera>() : nullptr) {
        // The camera starts scrolling again once the zoom is back at this distance.
        camera->scrolling = false;
        cameraDistance = camera->CameraComponentFarPlane;
        if (auto graphics = TryGetSystem<Graphics>()) {
            graphics->levelCameraDistance = cameraDistance;
        }
        camera->CameraComponentFarPlane = IntroDistance;
        camera->AddAction(Action(&camera->CameraComponentFarPlane, cameraDistance, IntroSeconds,
                                 Easing::InOutSine));
    }
    if (sound) {
        PlayCurrentMusic(*sound);
    }
}

void WinController::OnTeleportDone(Message*) {
    if (auto sound = TryGetSystem<SoundSystem>()) {
        sound->fadeOut = true;
    }
}

void WinController::OnCollision(CollisionMessage*) {
    if (auto sound = TryGetSystem<SoundSystem>()) {
        sound->PlayObject(owner, SoundGroup::Effect);
    }
}

void WinController::OnUpdate(UpdateMessage*) {
    if (!repeatStart) {
        return;
    }
    if (auto sound = TryGetSystem<SoundSystem>(); sound && sound->fadeOut) {
        return;
    }
    Message start;
    owner->Notify(&Observer::OnLevelStart, &start);
}
