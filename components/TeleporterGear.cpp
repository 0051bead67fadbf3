#include "components/TeleporterGear.h"

#include "Core/GameObject.h"
#include "Core/Space.h"
#include "components/GearCollider.h"
#include "components/InputController.h"
#include "components/MovingGearCollider.h"
#include "components/ParticleEmmiter.h"
#include "components/RigidBody.h"
#include "components/Transform.h"

void TeleporterGear::Initialize() {
    if (const auto* gear = owner->GetComponent<GearCollider>()) {
        timer = gear->GearColliderBellyRadius;
        resetTime = gear->GearColliderBellyRadius;
    }
}

void TeleporterGear::OnCollision(CollisionMessage* message) {
    player = message->other;
    if (Sander) {
        active = true;
    }
}

void TeleporterGear::OnUpdate(UpdateMessage* message) {
    const float dt = static_cast<float>(message->dt);
    UpdateActions(dt);
    if (!active || !VELMORA_ASSERT(player != nullptr)) {
        return;
    }
    // A player without one of these is a content error (reported by the lookup); the teleport
    // then goes on without the missing part instead of stopping the game.
    auto* transform = player->GetComponent<Transform>();
    auto* body = player->GetComponent<RigidBody>();
    auto* emitter = player->GetComponent<ParticleEmmiter>();
    if (auto* input = player->GetComponent<InputController>()) {
        input->disabled = true;
    }
    if (auto* collider = player->GetComponent<MovingGearCollider>()) {
        collider->teleporting = true;
        collider->MovingGearColliderGhost = true;
    }

    if (timer <= 0.0f) {
        timer = resetTime;
        active = false;
        return;
    }
    timer -= dt;
    // Once the x scale has gone below 0 the player stops shrinking, slightly inside out.
    if (transform != nullptr && transform->scale.x >= 0.0f) {
        transform->scale.x -= dt * ShrinkPerSecond;
        transform->scale.y -= dt * ShrinkPerSecond;
    }
    if (emitter != nullptr) {
        emitter->SizeMaximum -= dt * ParticleShrinkPerSecond;
        emitter->SizeMinimum -= dt * ParticleShrinkPerSecond;
    }
    if (body != nullptr) {
        body->orbitRadius -= dt * SpiralPerSecond;
        body->RotSpeed += dt * SpinPerSecond;
    }
    if (timer < DoneBelow && owner->space != nullptr) {
        Message done;
        // A handler may rebuild the space and this component with it: nothing of it is touched
        // after the broadcast.
        owner->space->Broadcast(&Observer::OnTeleportDone, &done);
    }
}
