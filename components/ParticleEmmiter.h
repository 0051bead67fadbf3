#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include <glm/vec3.hpp>
#include <glm/vec4.hpp>

#include "Core/Component.h"
#include "systems/Texture2D.h"

// One particle of an emitter's cloud.
struct Particle {
    glm::vec3 position{0.0f};
    glm::vec3 velocity{0.0f};
    // Multiplies the velocity: a burst's random direction, else (1, 1, 1).
    glm::vec3 direction{1.0f};
    bool alive = false;
    glm::vec4 color{0.0f};
    glm::vec3 size{0.0f};
    float rotation = 0.0f;
    // Seconds lived and seconds to live.
    float age = 0.0f;
    float life = 0.0f;
    Texture2D texture;
};

// A cloud of small textured quads around its object: emitted continuously, in one burst, or
// scattered on a circle every frame.
class ParticleEmmiter : public Component {
public:
    static constexpr ComponentType Type = ComponentType::ParticleEmmiter;

    // Empties the particle list; count keeps its value. Nothing in the game calls it.
    void Reset() override;

    // The draw pass runs both every frame, in this order, the draw step only while the object
    // is in view (the player's trail always).
    // Moves the particles by the flight rule, or by the spiral rule in SpiralMode; a particle
    // dies when its life is over or its size has shrunk to nothing.
    void Advance(float dt);
    // The burst (once TimeToBurst has run out; nothing is drawn while it waits) or one
    // continuous emission, then every live particle drawn with its texture's blending.
    void DrawStep(float dt);

    // Appends one particle at the owner's position: a random direction in a burst, a random
    // colour unless told otherwise, random speed, size and life within the limits.
    void Emit();

    // Stored only.
    bool Sander = false;
    std::int32_t MaxParticles = 400;
    // Particles emitted and not yet dead.
    std::int32_t count = 0;
    // Wait TimeToBurst, then emit MaxParticles at once.
    bool BurstMode = false;
    // Every emission takes a random colour instead of ParticleColor.
    bool UseDefaultColor = true;
    // Continuous emission.
    bool EmitMode = true;
    // Particles sit on or inside a circle instead of flying.
    bool SpiralMode = true;
    // Spiral particles sit on the circle, not inside it.
    bool HollowMode = true;
    // True while the particles of a burst are being emitted.
    bool burstEmission = false;
    float SizeMinimum = 1.0f;
    float SizeMaximum = 6.0f;
    // Seconds.
    float LifeMinimum = 3.0f;
    float LifeMaximum = 5.0f;
    // Units per second.
    float ParticleXVelMin = -40.0f;
    float ParticleXVelMax = 40.0f;
    float ParticleYVelMin = 3.0f;
    float ParticleYVelMax = 30.0f;
    // The spiral circle's radius, and a bomb's blast radius.
    float EmitRadius = 10.0f;
    // Size lost per second in flight.
    float SizeDecrement = 0.0f;
    // Seconds before the burst.
    float TimeToBurst = 0.0f;
    // The texture registry name of every particle.
    std::string ParticleTextureFilename = "particle.png";
    glm::vec4 ParticleColor{0.5f, 0.0f, 0.0f, 1.0f};
    std::vector<Particle> particles;
    std::string name = "ParticleEmmiter";
};
