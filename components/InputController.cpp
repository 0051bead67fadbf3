#include "components/InputController.h"

#include <cstdlib>
#include <ctime>

#include <GLFW/glfw3.h>

#include "Core/Engine.h"
#include "Core/FixedNames.h"
#include "Core/GameObject.h"
#include "components/MovingGearCollider.h"
#include "components/RigidBody.h"
#include "components/SoundEmitter.h"
#include "components/Transform.h"
#include "systems/SoundSystem.h"
#include "systems/Window.h"

namespace {
constexpr float Steering = 1.0f;
// The goal key drops the player just above the goal.
constexpr float AboveGoal = 5.0f;
}  // namespace

std::optional<unsigned> InputController::seedOverride;

void InputController::Initialize() {
    std::srand(seedOverride ? *seedOverride : static_cast<unsigned>(std::time(nullptr)));
    autoPlay = false;
    rigidBody = owner->GetComponent<RigidBody>();
    launched = false;
    disabled = false;
    movingGear = owner->GetComponent<MovingGearCollider>();
}

void InputController::OnUpdate(UpdateMessage* message) {
    UpdateActions(static_cast<float>(message->dt));
    if (disabled) {
        return;
    }
    const auto window = GetSystem<Window>();
    if (window->IsTriggered(GLFW_KEY_O)) {
        autoPlay = !autoPlay;
    }
    if (window->IsTriggered(GLFW_KEY_P)) {
        MoveToGoal();
    }
    if (!VELMORA_ASSERT(rigidBody != nullptr)) {
        return;
    }
    if (autoPlay) {
        RandomInput();
    }

    if (rigidBody->attached) {
        if (window->IsTriggered(GLFW_KEY_SPACE) || window->IsTriggered(GLFW_KEY_ENTER)) {
            PlayJumpSound();
            LaunchOffGear();
        }
        return;
    }

    // A wall record blocks only the letter key, into which the window merges the stick.
    const bool rightWall = movingGear != nullptr && movingGear->rightWall != nullptr;
    if ((!rightWall && window->IsPressed(GLFW_KEY_D)) || window->IsPressed(GLFW_KEY_RIGHT)) {
        rigidBody->acceleration.x += Steering;
    }
    const bool leftWall = movingGear != nullptr && movingGear->leftWall != nullptr;
    if ((!leftWall && window->IsPressed(GLFW_KEY_A)) || window->IsPressed(GLFW_KEY_LEFT)) {
        rigidBody->acceleration.x -= Steering;
    }
    if (rigidBody->grounded) {
        if (window->IsTriggered(GLFW_KEY_ENTER) || window->IsTriggered(GLFW_KEY_SPACE)) {
            PlayJumpSound();
            JumpFromBox();
        }
    }
}

void InputController::RandomInput() {
    if (!VELMORA_ASSERT(rigidBody != nullptr)) {
        return;
    }
    const int r = std::rand() % 100;
    if (rigidBody->attached) {
        if (r == 3 || r == 4) {
            LaunchOffGear();
        }
        return;
    }
    if ((10 < r && r < 30) || (93 <= r && r <= 99)) {
        rigidBody->acceleration.x += Steering;
    }
    if ((30 < r && r < 40) || r == 88 || r == 89) {
        rigidBody->acceleration.x -= Steering;
    }
    if (rigidBody->grounded && 81 <= r && r <= 99) {
        JumpFromBox();
    }
}

void InputController::LaunchOffGear() {
    launched = true;
    rigidBody->LaunchFromGear();
    rigidBody->attached = false;
    if (rigidBody->transform != nullptr) {
        rigidBody->pivot = rigidBody->transform->translation;
    }
}

void InputController::JumpFromBox() {
    rigidBody->Gravity = true;
    rigidBody->grounded = false;
    rigidBody->acceleration.y += rigidBody->JumpHeight;
}

void InputController::MoveToGoal() {
    Space* space = Engine::Instance().CurrentSpace();
    if (space == nullptr) {
        return;
    }
    GameObject* goal = space->FindObject(ObjectName::Goal);
    GameObject* camera = space->FindObject(ObjectName::Camera);
    if (goal == nullptr || camera == nullptr) {
        return;
    }
    const auto* goalTransform = goal->GetComponent<Transform>();
    auto* cameraTransform = camera->GetComponent<Transform>();
    auto* playerTransform = owner->GetComponent<Transform>();
    if (goalTransform == nullptr || cameraTransform == nullptr || playerTransform == nullptr) {
        return;
    }
    if (VELMORA_ASSERT(movingGear != nullptr)) {
        movingGear->Detach();
    }
    cameraTransform->translation.x = goalTransform->translation.x;
    cameraTransform->translation.y = goalTransform->translation.y;
    playerTransform->translation.x = goalTransform->translation.x;
    playerTransform->translation.y = goalTransform->translation.y + AboveGoal;
}

void InputController::PlayJumpSound() {
    if (auto* emitter = owner->GetComponent<SoundEmitter>()) {
        GetSystem<SoundSystem>()->PlayOnGroup(*emitter, false, SoundGroup::Player);
    }
}
