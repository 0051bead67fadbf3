#pragma once

#include <glm/vec4.hpp>

#include "Core/Component.h"

// Pulses the transparency of a pickup's sprite: every two seconds a two-second fade, to dim
// and back to bright in turn. Only the alpha changes, so a tinted pickup keeps its tint.
class CollectibleGlow : public Component {
public:
    static constexpr ComponentType Type = ComponentType::CollectibleGlow;

    // Takes the address of the owner's sprite colour.
    void Initialize() override;
    void OnUpdate(UpdateMessage* message) override;

    // Seconds until the next pulse starts.
    float timer = 2.0f;
    // Length of one pulse, in seconds.
    float period = 2.0f;
    float glowAlpha = 0.75f;
    // The next pulse goes to glowAlpha rather than to the dim alpha.
    bool bright = false;
    // The owner's sprite colour; lives as long as the owner.
    glm::vec4* color = nullptr;
};
