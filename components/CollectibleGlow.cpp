#include "components/CollectibleGlow.h"

#include "Core/Easing.h"
#include "Core/GameObject.h"
#include "components/Sprite.h"

namespace {

constexpr float DimAlpha = 0.25f;

}  // namespace

void CollectibleGlow::Initialize() {
    if (auto* sprite = owner->GetComponent<Sprite>()) {
        color = &sprite->Color;
    }
}

void CollectibleGlow::OnUpdate(UpdateMessage* message) {
    timer = static_cast<float>(timer - message->dt);
    if (timer >= 0.0f || color == nullptr) {
        return;
    }
    glm::vec4 target = *color;
    target.a = bright ? glowAlpha : DimAlpha;
    AddAction(Action(color, target, period, Easing::InOutQuad));
    timer = period;
    bright = !bright;
}
