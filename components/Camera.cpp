#include "components/Camera.h"

#include "Core/Engine.h"
#include "Core/GameObject.h"
#include "components/Transform.h"
#include "systems/Graphics.h"

Camera::~Camera() {
    // The graphics system must never follow a camera whose object is gone.
    if (auto graphics = TryGetSystem<Graphics>(); graphics && graphics->currentCamera == this) {
        graphics->currentCamera = nullptr;
    }
}

void Camera::Initialize() {
    if (auto* transform = owner->GetComponent<Transform>()) {
        position = transform->translation;
    }
    // Levels are also read where there is no engine running, by the tools for one.
    if (auto graphics = TryGetSystem<Graphics>()) {
        graphics->currentCamera = this;
    }
    if ((MovingCameraX && CameraScrollSpeed.x != 0.0f) ||
        (MovingCameraY && CameraScrollSpeed.y != 0.0f)) {
        scrolling = true;
    }
}
