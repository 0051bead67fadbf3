#include "components/MoveComponent.h"

#include "Core/GameObject.h"
#include "components/Transform.h"

void MoveComponent::OnUpdate(UpdateMessage* message) {
    if (DestPosition.empty()) {
        return;
    }
    MoveTimer -= static_cast<float>(message->dt);
    if (MoveTimer >= 0.0f) {
        return;
    }
    auto* transform = owner->GetComponent<Transform>();
    if (transform == nullptr) {
        return;
    }
    MoveTimer = MoveDuration;
    nextIndex %= static_cast<std::uint32_t>(DestPosition.size());
    AddAction(Action(&transform->translation, DestPosition[nextIndex], MoveDuration,
                     MoveEase != nullptr ? MoveEase : Easing::Linear));
    nextIndex += 1;
}
