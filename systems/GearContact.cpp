#include "systems/GearContact.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

#include <glm/geometric.hpp>

#include "Core/GameObject.h"
#include "components/GearCollider.h"
#include "components/InputController.h"
#include "components/MovingGearCollider.h"
#include "components/RigidBody.h"
#include "components/Transform.h"

namespace {
// Gears mesh when the squared distance of their centres is within this many times the sum of
// the squared tip radii.
constexpr float ReachFactor = 2.0f;
// Seconds after a switch before the player may switch again.
constexpr float SwitchPause = 0.2f;
constexpr float Half = 0.5f;
// Where the tooth searches start: any tooth nearer the point than this wins.
constexpr float SearchStart = 100.0f;

// The point nearest to `point` among N points on a circle of the radius around the centre, at
// the angles phase + i 2 pi / N + shift. The angles and their cosines and sines are taken in
// double precision, the points in single; ties keep the earlier point.
glm::vec3 NearestOnCircle(glm::vec3 point, glm::vec3 centre, float radius, float phase,
                          std::int32_t count, double shift) {
    glm::vec3 best(SearchStart, SearchStart, point.z);
    for (std::int32_t i = 0; i < count; ++i) {
        const double angle =
            static_cast<double>(phase) +
            static_cast<double>(i) * 2.0 * std::numbers::pi / static_cast<double>(count) + shift;
        const glm::vec3 candidate(centre.x + radius * static_cast<float>(std::cos(angle)),
                                  centre.y + radius * static_cast<float>(std::sin(angle)),
                                  centre.z);
        if (glm::length(point - best) > glm::length(point - candidate)) {
            best = candidate;
        }
    }
    return best;
}

// The contacts lose their first entry, or this gear when it is the only one.
void Prune(MovingGearCollider& collider, GameObject* gear) {
    auto& contacts = collider.contacts;
    if (contacts.size() == 1) {
        if (contacts.front() == gear) {
            contacts.clear();
        }
    } else if (contacts.size() >= 2) {
        contacts.erase(contacts.begin());
    }
}
}  // namespace

bool TestGearContact(GameObject* player, GameObject* gear) {
    auto* moving = player->GetComponent<MovingGearCollider>();
    auto* fixed = gear->GetComponent<GearCollider>();
    if (moving == nullptr || fixed == nullptr || !VELMORA_ASSERT(moving->transform != nullptr) ||
        !VELMORA_ASSERT(fixed->transform != nullptr) ||
        !VELMORA_ASSERT(moving->rigidBody != nullptr)) {
        return false;
    }
    const glm::vec3 d = moving->transform->translation - fixed->transform->translation;
    const float distanceSquared = d.x * d.x + d.y * d.y + d.z * d.z;
    const float gearRadius = fixed->GearColliderFullRadius;
    const float playerRadius = moving->MovingGearColliderFullRadius;
    if (distanceSquared > ReachFactor * (gearRadius * gearRadius + playerRadius * playerRadius)) {
        Prune(*moving, gear);
        return false;
    }

    auto* input = player->GetComponent<InputController>();
    const bool launched = input != nullptr && input->launched;
    auto& contacts = moving->contacts;
    if (launched && std::find(contacts.begin(), contacts.end(), gear) != contacts.end()) {
        return false;
    }
    if (!moving->rigidBody->attached) {
        return gear != moving->lastGear;
    }
    if (moving->switching || gear == moving->lastGear) {
        return false;
    }
    moving->lastGear = contacts.empty() ? nullptr : contacts.back();
    moving->switching = true;
    moving->switchTimer = SwitchPause;
    CollisionMessage collision;
    collision.other = player;
    gear->Notify(&Observer::OnCollision, &collision);
    return true;
}

void ResolveGearContact(GameObject* player, GameObject* gear) {
    auto* moving = player->GetComponent<MovingGearCollider>();
    auto* fixed = gear->GetComponent<GearCollider>();
    if (moving == nullptr || fixed == nullptr || !VELMORA_ASSERT(moving->transform != nullptr) ||
        !VELMORA_ASSERT(fixed->transform != nullptr)) {
        return;
    }
    const glm::vec3 p = moving->transform->translation;
    const glm::vec3 q = fixed->transform->translation;
    const glm::vec3 mid = p + (q - p) * Half;
    const glm::vec3 tip = NearestToothTip(player, mid);
    const glm::vec3 gap = NearestToothGap(gear, mid);
    moving->transform->translation = p + (gap - tip);
    AddGearContact(player, gear);
}

glm::vec3 NearestToothTip(GameObject* player, glm::vec3 point) {
    auto* moving = player->GetComponent<MovingGearCollider>();
    if (moving == nullptr || !VELMORA_ASSERT(moving->transform != nullptr)) {
        return {SearchStart, SearchStart, point.z};
    }
    return NearestOnCircle(point, moving->MovingGearColliderCenter,
                           moving->MovingGearColliderFullRadius, moving->transform->rotation,
                           moving->MovingGearColliderNumTeeth, 0.0);
}

glm::vec3 NearestToothGap(GameObject* gear, glm::vec3 point) {
    auto* fixed = gear->GetComponent<GearCollider>();
    if (fixed == nullptr || !VELMORA_ASSERT(fixed->transform != nullptr)) {
        return {SearchStart, SearchStart, point.z};
    }
    const std::int32_t teeth = fixed->GearColliderNumTeeth;
    // Half a tooth on from the tips: the middle of the gap.
    const double shift = teeth > 0 ? std::numbers::pi / static_cast<double>(teeth) : 0.0;
    return NearestOnCircle(point, fixed->GearColliderCenter, fixed->GearColliderBellyRadius,
                           fixed->transform->rotation, teeth, shift);
}

void AddGearContact(GameObject* player, GameObject* gear) {
    auto* moving = player->GetComponent<MovingGearCollider>();
    if (moving == nullptr) {
        return;
    }
    if (!moving->contacts.empty() && moving->contacts.back() == gear) {
        return;
    }
    moving->contacts.push_back(gear);
}
