#include "components/ParticleEmmiter.h"

#include <algorithm>
#include <cmath>

#include "Core/Engine.h"
#include "Core/GameObject.h"
#include "Core/WindowsRand.h"
#include "components/Transform.h"
#include "systems/Graphics.h"
#include "systems/TextureRegistry.h"

namespace {

// 0 to 32767 onto 0 to 1.
constexpr float RandScale = 3.051851e-05f;
constexpr float DegreesToRadians = 0.017453292f;
// No level wants more; a larger budget in a burst would only exhaust memory.
constexpr std::int32_t BurstLimit = 100000;

float Rand01() {
    return static_cast<float>(WindowsRand::Next()) * RandScale;
}

// A random angle of the full turn, in radians, from one draw of rand.
float TurnOf(float unit) {
    return unit * 360.0f * DegreesToRadians;
}

float Between(float minimum, float maximum) {
    return Rand01() * (maximum - minimum) + minimum;
}

bool Dead(const Particle& particle) {
    return particle.age > particle.life || particle.size.x <= 0.0f;
}

}  // namespace

void ParticleEmmiter::Reset() {
    particles.clear();
}

void ParticleEmmiter::Emit() {
    const float theta = TurnOf(Rand01());
    Particle particle;
    particle.direction =
        burstEmission ? glm::vec3(std::cos(theta), std::sin(theta), 1.0f) : glm::vec3(1.0f);
    if (UseDefaultColor) {
        const float r1 = Rand01();
        const float r2 = Rand01();
        const float r3 = Rand01();
        const float r4 = Rand01();
        ParticleColor = glm::vec4(r4, r3, r2, r1);
    }
    // The draws happen in this order: y speed, x speed, size, life.
    const float yVelocity = Between(ParticleYVelMin, ParticleYVelMax);
    const float xVelocity = Between(ParticleXVelMin, ParticleXVelMax);
    const float size = Between(SizeMinimum, SizeMaximum);
    const float life = Between(LifeMinimum, LifeMaximum);

    if (const auto* transform = owner->GetComponent<Transform>()) {
        particle.position = transform->translation;
    }
    particle.velocity = glm::vec3(xVelocity, yVelocity, 0.0f);
    particle.alive = true;
    particle.color = ParticleColor;
    particle.size = glm::vec3(size, size, 0.0f);
    particle.life = life;
    particle.texture = TextureRegistry::GetTexture(ParticleTextureFilename);
    particles.push_back(particle);
    count += 1;
}

void ParticleEmmiter::Advance(float dt) {
    const auto* transform = SpiralMode ? owner->GetComponent<Transform>() : nullptr;
    const glm::vec3 centre = transform != nullptr ? transform->translation : glm::vec3(0.0f);
    for (std::size_t i = 0; i < particles.size();) {
        Particle& particle = particles[i];
        if (SpiralMode) {
            const float r1 = Rand01();
            const float r2 = Rand01();
            const float theta = TurnOf(r2);
            const float k = HollowMode ? 1.0f : std::sin(TurnOf(r1));
            particle.position = centre + glm::vec3(EmitRadius * k * std::cos(theta),
                                                   EmitRadius * k * std::sin(theta), 0.0f);
            particle.age += dt;
            // Spiral particles shrink by the time step itself, whatever SizeDecrement says.
            particle.size -= glm::vec3(dt);
        } else {
            particle.position += particle.velocity * particle.direction * dt;
            particle.age += dt;
            particle.size -= glm::vec3(SizeDecrement * dt);
        }
        if (Dead(particle)) {
            // The last particle takes this place and is moved next.
            particle.alive = false;
            std::swap(particle, particles.back());
            particles.pop_back();
            count -= 1;
        } else {
            ++i;
        }
    }
}

void ParticleEmmiter::DrawStep(float dt) {
    if (BurstMode) {
        if (TimeToBurst > 0.0f) {
            TimeToBurst -= dt;
            return;
        }
        burstEmission = true;
        const std::int32_t budget = std::min(MaxParticles, BurstLimit);
        for (std::int32_t i = 0; i < budget; ++i) {
            Emit();
        }
        BurstMode = false;
        return;
    }
    if (EmitMode) {
        burstEmission = false;
        if (count < MaxParticles) {
            Emit();
        }
    }
    const auto graphics = TryGetSystem<Graphics>();
    if (!graphics) {
        return;
    }
    for (const Particle& particle : particles) {
        if (particle.alive) {
            graphics->DrawSprite(particle.texture, particle.position, particle.size,
                                 particle.rotation, particle.color, 1.0f);
        }
    }
}
