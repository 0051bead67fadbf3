#include "systems/LoseRequest.h"

#include "Core/Engine.h"
#include "Core/FixedNames.h"
#include "Core/GameObject.h"
#include "Core/Space.h"
#include "components/MovingGearCollider.h"
#include "components/Transform.h"
#include "systems/GameplaySystem.h"
#include "systems/SoundSystem.h"

namespace {
// Far enough above any level that the player is out of every contact and out of view.
constexpr float LostPlayerLift = 100000.0f;
constexpr float LoseCountdownStart = 2.0f;
}  // namespace

void HandleLoseRequest(GameplaySystem& gameplay, Space& space) {
    if (!gameplay.loseSequenceStarted) {
        gameplay.loseSequenceStarted = true;
        gameplay.loseCountdown = LoseCountdownStart;
        if (GameObject* player = space.FindObject(ObjectName::Player)) {
            if (auto* transform = player->GetComponent<Transform>()) {
                transform->translation.y += LostPlayerLift;
            }
            if (auto* collider = player->GetComponent<MovingGearCollider>()) {
                collider->MovingGearColliderGhost = false;
            }
        }
    }
    if (!gameplay.musicMuted) {
        GetSystem<SoundSystem>()->MuteMusic(false);
    }
}
