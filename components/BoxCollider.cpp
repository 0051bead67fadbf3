#include "components/BoxCollider.h"

#include "Core/GameObject.h"
#include "components/RigidBody.h"
#include "components/Transform.h"

void BoxCollider::Initialize() {
    transform = owner->GetComponent<Transform>();
    halfWidth = BoxColliderSize.x;
    halfHeight = BoxColliderSize.y;
    if (transform != nullptr) {
        BoxColliderCenter = transform->translation + BoxColliderOffset;
        bottom = BoxColliderCenter.y - halfHeight;
        top = BoxColliderCenter.y + halfHeight;
        left = BoxColliderCenter.x - halfWidth;
        right = BoxColliderCenter.x + halfWidth;
    }
    rigidBody = owner->GetComponent<RigidBody>();
}

void BoxCollider::OnUpdate(UpdateMessage* message) {
    UpdateActions(static_cast<float>(message->dt));
    if (transform == nullptr) {
        return;
    }
    BoxColliderCenter = transform->translation + BoxColliderOffset;
    bottom = BoxColliderCenter.y - halfHeight;
    top = BoxColliderCenter.y + halfHeight;
    left = BoxColliderCenter.x - halfWidth;
    right = BoxColliderCenter.x + halfWidth;
}
