#include <vector>

#include "components/BombGear.h"
#include "components/InputController.h"
#include "components/MovingGearCollider.h"
#include "components/RigidBody.h"
#include "components/Sprite.h"
#include "components/SpriteText.h"
#include "components/Transform.h"
#include "support/PhysicsLevel.h"

using namespace pieces;

namespace {

// A white bomb gear with a tick, a burst of blast radius 10 and a countdown text.
std::string Bomb(const std::string& name, float x, float y, float rotSpeed,
                 const std::string& timeToExplode = "2") {
    return Gear(
        name, x, y, rotSpeed,
        Section("Sprite =", "Vec4 Color = [1, 1, 1, 1],\n") +
            Section("SoundEmitterComponent =", "string SoundFileName = \"stickeffect.wav\",\n") +
            Section("ParticleEmitterComponent = ", "float EmitRadius = 10,\n") +
            Section("SpriteTextComponent = ") +
            Section("BombGearComponent =", "float TimeToExplode = " + timeToExplode + ",\n"));
}

std::string Breakable(const std::string& name, float x, const std::string& kind) {
    return Object(name, Place(x, 0) + Body(kind));
}

class BombGearTest : public PhysicsLevelTest {
protected:
    void Arm(const std::string& bomb, const std::string& victim = "velmo") {
        CollisionMessage message;
        message.other = Level().FindObject(victim);
        Of<BombGear>(bomb).OnCollision(&message);
    }

    // Steps the game flow alone until the bomb has gone off; returns the frames it took.
    int RunToExplosion(const std::string& bomb) {
        Level().systemMask = GameplaySystem::MaskBit;
        int frames = 0;
        while (Level().FindObject(bomb)->alive && frames < 1000) {
            Frames();
            ++frames;
        }
        return frames;
    }
};

TEST_F(BombGearTest, LandingFromTheAirArmsTheBombOnlyOnTheNextFrame) {
    Load(Bomb("bomb", 0, 0, -0.1f) + Player(0, 3));
    Level().systemMask = Physics::MaskBit | GameplaySystem::MaskBit;
    Frames();
    ASSERT_FALSE(Of<MovingGearCollider>("velmo").contacts.empty());
    EXPECT_FALSE(Of<BombGear>("bomb").BombActive);
    // The gear rules switch the player onto its own carrier one frame after the mesh.
    Frames();
    EXPECT_TRUE(Of<BombGear>("bomb").BombActive);
    EXPECT_EQ(Of<BombGear>("bomb").victim, Level().FindObject("velmo"));
}

TEST_F(BombGearTest, SwitchingOntoTheBombFromAnotherGearArmsIt) {
    Load(Gear("carrier", 0, 0, -0.05f) + Bomb("bomb", 5.6f, 0, 0.05f) + Player(0, 3));
    Level().systemMask = Physics::MaskBit | GameplaySystem::MaskBit;
    Frames(2);
    ASSERT_EQ(Of<MovingGearCollider>("velmo").contacts.back(), Level().FindObject("carrier"));
    EXPECT_FALSE(Of<BombGear>("bomb").BombActive);
    for (int frame = 0; frame < 200 && !Of<BombGear>("bomb").BombActive; ++frame) {
        Frames();
    }
    EXPECT_TRUE(Of<BombGear>("bomb").BombActive);
    EXPECT_EQ(Of<MovingGearCollider>("velmo").contacts.back(), Level().FindObject("bomb"));
}

TEST_F(BombGearTest, TheCountdownShowsFourCharactersAndTheFlashesQuicken) {
    Load(Bomb("bomb", 0, 0, 0) + Player(20, 20));
    Level().systemMask = GameplaySystem::MaskBit;
    Frames();
    const auto& text = Of<SpriteText>("bomb");
    EXPECT_EQ(text.Text.substr(0, text.characterLimit), "2.00");

    Arm("bomb");
    const auto& sprite = Of<Sprite>("bomb");
    std::vector<int> flips;
    glm::vec4 shown = sprite.Color;
    for (int frame = 1; Level().FindObject("bomb")->alive && frame < 200; ++frame) {
        Frames();
        if (sprite.Color != shown) {
            flips.push_back(frame);
            shown = sprite.Color;
        }
        if (frame == 32) {
            EXPECT_EQ(text.Text.substr(0, text.characterLimit), "1.50");
        }
    }
    ASSERT_GE(flips.size(), 6u);
    EXPECT_EQ(flips[0], 1);
    // About TimeToExplode / 0.1 frames between flips, plus one.
    EXPECT_EQ(flips[1] - flips[0], 21);
    for (std::size_t i = 2; i < flips.size(); ++i) {
        EXPECT_LE(flips[i] - flips[i - 1], flips[i - 1] - flips[i - 2]) << "flip " << i;
    }
    EXPECT_LE(flips.back() - flips[flips.size() - 2], 7);
    Frames();
    EXPECT_EQ(text.Text, "");
}

TEST_F(BombGearTest, TheBlastBreaksOnlyBreakableBoxesWithinOneAndAHalfRadii) {
    // No "boomSound" in this level: the bomb goes off silently all the same.
    Load(Bomb("bomb", 0, 0, 0, "0.03") + Player(40, 40) +
         Breakable("near", 14, "Enum BodyTypeNum = WoodBox,\n") +
         Breakable("far", 16, "Enum BodyTypeNum = MetalBox,\n") + Breakable("unnamed", 5, "") +
         Breakable("other", 5, "Enum BodyTypeNum = Stone,\n") + Gear("gear", 6, 0, 0));
    Arm("bomb");
    EXPECT_EQ(RunToExplosion("bomb"), 2);
    EXPECT_FALSE(Level().FindObject("near")->alive);
    EXPECT_TRUE(Level().FindObject("far")->alive);
    EXPECT_TRUE(Level().FindObject("unnamed")->alive);
    EXPECT_TRUE(Level().FindObject("other")->alive);
    EXPECT_TRUE(Level().FindObject("gear")->alive);
    EXPECT_FALSE(Of<Sprite>("bomb").Visible);
    EXPECT_FALSE(Of<BombGear>("bomb").BombActive);
}

TEST_F(BombGearTest, ACarriedPlayerIsThrownOffTwelveFoldAndANearOneFourFold) {
    Load(Bomb("bomb", 0, 0, -0.1f, "0.5") + Player(0, 3));
    Level().systemMask = Physics::MaskBit | GameplaySystem::MaskBit;
    Frames(2);
    ASSERT_TRUE(Of<BombGear>("bomb").BombActive);
    RunToExplosion("bomb");
    const auto& body = Of<RigidBody>("velmo");
    const glm::vec3 offset = Of<Transform>("velmo").translation - Of<Transform>("bomb").translation;
    EXPECT_FALSE(body.attached);
    EXPECT_TRUE(Of<InputController>("velmo").launched);
    EXPECT_TRUE(Of<MovingGearCollider>("velmo").contacts.empty());
    EXPECT_EQ(body.velocity, glm::vec3(0.0f));
    EXPECT_EQ(body.acceleration, offset * 3.0f * 4.0f);
    EXPECT_FALSE(Of<BombGear>("bomb").launchBoost);
}

TEST_F(BombGearTest, APlayerNearTheBombIsPushedFourFoldAndOneOutsideIsNot) {
    Load(Bomb("bomb", 0, 0, 0, "0.03") + Bomb("distant", 30, 0, 0, "0.03") + Player(6, 6));
    Arm("bomb");
    Arm("distant");
    auto& body = Of<RigidBody>("velmo");
    body.acceleration = glm::vec3(1.0f, 2.0f, 0.0f);
    RunToExplosion("bomb");
    EXPECT_FALSE(Level().FindObject("distant")->alive);
    EXPECT_EQ(body.acceleration, glm::vec3(1.0f, 2.0f, 0.0f) + glm::vec3(6.0f, 6.0f, 0.0f) * 4.0f);
}

}  // namespace
