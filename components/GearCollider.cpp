#include "components/GearCollider.h"

#include "Core/Engine.h"
#include "Core/GameObject.h"
#include "audio/Channel.h"
#include "components/RigidBody.h"
#include "components/SoundEmitter.h"
#include "components/TeleporterGear.h"
#include "components/Transform.h"
#include "systems/SoundSystem.h"

namespace {
constexpr const char* StickSoundObject = "StickGearSound";
constexpr float StickSoundVolume = 0.3f;
}  // namespace

void GearCollider::Initialize() {
    transform = owner->GetComponent<Transform>();
    rigidBody = owner->GetComponent<RigidBody>();
    if (transform != nullptr) {
        GearColliderCenter = transform->translation + GearColliderOffset;
    }
}

void GearCollider::OnCollision(CollisionMessage*) {
    if (owner->FindComponent<TeleporterGear>() != nullptr) {
        return;
    }
    // A level without the sound object simply makes no sound.
    Space* space = Engine::Instance().CurrentSpace();
    GameObject* soundObject = space != nullptr ? space->FindObject(StickSoundObject) : nullptr;
    auto* emitter = soundObject != nullptr ? soundObject->FindComponent<SoundEmitter>() : nullptr;
    if (emitter == nullptr) {
        return;
    }
    if (audio::Channel* channel =
            GetSystem<SoundSystem>()->PlayOnGroup(*emitter, false, SoundGroup::Effect)) {
        channel->SetVolume(StickSoundVolume);
    }
}

void GearCollider::OnUpdate(UpdateMessage* message) {
    UpdateActions(static_cast<float>(message->dt));
}
