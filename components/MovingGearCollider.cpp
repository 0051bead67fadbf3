#include "components/MovingGearCollider.h"

#include "Core/GameObject.h"
#include "components/RigidBody.h"
#include "components/Transform.h"

void MovingGearCollider::Initialize() {
    transform = owner->GetComponent<Transform>();
    rigidBody = owner->GetComponent<RigidBody>();
    if (transform != nullptr) {
        MovingGearColliderCenter = transform->translation + MovingGearColliderOffset;
    }
}
