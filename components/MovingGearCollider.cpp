#include "components/MovingGearCollider.h"

#include "Core/GameObject.h"
#include "components/GearCollider.h"
#include "components/InputController.h"
#include "components/RigidBody.h"
#include "components/Transform.h"

void MovingGearCollider::Initialize() {
    transform = owner->GetComponent<Transform>();
    rigidBody = owner->GetComponent<RigidBody>();
    if (transform != nullptr) {
        MovingGearColliderCenter = transform->translation + MovingGearColliderOffset;
    }
}

void MovingGearCollider::OnUpdate(UpdateMessage* message) {
    UpdateActions(static_cast<float>(message->dt));
    if (!VELMORA_ASSERT(rigidBody != nullptr) || !VELMORA_ASSERT(transform != nullptr)) {
        return;
    }
    // Without a controller (reported) the player is never launched.
    auto* input = owner->GetComponent<InputController>();
    const bool launched = input != nullptr && input->launched;

    if (!contacts.empty() && !launched) {
        GameObject* carrier = contacts.front();
        rigidBody->attached = true;
        rigidBody->acceleration = glm::vec3(0.0f);
        if (const auto* carrierTransform = carrier->GetComponent<Transform>()) {
            rigidBody->pivot = carrierTransform->translation;
        }
        // A teleporter takes the player over: its own speed and radius stand.
        if (!teleporting) {
            if (const auto* carrierBody = carrier->GetComponent<RigidBody>()) {
                rigidBody->RotSpeed = carrierBody->RotSpeed;
            }
        }
        const auto* gear = carrier->FindComponent<GearCollider>();
        if (gear != nullptr && !teleporting) {
            rigidBody->orbitRadius = gear->GearColliderFullRadius + MovingGearColliderBellyRadius;
        }
    } else {
        rigidBody->pivot = transform->translation;
    }
    if (contacts.empty() && input != nullptr) {
        input->launched = false;
    }
    MovingGearColliderCenter = transform->translation + MovingGearColliderOffset;
    if (switchTimer > 0.0f) {
        switchTimer = switchTimer - static_cast<float>(message->dt);
    } else {
        switching = false;
    }
    if (!rigidBody->attached) {
        lastGear = nullptr;
    }
}

void MovingGearCollider::Detach() {
    if (rigidBody != nullptr) {
        rigidBody->attached = false;
    }
    if (auto* input = owner->GetComponent<InputController>()) {
        input->launched = true;
    }
    contacts.clear();
}
