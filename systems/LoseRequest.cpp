#include "systems/LoseRequest.h"

#include "Core/Engine.h"
#include "Core/FixedNames.h"
#include "Core/GameObject.h"
#include "Core/Space.h"
#include "components/MovingGearCollider.h"
#include "components/Transform.h"
#include "systems/GameplaySystem.h"
#include "systems/SoundSystem.h"

void HandleLoseRequest(GameplaySystem& gameplay, Space& space) {
    if (!gameplay.loseSequenceStarted) {
        gameplay.loseSequenceStarted = true;
        gameplay.loseCountdown = GameplaySystem::LoseCountdownStart;
        if (GameObject* player = space.FindObject(ObjectName::Player)) {
            if (auto* transform = player->GetComponent<Transform>()) {
                transform->translation.y += GameplaySystem::LostPlayerLift;
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
