#include "components/PlayerArrow.h"

#include <algorithm>

#include "Core/FixedNames.h"
#include "Core/GameObject.h"
#include "Core/Space.h"
#include "components/Camera.h"
#include "components/InputController.h"
#include "components/Sprite.h"
#include "components/Transform.h"
#include "systems/Graphics.h"

void PlayerArrow::OnUpdate(UpdateMessage*) {
    if (owner->space == nullptr) {
        return;
    }
    const GameObject* player = owner->space->FindObject(ObjectName::Player);
    const GameObject* cameraObject = owner->space->FindObject(ObjectName::Camera);
    if (player == nullptr || cameraObject == nullptr) {
        return;
    }
    const auto* playerPlace = player->GetComponent<Transform>();
    const auto* input = player->GetComponent<InputController>();
    const auto* cameraPlace = cameraObject->GetComponent<Transform>();
    const auto* camera = cameraObject->GetComponent<Camera>();
    auto* marker = owner->GetComponent<Transform>();
    auto* sprite = owner->GetComponent<Sprite>();
    if (playerPlace == nullptr || input == nullptr || cameraPlace == nullptr || camera == nullptr ||
        marker == nullptr || sprite == nullptr) {
        return;
    }

    const float halfHeight = camera->CameraComponentFarPlane * Graphics::ViewHalfHeight;
    const glm::vec3& p = playerPlace->translation;
    const glm::vec3& pScale = playerPlace->scale;
    marker->translation.x = p.x;
    marker->translation.y = cameraPlace->translation.y + halfHeight - marker->scale.y * 0.5f;

    // The view's top edge, raised so that the whole player has left the view.
    const float top = cameraPlace->translation.y + halfHeight + pScale.y * 1.5f;
    const float distance = p.y - pScale.y - top;
    if (p.y > top && !input->disabled && p.y < ParkedAbove) {
        sprite->Visible = true;
        const float s =
            std::clamp(1.0f - (distance / halfHeight) * ShrinkPerHalfHeight, MinimumScale, 1.0f);
        marker->scale.x = pScale.x * s;
        marker->scale.y = pScale.y * s;
    } else {
        marker->scale = pScale;
        sprite->Visible = false;
    }
}
