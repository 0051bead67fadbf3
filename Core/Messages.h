#pragma once

#include <glm/vec3.hpp>

class GameObject;

// The records the six observer messages travel in. They are built on the sender's stack and
// passed by pointer; every record starts with the stop flag, which any handler may set to end
// delivery of that record to the observers after it.

// Camera arrived, level start and teleport done carry nothing but the stop flag.
struct Message {
    bool stop = false;
};

// From the gamepad's right stick to the player's rigid body; z is 0.
struct BoostMessage : Message {
    glm::vec3 direction{0.0f};
};

// To every component of the gear the player's gear switches onto; other is the player.
struct CollisionMessage : Message {
    GameObject* other = nullptr;
};

// The per-frame step, sent component by component by the physics and game-flow systems.
struct UpdateMessage : Message {
    double dt = 0.0;
};
