#include "components/CollectibleGlow.h"

#include "Core/GameObject.h"
#include "components/Sprite.h"

void CollectibleGlow::Initialize() {
    if (auto* sprite = owner->GetComponent<Sprite>()) {
        color = &sprite->Color;
    }
}
