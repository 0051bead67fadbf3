#include "components/RigidBody.h"

#include <cmath>

#include "Core/Engine.h"
#include "Core/FixedNames.h"
#include "Core/GameObject.h"
#include "components/MovingGearCollider.h"
#include "components/ParticleEmmiter.h"
#include "components/Transform.h"
#include "systems/GameplaySystem.h"
#include "systems/SoundSystem.h"
#include "systems/SoundTable.h"

namespace {
// Bigger bodies are damped harder and fall faster: both grow with the drawn size.
constexpr float DampingPerScale = 0.1f;
constexpr float GravityPerScale = 0.5f;
// Below this a horizontal acceleration or velocity is no motion at all.
constexpr float DeadZone = 0.08f;
// The player's gear rolls with its horizontal motion, and a little slower.
constexpr float RollPerDisplacement = -0.1f;
constexpr float RollFriction = 0.00005f;
// Off a gear turning forwards the player leaves at 60 degrees from its offset, else at 120.
constexpr float LaunchAngleForward = 1.04719758f;
constexpr float LaunchAngleBackward = 2.09439516f;
constexpr float LaunchFactorStill = 10.0f;
constexpr float LaunchFactorTurning = 450.0f;
constexpr float LaunchSpeedPerRotSpeed = 0.6f;
constexpr float BoostStrength = 150.0f;
constexpr float BoostSizeMinimum = 5.0f;
constexpr float BoostSizeMaximum = 8.0f;
constexpr const char* BoostSound = "Boosteffect.wav";

// o turned about z by the angle.
glm::vec3 Turned(const glm::vec3& o, float angle) {
    const float c = std::cos(angle);
    const float s = std::sin(angle);
    return {o.x * c - o.y * s, o.x * s + o.y * c, o.z};
}
}  // namespace

void RigidBody::Initialize() {
    transform = owner->GetComponent<Transform>();
    if (transform == nullptr) {
        return;
    }
    damping = transform->scale.x * DampingPerScale;
    gravityStep = transform->scale.x * GravityPerScale;
}

void RigidBody::OnUpdate(UpdateMessage*) {
    if (!VELMORA_ASSERT(transform != nullptr)) {
        return;
    }
    previousPosition = transform->translation;
    if (RotSpeed != 0.0f) {
        ApplyRotation();
    }
    if (attached) {
        transform->translation.x = previousPosition.x;
        transform->translation.y = previousPosition.y;
        return;
    }
    if (Gravity) {
        acceleration.y = acceleration.y - gravityStep;
    }
    acceleration = acceleration + damping * -acceleration;
    if (-DeadZone < acceleration.x && acceleration.x < DeadZone) {
        acceleration.x = 0.0f;
    }
    velocity = velocity + acceleration;
    if (-DeadZone < velocity.x && velocity.x < DeadZone) {
        velocity.x = 0.0f;
    }
    displacement = velocity * Speed;
    displacement = displacement + damping * -displacement;
    // The turn has already been applied above: a cap of 0 still lets the first step turn.
    if (RotSpeed > RotationVelocityCap) {
        RotSpeed = RotationVelocityCap;
    }
    if (-RotationVelocityCap > RotSpeed) {
        RotSpeed = -RotationVelocityCap;
    }
    if (displacement.x > VelocityCap) {
        displacement.x = VelocityCap;
    } else if (-VelocityCap > displacement.x) {
        displacement.x = -VelocityCap;
    }
    if (displacement.y > VelocityCap) {
        displacement.y = VelocityCap;
    } else if (-VelocityCap > displacement.y) {
        displacement.y = -VelocityCap;
    }
    transform->translation.x = previousPosition.x + displacement.x;
    transform->translation.y = previousPosition.y + displacement.y;
    if (owner->FindComponent<MovingGearCollider>() != nullptr) {
        RotSpeed = displacement.x * RollPerDisplacement;
        if (RotSpeed > 0.0f) {
            RotSpeed -= RollFriction;
        } else if (RotSpeed < 0.0f) {
            RotSpeed += RollFriction;
        }
    }
}

void RigidBody::ApplyRotation() {
    if (!VELMORA_ASSERT(transform != nullptr)) {
        return;
    }
    transform->rotation = transform->rotation + RotSpeed;
    if (!attached) {
        return;
    }
    const glm::vec3 offset = previousPosition - pivot;
    previousPosition = previousPosition - offset;
    const glm::vec3 turned = Turned(offset, RotSpeed);
    const float length = std::sqrt(turned.x * turned.x + turned.y * turned.y + turned.z * turned.z);
    // A body on its pivot has no direction to be carried in: it stays on the pivot.
    if (length == 0.0f) {
        return;
    }
    previousPosition = previousPosition + turned / length * orbitRadius;
}

void RigidBody::LaunchFromGear() {
    acceleration = glm::vec3(0.0f);
    displacement = glm::vec3(0.0f);
    const float angle = RotSpeed > 0.0f ? LaunchAngleForward : LaunchAngleBackward;
    const glm::vec3 position = transform != nullptr ? transform->translation : pivot;
    const glm::vec3 turned = Turned(position - pivot, angle);
    attached = false;
    if (RotSpeed == 0.0f) {
        velocity = turned * LaunchFactorStill;
    } else {
        velocity = turned * LaunchFactorTurning * (RotSpeed * LaunchSpeedPerRotSpeed);
    }
}

void RigidBody::OnBoost(BoostMessage* message) {
    if (owner->name != ObjectName::Player) {
        return;
    }
    Space* space = Engine::Instance().CurrentSpace();
    GameObject* player = space != nullptr ? space->FindObject(ObjectName::Player) : nullptr;
    if (player == nullptr) {
        return;
    }
    auto* body = player->GetComponent<RigidBody>();
    if (body == nullptr) {
        return;
    }
    if (auto* emitter = player->GetComponent<ParticleEmmiter>()) {
        emitter->SizeMinimum = BoostSizeMinimum;
        emitter->SizeMaximum = BoostSizeMaximum;
        emitter->UseDefaultColor = false;
    }
    body->displacement = glm::vec3(0.0f);
    body->velocity = glm::vec3(0.0f);
    body->acceleration = message->direction * BoostStrength;
    GetSystem<GameplaySystem>()->boostCount -= 1;
    GetSystem<SoundSystem>()->Play(SoundTable::Find(BoostSound), false, nullptr, false);
    message->stop = true;
}
