#include "components/CollectibleMove.h"

#include "Core/GameObject.h"
#include "components/Transform.h"

void CollectibleMove::Initialize() {
    if (auto* transform = owner->GetComponent<Transform>()) {
        position = &transform->translation;
    }
}
