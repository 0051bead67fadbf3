#include "systems/screens/InfoScreens.h"

#include <GLFW/glfw3.h>

#include "Core/Engine.h"
#include "Core/FixedNames.h"
#include "Core/GameObject.h"
#include "Core/Space.h"
#include "components/Camera.h"
#include "components/Transform.h"
#include "systems/GameplaySystem.h"
#include "systems/Window.h"

namespace {

constexpr float CreditsEnd = -25.0f;

ScreenOutcome BackOnKey() {
    if (GetSystem<Window>()->AnyTriggered({GLFW_KEY_BACKSPACE, GLFW_KEY_ESCAPE})) {
        GameplaySystem::CloseScreen();
        return ScreenOutcome::End;
    }
    return ScreenOutcome::GoOn;
}

}  // namespace

ScreenOutcome RunHowToPlay(GameplaySystem& gameplay, Space& screen) {
    gameplay.ShowPicturePair(screen.FindObject(ObjectName::HowToPlayPicture));
    return BackOnKey();
}

ScreenOutcome RunCredits(GameplaySystem&, Space& screen) {
    if (GameObject* cameraObject = screen.FindObject(ObjectName::Camera)) {
        const auto* transform = cameraObject->GetComponent<Transform>();
        auto* camera = cameraObject->GetComponent<Camera>();
        if (transform != nullptr && camera != nullptr && transform->translation.y < CreditsEnd) {
            camera->MovingCameraY = false;
        }
    }
    return BackOnKey();
}
