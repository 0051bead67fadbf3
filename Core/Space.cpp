#include "Core/Space.h"

#include "Core/Engine.h"
#include "Core/LevelReader.h"
#include "components/MovingGearCollider.h"
#include "components/Transform.h"
#include "systems/GameplaySystem.h"
#include "systems/SoundSystem.h"

namespace {
// Far enough above any level that the player is out of every contact and out of view.
constexpr float LostPlayerLift = 100000.0f;
constexpr float LoseCountdownStart = 2.0f;
}  // namespace

Space::Space(std::int32_t loadMode, std::string name, std::string levelPath)
    : name(std::move(name)), levelPath(std::move(levelPath)), loadMode(loadMode) {
    LevelReader::Build(*this);
}

Space::~Space() {
    ClearObjects();
}

GameObject* Space::CreateObject(std::string objectName) {
    objects.push_back(std::make_unique<GameObject>(this, std::move(objectName)));
    return objects.back().get();
}

void Space::IndexObject(GameObject* object) {
    objectsByName.emplace(object->name, object);
}

GameObject* Space::FindObject(const std::string& objectName) const {
    const auto found = objectsByName.find(objectName);
    return found == objectsByName.end() ? nullptr : found->second;
}

void Space::Update() {
    loseRequest = false;
    // By index, re-reading the sizes: a system may rebuild the objects under this loop.
    for (std::size_t i = 0; i < systems.size(); ++i) {
        const std::shared_ptr<System> system = systems[i];
        if ((system->Mask() & systemMask) != 0) {
            system->Update(FixedStep, this);
        }
    }
    for (std::size_t i = 0; i < objects.size(); ++i) {
        for (std::size_t j = 0; j < objects[i]->components.size(); ++j) {
            objects[i]->components[j]->UpdateActions(FixedStep);
        }
    }
    if (loseRequest) {
        HandleLoseRequest();
    }
}

void Space::HandleLoseRequest() {
    const auto gameplay = GetSystem<GameplaySystem>();
    if (!gameplay->loseSequenceStarted) {
        gameplay->loseSequenceStarted = true;
        gameplay->loseCountdown = LoseCountdownStart;
        if (GameObject* player = FindObject("velmo")) {
            if (auto* transform = player->GetComponent<Transform>()) {
                transform->translation.y += LostPlayerLift;
            }
            if (auto* collider = player->GetComponent<MovingGearCollider>()) {
                collider->MovingGearColliderGhost = false;
            }
        }
    }
    if (!gameplay->musicMuted) {
        GetSystem<SoundSystem>()->MuteMusic(false);
    }
}

void Space::ClearObjects() {
    while (!objects.empty()) {
        objects.pop_back();
    }
    objectsByName.clear();
}
