#pragma once

#include <glm/vec4.hpp>

#include "Core/Component.h"

class GameObject;
class ParticleEmmiter;

// A gear that, once the player switches onto it, counts down, flashes ever faster and blows
// up: it bursts its particles, plays the level's "boomSound", throws off a player it carries,
// pushes a player within its blast radius and destroys the breakable boxes around it. Then it
// is dead. The blast radius is its particle emitter's EmitRadius.
class BombGear : public Component {
public:
    static constexpr ComponentType Type = ComponentType::BombGear;

    // Arms the bomb; the message's other object is the player it will push.
    void OnCollision(CollisionMessage* message) override;
    // The countdown text every frame; while armed the countdown, the flash and the explosion.
    void OnUpdate(UpdateMessage* message) override;

    // Kills every breakable box (BodyTypeNum 5) of the current space within 1.5 blast radii
    // of the bomb. Gears and other bodies are untouched.
    void DestroyBoxesAround(const ParticleEmmiter* emitter);

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

private:
    void Flash();
    void Explode();
    void ThrowOffAndPush(const ParticleEmmiter* emitter);
};
