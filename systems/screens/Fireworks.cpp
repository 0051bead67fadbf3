#include "systems/screens/Fireworks.h"

#include <array>
#include <cstddef>
#include <optional>

#include "Core/Engine.h"
#include "Core/FixedNames.h"
#include "Core/GameObject.h"
#include "Core/Space.h"
#include "components/ParticleEmmiter.h"
#include "components/Transform.h"
#include "systems/GameplaySystem.h"
#include "systems/SoundSystem.h"

namespace {

constexpr std::array<float, 3> StartRiseSpeeds{10.0f, 10.0f, 5.0f};
constexpr std::array<float, 3> StartWaveCountdowns{5.0f, 3.0f, 10.0f};
constexpr float StartShowCountdown = 40.0f;
constexpr float CountdownStep = 0.1f;

constexpr std::size_t RocketsPerWave = 3;

// What a rocket does: how fast it rises against its wave's speed, and the burst it turns into.
// Velocities in [-spread, spread] on both axes; a ring burst scatters its particles on a circle.
struct Rocket {
    float riseFactor;
    float spread;
    int particles;
    std::optional<float> ringRadius;
};

constexpr Rocket Rockets[] = {
    {2.0f, 30.0f, 200, std::nullopt}, {3.0f, 20.0f, 100, std::nullopt},
    {4.0f, 10.0f, 200, std::nullopt}, {2.0f, 30.0f, 200, 8.0f},
    {5.0f, 20.0f, 100, 10.0f},        {6.0f, 10.0f, 200, 12.0f},
    {1.0f, 30.0f, 200, 8.0f},         {2.0f, 20.0f, 100, std::nullopt},
    {3.0f, 10.0f, 200, 12.0f},
};
static_assert(std::size(Rockets) == std::size(ObjectName::Fireworks));

template <typename Part>
Part* RocketPart(const Space& screen, std::size_t rocket) {
    GameObject* object = screen.FindObject(ObjectName::Fireworks[rocket]);
    return object != nullptr ? object->GetComponent<Part>() : nullptr;
}

void Rise(const GameplaySystem& gameplay, const Space& screen) {
    for (std::size_t rocket = 0; rocket < std::size(Rockets); ++rocket) {
        if (auto* transform = RocketPart<Transform>(screen, rocket)) {
            transform->translation.y += gameplay.riseSpeeds[rocket / RocketsPerWave] *
                                        Rockets[rocket].riseFactor * gameplay.updateStep;
        }
    }
}

void CountDown(GameplaySystem& gameplay) {
    for (float& countdown : gameplay.waveCountdowns) {
        if (countdown > 0.0f) {
            countdown -= CountdownStep;
        }
    }
    if (gameplay.showCountdown > 0.0f) {
        gameplay.showCountdown -= CountdownStep;
    }
}

void Burst(const Space& screen, std::size_t rocket) {
    GameObject* object = screen.FindObject(ObjectName::Fireworks[rocket]);
    auto* emitter = object != nullptr ? object->GetComponent<ParticleEmmiter>() : nullptr;
    if (emitter == nullptr) {
        return;
    }
    const Rocket& kind = Rockets[rocket];
    emitter->ParticleXVelMin = -kind.spread;
    emitter->ParticleXVelMax = kind.spread;
    emitter->ParticleYVelMin = -kind.spread;
    emitter->ParticleYVelMax = kind.spread;
    emitter->EmitMode = false;
    emitter->MaxParticles = kind.particles;
    emitter->BurstMode = true;
    if (kind.ringRadius) {
        emitter->SpiralMode = true;
        emitter->EmitRadius = *kind.ringRadius;
    }
    GetSystem<SoundSystem>()->PlayObject(object);
}

// A wave waits for its countdown, and for its signal rocket (the first rocket of the first
// wave, the second of the first wave for the second wave, the third for the third) to be done
// with any burst of its own; a wave that has burst has stopped rising and never bursts again.
void BurstWaves(GameplaySystem& gameplay, const Space& screen) {
    for (std::size_t wave = 0; wave < gameplay.riseSpeeds.size(); ++wave) {
        const auto* signal = RocketPart<ParticleEmmiter>(screen, wave);
        if (gameplay.waveCountdowns[wave] > 0.0f || signal == nullptr || signal->BurstMode ||
            gameplay.riseSpeeds[wave] == 0.0f) {
            continue;
        }
        for (std::size_t rocket = wave * RocketsPerWave; rocket < (wave + 1) * RocketsPerWave;
             ++rocket) {
            Burst(screen, rocket);
        }
        gameplay.riseSpeeds[wave] = 0.0f;
    }
}

}  // namespace

void ResetFireworks(GameplaySystem& gameplay) {
    gameplay.riseSpeeds = StartRiseSpeeds;
    gameplay.waveCountdowns = StartWaveCountdowns;
    gameplay.showCountdown = StartShowCountdown;
    gameplay.winJinglePlayed = false;
}

void RunFireworks(GameplaySystem& gameplay, Space& screen) {
    Rise(gameplay, screen);
    CountDown(gameplay);
    BurstWaves(gameplay, screen);
}

bool FireworksOver(const GameplaySystem& gameplay) {
    return gameplay.showCountdown < 0.0f;
}
