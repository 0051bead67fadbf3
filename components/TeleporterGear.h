#pragma once

#include "Core/Component.h"

class GameObject;

// A gear that, when sending, takes the player over, shrinks it away and then tells the space
// that the teleport is done.
class TeleporterGear : public Component {
public:
    static constexpr ComponentType Type = ComponentType::TeleporterGear;

    // This teleporter takes and sends the player.
    bool Sander = false;
    // Seconds left of the teleport.
    float timer = 1.5f;
    // What timer returns to when a teleport ends.
    float resetTime = 0.0f;
    bool active = false;
    // The object that engaged the teleporter; not owned.
    GameObject* player = nullptr;
};
