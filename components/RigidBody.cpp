#include "components/RigidBody.h"

#include "Core/GameObject.h"
#include "components/Transform.h"

namespace {
// Bigger bodies are damped harder and fall faster: both grow with the drawn size.
constexpr float DampingPerScale = 0.1f;
constexpr float GravityPerScale = 0.5f;
}  // namespace

void RigidBody::Initialize() {
    transform = owner->GetComponent<Transform>();
    if (transform == nullptr) {
        return;
    }
    damping = transform->scale.x * DampingPerScale;
    gravityStep = transform->scale.x * GravityPerScale;
}
