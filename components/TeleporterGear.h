#pragma once

#include "Core/Component.h"

class GameObject;

// A gear that, when sending, takes the player over, shrinks it away and then tells the space
// that the teleport is done. The game-flow system steps it every update.
class TeleporterGear : public Component {
public:
    static constexpr ComponentType Type = ComponentType::TeleporterGear;

    // How much of the player is lost per second of the teleport: scale, particle size, orbit
    // radius; and the spin it gains.
    static constexpr float ShrinkPerSecond = 2.5f;
    static constexpr float ParticleShrinkPerSecond = 1.7f;
    static constexpr float SpiralPerSecond = 6.0f;
    static constexpr float SpinPerSecond = 0.1f;
    // The teleport is done once the timer falls below this.
    static constexpr float DoneBelow = 0.01f;

    // Makes the teleport last as many seconds as the gear's belly radius, and repeatable.
    // NOTE: the level reader does not run it for teleporters, so a level's teleporter keeps
    // timer 1.5 and resetTime 0: one teleport, and a second one ends at once.
    void Initialize() override;
    // Records the player that switched onto this gear; a sending teleporter starts the teleport.
    void OnCollision(CollisionMessage* message) override;
    // One step of a running teleport: the player is taken over, shrinks and spirals in, and in
    // the step the timer first falls below DoneBelow every component of the space receives
    // OnTeleportDone. The step after the timer has run out ends the teleport. The player stays
    // taken over for the rest of the level.
    void OnUpdate(UpdateMessage* message) override;

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
