#include "systems/BoxContact.h"

#include <cmath>
#include <cstdint>

#include "Core/Engine.h"
#include "Core/FixedNames.h"
#include "Core/GameObject.h"
#include "components/BoxCollider.h"
#include "components/CollectibleGlow.h"
#include "components/CollectibleMove.h"
#include "components/InputController.h"
#include "components/MovingGearCollider.h"
#include "components/RigidBody.h"
#include "components/Sprite.h"
#include "components/Transform.h"
#include "systems/GameplaySystem.h"

namespace {
constexpr std::int32_t MaxBoosts = 3;
// The gauge takes pickups only once it has faded fully in.
constexpr float GaugeOpaque = 1.0f;
// Pushed out of a side, the gear stays this far clear so that the next test finds it apart.
constexpr float SideGap = 0.2f;
constexpr float GroundedBounce = -0.3f;
constexpr float AirDisplacementBounce = -0.5f;
constexpr float AirVelocityBounce = 0.3f;

void Fall(MovingGearCollider& collider) {
    collider.ground = nullptr;
    if (VELMORA_ASSERT(collider.rigidBody != nullptr)) {
        collider.rigidBody->grounded = false;
        collider.rigidBody->Gravity = true;
    }
}

void Pickup(GameObject* box) {
    Space* space = Engine::Instance().CurrentSpace();
    GameObject* gauge = space != nullptr ? space->FindObject(ObjectName::Gauge) : nullptr;
    if (gauge == nullptr) {
        return;
    }
    const auto* sprite = gauge->GetComponent<Sprite>();
    const auto gameplay = GetSystem<GameplaySystem>();
    if (sprite == nullptr || gameplay->boostCount >= MaxBoosts || sprite->Color.a != GaugeOpaque) {
        return;
    }
    if (box->FindComponent<CollectibleGlow>() == nullptr) {
        gameplay->boostCount += 1;
        box->alive = false;
    }
}
}  // namespace

bool TestBoxContact(GameObject* player, GameObject* box) {
    auto* moving = player->GetComponent<MovingGearCollider>();
    const auto* b = box->GetComponent<BoxCollider>();
    if (moving == nullptr || b == nullptr) {
        return false;
    }
    if (moving->ground == box) {
        return TestStillStanding(player, box);
    }
    const glm::vec3 c = moving->MovingGearColliderCenter;
    const float px = b->left > c.x ? b->left : (c.x > b->right ? b->right : c.x);
    const float py = b->bottom > c.y ? b->bottom : (c.y > b->top ? b->top : c.y);
    const float dy = py - c.y;
    const float dx = px - c.x;
    if (moving->MovingGearColliderFullRadius >= std::sqrt(dy * dy + dx * dx)) {
        return true;
    }

    if (moving->ground != nullptr && !moving->ground->alive) {
        Fall(*moving);
    }
    if (moving->leftWall == box || (moving->leftWall != nullptr && !moving->leftWall->alive)) {
        moving->leftWall = nullptr;
        return false;
    }
    if (moving->rightWall == box || (moving->rightWall != nullptr && !moving->rightWall->alive)) {
        moving->rightWall = nullptr;
    }
    return false;
}

bool TestStillStanding(GameObject* player, GameObject* box) {
    auto* moving = player->GetComponent<MovingGearCollider>();
    const auto* a = player->GetComponent<BoxCollider>();
    const auto* b = box->GetComponent<BoxCollider>();
    if (moving == nullptr || a == nullptr || b == nullptr) {
        return false;
    }
    if (a->bottom <= b->top && b->bottom <= a->bottom && b->left <= a->right &&
        a->left <= b->right) {
        return true;
    }
    Fall(*moving);
    return false;
}

void ResolveBoxContact(GameObject* player, GameObject* box) {
    auto* moving = player->GetComponent<MovingGearCollider>();
    const auto* b = box->GetComponent<BoxCollider>();
    if (moving == nullptr || b == nullptr) {
        return;
    }
    if (box->FindComponent<CollectibleMove>() != nullptr) {
        // A pickup has no physical response, collected or not.
        Pickup(box);
        return;
    }
    RigidBody* rb = moving->rigidBody;
    Transform* t = moving->transform;
    if (!VELMORA_ASSERT(rb != nullptr) || !VELMORA_ASSERT(t != nullptr)) {
        return;
    }
    const glm::vec3 c = moving->MovingGearColliderCenter;
    const float radius = moving->MovingGearColliderFullRadius;

    // Only a gear whose whole inner circle is above the top lands.
    if (c.y - moving->MovingGearColliderBellyRadius >= b->top) {
        moving->ground = box;
        rb->grounded = true;
        rb->Gravity = false;
        t->translation.y = b->top + radius;
        rb->displacement.y = 0.0f;
        rb->velocity.y = 0.0f;
        return;
    }

    if (b->bottom > c.y && rb->attached) {
        if (auto* input = player->GetComponent<InputController>()) {
            input->launched = true;
        }
        rb->LaunchFromGear();
        rb->attached = false;
        rb->pivot = t->translation;
    }
    if (c.x > b->right) {
        t->translation.x = (b->right + radius) + SideGap;
        moving->leftWall = box;
    } else if (b->left > c.x) {
        t->translation.x = (b->left - radius) - SideGap;
        moving->rightWall = box;
    }
    if (rb->grounded) {
        rb->displacement.x = rb->displacement.x * GroundedBounce;
        rb->displacement.y = 0.0f;
        rb->velocity.y = 0.0f;
        rb->velocity.x = rb->velocity.x * GroundedBounce;
    } else {
        rb->displacement.x = rb->displacement.x * AirDisplacementBounce;
        rb->displacement.y = rb->displacement.y * AirDisplacementBounce;
        rb->velocity = -rb->velocity * AirVelocityBounce;
    }
}
