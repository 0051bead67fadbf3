#include "components/BombGear.h"

#include <cstdio>
#include <string>

#include <glm/geometric.hpp>

#include "Core/Engine.h"
#include "Core/FixedNames.h"
#include "Core/GameObject.h"
#include "Core/Space.h"
#include "components/InputController.h"
#include "components/MovingGearCollider.h"
#include "components/ParticleEmmiter.h"
#include "components/RigidBody.h"
#include "components/SoundEmitter.h"
#include "components/Sprite.h"
#include "components/SpriteText.h"
#include "components/Transform.h"
#include "systems/SoundSystem.h"

namespace {

// The countdown shows as "1.50": the number's first four characters.
constexpr std::int32_t CountdownCharacters = 4;
// Taken off the flash timer every frame, whatever the frame's length: the flashes quicken as
// the time left shrinks.
constexpr float FlashTimerStep = 0.1f;
// The push is the player's offset from the bomb times this, and three times more for a player
// the blast throws off the bomb itself.
constexpr float PushPerOffset = 4.0f;
constexpr float ThrowOffFactor = 3.0f;
// Boxes break this many blast radii around the bomb.
constexpr float BoxBreakRadii = 1.5f;

void PlayOnce(GameObject* object) {
    if (const auto sound = TryGetSystem<SoundSystem>(); sound && object != nullptr) {
        if (auto* emitter = object->FindComponent<SoundEmitter>()) {
            sound->PlayOnGroup(*emitter, false, SoundGroup::Effect);
        }
    }
}

}  // namespace

void BombGear::OnCollision(CollisionMessage* message) {
    BombActive = true;
    victim = message->other;
}

void BombGear::OnUpdate(UpdateMessage* message) {
    const float dt = static_cast<float>(message->dt);
    if (auto* text = owner->FindComponent<SpriteText>()) {
        text->characterLimit = CountdownCharacters;
        if (TimeToExplode > 0.0f) {
            char shown[64];
            std::snprintf(shown, sizeof(shown), "%f", static_cast<double>(TimeToExplode));
            text->Text = shown;
        } else {
            text->Text.clear();
        }
    }
    if (!BombActive) {
        return;
    }
    TimeToExplode -= dt;
    Flash();
    if (TimeToExplode <= 0.0f) {
        Explode();
    }
}

void BombGear::Flash() {
    auto* sprite = owner->GetComponent<Sprite>();
    if (sprite != nullptr) {
        // A flip waits for the timer to be exactly zero, which it is one frame after it ran
        // below zero: the next flip comes about TimeToExplode / 0.1 frames later.
        if (sprite->Color == baseColor && !flashOn && flashTimer == 0.0f) {
            sprite->Color = flashColor;
            flashTimer = TimeToExplode;
            flashOn = true;
            PlayOnce(owner);
        } else if (sprite->Color == flashColor && flashOn && flashTimer == 0.0f) {
            sprite->Color = baseColor;
            flashTimer = TimeToExplode;
            flashOn = false;
        }
    }
    flashTimer = flashTimer > 0.0f ? flashTimer - FlashTimerStep : 0.0f;
}

void BombGear::Explode() {
    // Without a "boomSound" in the level the bomb explodes silently.
    Space* space = Engine::Instance().CurrentSpace();
    PlayOnce(space != nullptr ? space->FindObject(ObjectName::BoomSound) : nullptr);

    auto* emitter = owner->GetComponent<ParticleEmmiter>();
    if (emitter != nullptr) {
        emitter->BurstMode = true;
    }
    if (auto* sprite = owner->GetComponent<Sprite>()) {
        sprite->Visible = false;
    }
    if (emitter != nullptr) {
        ThrowOffAndPush(emitter);
        DestroyBoxesAround(emitter);
    }
    owner->alive = false;
    BombActive = false;
}

void BombGear::ThrowOffAndPush(const ParticleEmmiter* emitter) {
    if (victim == nullptr) {
        return;
    }
    auto* collider = victim->GetComponent<MovingGearCollider>();
    auto* body = victim->GetComponent<RigidBody>();
    const auto* bomb = owner->GetComponent<Transform>();
    if (collider == nullptr || body == nullptr || bomb == nullptr) {
        return;
    }
    if (!collider->contacts.empty() && collider->contacts.back() == owner) {
        body->attached = false;
        if (auto* input = victim->GetComponent<InputController>()) {
            input->launched = true;
        }
        collider->contacts.clear();
        body->velocity = glm::vec3(0.0f);
        body->acceleration = glm::vec3(0.0f);
        body->displacement = glm::vec3(0.0f);
        launchBoost = true;
    }
    if (collider->transform == nullptr) {
        return;
    }
    glm::vec3 push = collider->transform->translation - bomb->translation;
    const float r = emitter->EmitRadius;
    if (glm::dot(push, push) <= r * r) {
        if (launchBoost) {
            push *= ThrowOffFactor;
            launchBoost = false;
        }
        body->acceleration += push * PushPerOffset;
    }
}

void BombGear::DestroyBoxesAround(const ParticleEmmiter* emitter) {
    Space* space = Engine::Instance().CurrentSpace();
    const auto* bomb = owner->FindComponent<Transform>();
    if (space == nullptr || bomb == nullptr || emitter == nullptr) {
        return;
    }
    const float reach = emitter->EmitRadius * BoxBreakRadii;
    for (const auto& object : space->objects) {
        const auto* body = object->FindComponent<RigidBody>();
        const auto* place = object->FindComponent<Transform>();
        if (body == nullptr || place == nullptr || body->BodyTypeNum != RigidBody::BreakableBody) {
            continue;
        }
        const glm::vec3 offset = place->translation - bomb->translation;
        if (glm::dot(offset, offset) <= reach * reach) {
            object->alive = false;
        }
    }
}
