#include "components/CollectibleMove.h"

#include "Core/Easing.h"
#include "Core/GameObject.h"
#include "components/RigidBody.h"
#include "components/Sprite.h"
#include "components/Transform.h"

namespace {

// Each bob, and the collection's rise, covers this height.
constexpr float BobHeight = 2.0f;
constexpr float FadeSeconds = 0.25f;

}  // namespace

void CollectibleMove::Initialize() {
    if (auto* transform = owner->GetComponent<Transform>()) {
        position = &transform->translation;
    }
}

void CollectibleMove::OnCollision(CollisionMessage*) {
    collected = true;
}

void CollectibleMove::OnUpdate(UpdateMessage* message) {
    timer = static_cast<float>(timer - message->dt);
    if (position == nullptr) {
        return;
    }
    if (collected) {
        if (riseTimer == riseDuration) {
            const glm::vec3 top = *position + glm::vec3(0.0f, BobHeight, 0.0f);
            AddAction(Action(position, top, riseDuration, Easing::OutQuad));
        }
        riseTimer = static_cast<float>(riseTimer - message->dt);
        if (riseTimer < 0.0f) {
            // NOTE: a new fade starts from the current colour every frame, so some sixteen run
            // at once; each finished one is dropped by the action pass.
            if (auto* body = owner->GetComponent<RigidBody>()) {
                body->Gravity = true;
            }
            if (auto* sprite = owner->GetComponent<Sprite>()) {
                glm::vec4 faded = sprite->Color;
                faded.a = 0.0f;
                AddAction(Action(&sprite->Color, faded, FadeSeconds, Easing::Linear));
            }
        }
        return;
    }
    if (timer < 0.0f) {
        const float height = up ? BobHeight : -BobHeight;
        AddAction(
            Action(position, *position + glm::vec3(0.0f, height, 0.0f), period, Easing::InOutQuad));
        timer = period;
        up = !up;
    }
}
