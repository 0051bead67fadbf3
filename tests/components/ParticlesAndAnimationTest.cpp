#include <filesystem>
#include <string>

#include "components/Animation.h"
#include "components/ParticleEmmiter.h"
#include "support/PhysicsLevel.h"

using namespace pieces;

namespace {

// Emitters and animations are stepped by the draw pass, which here draws into no window.
class ParticlesAndAnimationTest : public PhysicsLevelTest {
protected:
    void LoadDrawn(const std::string& objects) { Load(objects).systemMask = Graphics::MaskBit; }
};

std::string Emitter(const std::string& name, const std::string& fields) {
    return Object(name, Place(0, 0) + Section("ParticleEmitterComponent = ", fields));
}

std::string Animated(const std::string& name, const std::string& fields) {
    return Object(name,
                  Place(0, 0) + Section("Sprite =") + Section("AnimationComponent =", fields));
}

TEST_F(ParticlesAndAnimationTest, AContinuousTrailLevelsOffBelowItsBudget) {
    LoadDrawn(Emitter("trail", "bool SpiralMode = false,\n"));
    const auto& trail = Of<ParticleEmmiter>("trail");
    Frames(400);
    for (int frame = 0; frame < 400; ++frame) {
        Frames();
        ASSERT_GE(trail.count, 190) << "frame " << frame;
        ASSERT_LE(trail.count, 310) << "frame " << frame;
    }
    EXPECT_EQ(static_cast<std::size_t>(trail.count), trail.particles.size());
}

TEST_F(ParticlesAndAnimationTest, ABurstWaitsItsTimeEmitsItsBudgetOnceAndNeverAgain) {
    LoadDrawn(Emitter("rocket",
                      "bool BurstMode = true,\nbool EmitMode = false,\n"
                      "bool SpiralMode = false,\nint MaxParticles = 120,\n"
                      "float TimeToBurst = 1,\nfloat LifeMinimum = 0.5,\n"
                      "float LifeMaximum = 0.5,\n"));
    const auto& rocket = Of<ParticleEmmiter>("rocket");
    Frames(63);
    EXPECT_TRUE(rocket.particles.empty());
    Frames();
    EXPECT_EQ(rocket.particles.size(), 120u);
    EXPECT_FALSE(rocket.BurstMode);
    // Every particle flies off in its own direction.
    Frames(10);
    EXPECT_NE(rocket.particles[0].position, rocket.particles[1].position);
    Frames(100);
    EXPECT_TRUE(rocket.particles.empty());
    EXPECT_EQ(rocket.count, 0);
}

TEST_F(ParticlesAndAnimationTest, AHollowSpiralKeepsItsParticlesOnTheCircle) {
    LoadDrawn(Emitter("ring", "float EmitRadius = 3,\nint MaxParticles = 20,\n"));
    Frames(30);
    const auto& ring = Of<ParticleEmmiter>("ring");
    ASSERT_EQ(ring.particles.size(), 20u);
    for (const Particle& particle : ring.particles) {
        EXPECT_NEAR(glm::length(particle.position), 3.0f, 1e-4f);
    }
}

TEST_F(ParticlesAndAnimationTest, ALoopingAnimationReturnsToItsSecondFrameAndOneThatEndsStays) {
    std::filesystem::create_directories(scratch.path / "Gameplay");
    scratch.Write("Gameplay/bear.txt", "a\r\nb\r\nc\r\n");
    scratch.Write("Gameplay/once.txt", "a\nb\nc\n");
    scratch.Write("Gameplay/single.txt", "a\n");
    InFolder inside(scratch.path);
    LoadDrawn(Animated("loop",
                       "string AnimationList = \"bear.txt\",\n"
                       "float AnimationComponentSpeed = 2,\n") +
              Animated("once",
                       "string AnimationList = \"once.txt\",\nbool Loopable = false,\n"
                       "float AnimationComponentSpeed = 2,\n") +
              Animated("fast",
                       "string AnimationList = \"once.txt\",\nbool Loopable = false,\n"
                       "float AnimationComponentSpeed = 0,\n") +
              Animated("single", "string AnimationList = \"single.txt\",\n") +
              Animated("none", "string AnimationList = \"missing.txt\",\n"));
    std::string loop;
    std::string once;
    std::string fast;
    for (int frame = 0; frame < 11; ++frame) {
        Frames();
        for (auto [name, shown] : {std::pair{"loop", &loop}, {"once", &once}, {"fast", &fast}}) {
            const auto& animation = Of<Animation>(name);
            *shown += animation.frames[animation.current];
        }
    }
    EXPECT_EQ(loop, "aabbccbbccb");
    EXPECT_EQ(once, "aabbccccccc");
    // At speed 0 the first step already moves on: the first frame is never shown.
    EXPECT_EQ(fast, "bcccccccccc");
    Frames(30);
    EXPECT_EQ(Of<Animation>("single").current, 0u);
    EXPECT_FALSE(Of<Animation>("none").started);
}

}  // namespace
