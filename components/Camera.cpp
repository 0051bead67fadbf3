#include "components/Camera.h"

#include "Core/Easing.h"
#include "Core/Engine.h"
#include "Core/FixedNames.h"
#include "Core/GameObject.h"
#include "Core/Space.h"
#include "components/Transform.h"
#include "components/WinController.h"
#include "systems/Graphics.h"

namespace {
constexpr float GlideSeconds = 1.0f;
constexpr float ZoomSeconds = 3.0f;
}  // namespace

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

void Camera::Update() {
    auto* transform = owner->FindComponent<Transform>();
    if (transform != nullptr) {
        position = transform->translation;
    }
    GameObject* goal =
        owner->space != nullptr ? owner->space->FindObject(ObjectName::Goal) : nullptr;
    if (CameraComponentFarPlane == ArrivedDistance) {
        // Sent every frame while the zoom stays there; the win controller acts on the first.
        if (VELMORA_ASSERT(goal != nullptr)) {
            if (auto* win = goal->GetComponent<WinController>()) {
                Message arrived;
                win->OnCameraArrived(&arrived);
            }
        }
        return;
    }
    if (goal != nullptr && !scrolling) {
        // The intro zoom is over once the camera is back at the distance the goal recorded.
        if (auto* win = goal->FindComponent<WinController>();
            win != nullptr && CameraComponentFarPlane == win->cameraDistance) {
            scrolling = true;
        }
    }
    if (scrolling && transform != nullptr) {
        if (MovingCameraX) {
            transform->translation.x += CameraScrollSpeed.x;
        }
        if (MovingCameraY) {
            transform->translation.y += CameraScrollSpeed.y;
        }
    }
}

void Camera::OnTeleportDone(Message* message) {
    MovingCameraX = false;
    MovingCameraY = false;
    auto* transform = owner->GetComponent<Transform>();
    GameObject* goal =
        owner->space != nullptr ? owner->space->FindObject(ObjectName::Goal) : nullptr;
    if (VELMORA_ASSERT(goal != nullptr) && transform != nullptr) {
        if (auto* target = goal->GetComponent<Transform>()) {
            AddAction(Action(&transform->translation, target->translation, GlideSeconds,
                             Easing::InOutQuad));
        }
    }
    AddAction(Action(&CameraComponentFarPlane, ArrivedDistance, ZoomSeconds, Easing::InOutQuad));
    message->stop = true;
}
