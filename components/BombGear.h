#pragma once

#include <glm/vec4.hpp>

#include "Core/Component.h"

class GameObject;

// A gear that, once the player switches onto it, counts down, flashes and blows up breakable
// bodies around it.
class BombGear : public Component {
public:
    static constexpr ComponentType Type = ComponentType::BombGear;

    // The sprite currently shows flashColor.
    bool flashOn = false;
    // Countdown to the next colour flip.
    float flashTimer = 0.0f;
    glm::vec4 flashColor{1.0f, 0.0f, 0.0f, 1.0f};
    glm::vec4 baseColor{1.0f, 1.0f, 1.0f, 1.0f};
    // Seconds left.
    float TimeToExplode = 2.0f;
    // Stored only.
    bool Alive = true;
    // The blast has just knocked the player off this gear.
    bool launchBoost = false;
    // The countdown runs.
    bool BombActive = false;
    // Stored only.
    float MyTime = 0.0f;
    // The player that armed the bomb; not owned.
    GameObject* victim = nullptr;
};
