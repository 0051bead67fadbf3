#include "systems/screens/LastLevelCamera.h"

#include "Core/FixedNames.h"
#include "Core/GameObject.h"
#include "Core/Space.h"
#include "components/Camera.h"
#include "components/Transform.h"

namespace {

constexpr float TurnUpX = 340.0f;
constexpr float ClimbSpeed = 0.07f;

}  // namespace

void RunLastLevelCamera(Space& level) {
    GameObject* cameraObject = level.FindObject(ObjectName::Camera);
    auto* camera = cameraObject != nullptr ? cameraObject->GetComponent<Camera>() : nullptr;
    const auto* place = cameraObject != nullptr ? cameraObject->GetComponent<Transform>() : nullptr;
    if (camera == nullptr || place == nullptr) {
        return;
    }
    if (place->translation.x > TurnUpX) {
        camera->MovingCameraY = true;
        camera->MovingCameraX = false;
        camera->CameraScrollSpeed.y = ClimbSpeed;
    }
    GameObject* goal = level.FindObject(ObjectName::Goal);
    const auto* goalPlace = goal != nullptr ? goal->GetComponent<Transform>() : nullptr;
    if (goalPlace != nullptr && place->translation.y > goalPlace->translation.y) {
        camera->MovingCameraY = false;
    }
}
