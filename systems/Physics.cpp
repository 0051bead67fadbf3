#include "systems/Physics.h"

#include <cstddef>

#include "Core/Engine.h"
#include "Core/Space.h"
#include "components/BoxCollider.h"
#include "components/GearCollider.h"
#include "components/InputController.h"
#include "components/MovingGearCollider.h"
#include "components/RigidBody.h"
#include "components/Transform.h"
#include "systems/BoxContact.h"
#include "systems/GearContact.h"

namespace {
// The contact pass looks only this many player radii around the player.
constexpr float NeighbourhoodRadii = 20.0f;

// Where the pass stands: the object being worked on, known by its serial id, which a rebuilt
// object list never gives again.
class PassGuard {
public:
    explicit PassGuard(Space* space) : space(space), current(Engine::Instance().CurrentSpace()) {}

    // Whether the object at the index is still the one with that id, in a space that is still
    // the one being shown.
    bool Holds(std::size_t index, std::uint32_t id) const {
        return Engine::Instance().CurrentSpace() == current && index < space->objects.size() &&
               space->objects[index]->id == id;
    }

private:
    Space* space;
    Space* current;
};

template <typename T>
void Step(GameObject& object, UpdateMessage* message) {
    if (T* component = object.FindComponent<T>()) {
        component->OnUpdate(message);
    }
}
}  // namespace

Physics::Physics() : System(TypeId, "PhysicsSystem", MaskBit) {}

void Physics::Initialize() {}

void Physics::Update(float dt, Space* space) {
    if (space == nullptr) {
        return;
    }
    UpdateMessage message;
    message.dt = static_cast<double>(dt);
    const PassGuard guard(space);

    // Every step is followed by a check: a handler may have rebuilt or left this space.
    for (std::size_t i = 0; i < space->objects.size(); ++i) {
        GameObject& object = *space->objects[i];
        const std::uint32_t id = object.id;
        Step<InputController>(object, &message);
        if (!guard.Holds(i, id)) {
            return;
        }
        Step<RigidBody>(object, &message);
        if (!guard.Holds(i, id)) {
            return;
        }
        Step<GearCollider>(object, &message);
        if (!guard.Holds(i, id)) {
            return;
        }
        Step<MovingGearCollider>(object, &message);
        if (!guard.Holds(i, id)) {
            return;
        }
        Step<BoxCollider>(object, &message);
        if (!guard.Holds(i, id)) {
            return;
        }
    }

    for (std::size_t a = 0; a < space->objects.size(); ++a) {
        GameObject* player = space->objects[a].get();
        const std::uint32_t playerId = player->id;
        const auto* collider = player->FindComponent<MovingGearCollider>();
        if (collider == nullptr || collider->MovingGearColliderGhost) {
            continue;
        }
        const auto* playerTransform = player->GetComponent<Transform>();
        if (playerTransform == nullptr) {
            continue;
        }
        const float reach = collider->MovingGearColliderFullRadius * NeighbourhoodRadii;
        for (std::size_t b = 0; b < space->objects.size(); ++b) {
            GameObject* other = space->objects[b].get();
            const std::uint32_t otherId = other->id;
            const auto* otherTransform = other->FindComponent<Transform>();
            if (!other->alive || otherTransform == nullptr) {
                continue;
            }
            const glm::vec3 d = otherTransform->translation - playerTransform->translation;
            if (d.x * d.x + d.y * d.y + d.z * d.z > reach * reach) {
                continue;
            }
            if (other->FindComponent<GearCollider>() != nullptr) {
                // The test sends OnCollision, whose handlers may load a level.
                const bool touching = TestGearContact(player, other);
                if (!guard.Holds(a, playerId) || !guard.Holds(b, otherId)) {
                    return;
                }
                if (touching) {
                    ResolveGearContact(player, other);
                }
            } else if (other->FindComponent<BoxCollider>() != nullptr &&
                       other->FindComponent<MovingGearCollider>() == nullptr) {
                if (TestBoxContact(player, other)) {
                    ResolveBoxContact(player, other);
                }
            }
        }
    }
}

void Physics::Shutdown() {}
