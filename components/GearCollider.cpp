#include "components/GearCollider.h"

#include "Core/GameObject.h"
#include "components/RigidBody.h"
#include "components/Transform.h"

void GearCollider::Initialize() {
    transform = owner->GetComponent<Transform>();
    rigidBody = owner->GetComponent<RigidBody>();
    if (transform != nullptr) {
        GearColliderCenter = transform->translation + GearColliderOffset;
    }
}
