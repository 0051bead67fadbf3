#include "systems/CameraBehaviour.h"

#include <cstddef>

#include <glm/vec3.hpp>

#include "Core/Engine.h"
#include "Core/FixedNames.h"
#include "Core/GameObject.h"
#include "Core/Space.h"
#include "components/Camera.h"
#include "components/InputController.h"
#include "components/MovingGearCollider.h"
#include "components/RigidBody.h"
#include "components/Transform.h"
#include "systems/GameplaySystem.h"
#include "systems/Graphics.h"

namespace {

constexpr float LeadFactor = 0.5f;
// How far, in its own scales, the player may drift past the left edge before it falls.
constexpr float DropOutScales = 1.5f;
constexpr float FallKick = 70.0f;
constexpr float FallOffStep = 0.06f;

// The player leaves every gear and falls through everything.
void Detach(InputController& controller, MovingGearCollider* collider, RigidBody* body) {
    controller.launched = true;
    controller.disabled = true;
    if (collider != nullptr) {
        collider->contacts.clear();
        collider->MovingGearColliderGhost = true;
    }
    if (body != nullptr) {
        body->attached = false;
    }
}

void FollowPlayer(Graphics& graphics, GameObject& player, GameObject* cameraObject,
                  GameObject* goal) {
    auto* camera = cameraObject != nullptr ? cameraObject->FindComponent<Camera>() : nullptr;
    auto* view = cameraObject != nullptr ? cameraObject->FindComponent<Transform>() : nullptr;
    auto* body = player.FindComponent<Transform>();
    if (camera == nullptr || view == nullptr || body == nullptr) {
        return;
    }
    glm::vec3& c = view->translation;
    const glm::vec3& p = body->translation;
    const float f = camera->CameraComponentFarPlane;
    const float h = Graphics::ViewHalfHeight * f;
    const glm::vec3& speed = camera->CameraScrollSpeed;
    float lead = LeadFactor * f;

    if (auto* target = goal != nullptr ? goal->FindComponent<Transform>() : nullptr) {
        const glm::vec3& g = target->translation;
        if (camera->MovingCameraX && speed.x > 0.0f) {
            if (c.x > g.x) {
                camera->MovingCameraX = false;
            }
            lead = 2.0f * lead;
            // The camera never trails the player.
            if (p.x + lead > c.x + f) {
                c.x = p.x + lead - f;
            }
            if (c.x - f > p.x + DropOutScales * body->scale.x) {
                camera->MovingCameraX = false;
                auto* controller = player.FindComponent<InputController>();
                auto* rigidBody = player.FindComponent<RigidBody>();
                Detach(*controller, player.FindComponent<MovingGearCollider>(), rigidBody);
                if (rigidBody != nullptr) {
                    rigidBody->velocity = glm::vec3(0.0f);
                    rigidBody->displacement = glm::vec3(0.0f);
                    rigidBody->acceleration.y += FallKick;
                    rigidBody->Gravity = true;
                }
            }
        }
        if (camera->MovingCameraX && speed.x < 0.0f) {
            if (g.x > c.x) {
                camera->MovingCameraX = false;
            }
            if (c.x - f > p.x) {
                c.x = f + p.x;
            }
        }
        if (camera->MovingCameraY && speed.y > 0.0f) {
            if (c.y > g.y) {
                camera->MovingCameraY = false;
            }
            if (lead + p.y > c.y + h) {
                c.y = lead + p.y - h;
            }
            if (c.y - h > p.y) {
                graphics.fallOff = true;
            }
        }
        if (camera->MovingCameraY && speed.y < 0.0f) {
            if (g.y > c.y) {
                camera->MovingCameraY = false;
            }
            if (c.y - h > p.y - lead) {
                c.y = p.y - lead + h;
            }
            if (p.y > h + c.y) {
                graphics.fallOff = true;
            }
        }
    }
    if (c.y - h > p.y) {
        graphics.fallOff = true;
    }
}

void FallOffSequence(Graphics& graphics) {
    Space* top = Engine::Instance().CurrentSpace();
    GameObject* player = top != nullptr ? top->FindObject(ObjectName::Player) : nullptr;
    if (!graphics.fallOff || graphics.fallOffTimer <= 0.0f || player == nullptr) {
        return;
    }
    auto* controller = player->GetComponent<InputController>();
    if (controller == nullptr) {
        return;
    }
    // The player keeps falling, untouchable, until the level restarts.
    Detach(*controller, player->FindComponent<MovingGearCollider>(),
           player->FindComponent<RigidBody>());
    graphics.fallOffTimer -= FallOffStep;
    if (graphics.fallOffTimer < 0.0f) {
        controller->disabled = false;
        player->space->loseRequest = true;
        graphics.fallOff = false;
        if (auto gameplay = TryGetSystem<GameplaySystem>()) {
            gameplay->blastPlayed = false;
        }
        graphics.fallOffTimer = Graphics::FallOffStart;
    }
}

}  // namespace

void RunCameraBehaviour(Graphics& graphics, Space& space) {
    Space* top = Engine::Instance().CurrentSpace();
    GameObject* goal = top != nullptr ? top->FindObject(ObjectName::Goal) : nullptr;
    GameObject* cameraObject = nullptr;
    for (const auto& object : space.objects) {
        if (object->HasComponent(ComponentType::Camera)) {
            cameraObject = object.get();
        }
    }
    const GameObject* levelCameraObject = space.FindObject(ObjectName::Camera);
    const auto* levelCamera =
        levelCameraObject != nullptr ? levelCameraObject->FindComponent<Camera>() : nullptr;
    for (std::size_t i = 0; i < space.objects.size(); ++i) {
        GameObject& object = *space.objects[i];
        // Nothing follows during the intro and win zooms.
        if (object.HasComponent(ComponentType::InputController) && levelCamera != nullptr &&
            levelCamera->CameraComponentFarPlane == graphics.levelCameraDistance) {
            FollowPlayer(graphics, object, cameraObject, goal);
        }
    }
    FallOffSequence(graphics);
}
