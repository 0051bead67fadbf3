#include <cmath>
#include <numbers>

#include <GLFW/glfw3.h>

#include "components/GearCollider.h"
#include "components/MovingGearCollider.h"
#include "components/RigidBody.h"
#include "components/SoundEmitter.h"
#include "components/Transform.h"
#include "support/PhysicsLevel.h"
#include "systems/GearContact.h"

using namespace pieces;

namespace {

// Counts the OnCollision messages its gear receives.
class CollisionCounter : public Component {
public:
    static constexpr ComponentType Type = ComponentType::PlayerArrow;
    void OnCollision(CollisionMessage* message) override {
        ++count;
        other = message->other;
    }
    int count = 0;
    GameObject* other = nullptr;
};

class GearColliderTest : public PhysicsLevelTest {
protected:
    CollisionCounter& Count(const std::string& gear) {
        auto counter = std::make_unique<CollisionCounter>();
        CollisionCounter& kept = *counter;
        Level().FindObject(gear)->AddComponent(ComponentType::PlayerArrow, std::move(counter));
        return kept;
    }

    // Whether one of the player's tooth tips sits exactly in one of the gear's gaps.
    static bool ToothInGap(const std::string& gear) {
        const auto& player = Of<MovingGearCollider>("velmo");
        const auto& fixed = Of<GearCollider>(gear);
        const glm::vec3 centre = Of<Transform>("velmo").translation;
        const double phi = Of<Transform>("velmo").rotation;
        const double gearPhi = Of<Transform>(gear).rotation;
        const int n = player.MovingGearColliderNumTeeth;
        const int m = fixed.GearColliderNumTeeth;
        for (int i = 0; i < n; ++i) {
            const double a = phi + i * 2.0 * std::numbers::pi / n;
            const glm::vec2 tip(centre.x + 1.0 * std::cos(a), centre.y + 1.0 * std::sin(a));
            for (int j = 0; j < m; ++j) {
                const double b = gearPhi + j * 2.0 * std::numbers::pi / m + std::numbers::pi / m;
                const glm::vec2 gap(fixed.GearColliderCenter.x + 1.8 * std::cos(b),
                                    fixed.GearColliderCenter.y + 1.8 * std::sin(b));
                if (std::abs(tip.x - gap.x) < 1e-5f && std::abs(tip.y - gap.y) < 1e-5f) {
                    return true;
                }
            }
        }
        return false;
    }

    static std::string StickSound() {
        return Object("StickGearSound", Section("SoundEmitterComponent =",
                                                "string SoundFileName = \"stickeffect.wav\",\n"));
    }
};

TEST_F(GearColliderTest, FreePlayerMeshesAtOnceAndSwitchesOntoItsOwnGearNextFrame) {
    Load(Gear("g1", 0, 0, -0.1f) + Player(0, 3) + StickSound());
    CollisionCounter& g1 = Count("g1");
    GameObject* gear = Level().FindObject("g1");
    auto& player = Of<MovingGearCollider>("velmo");
    const RigidBody& body = Of<RigidBody>("velmo");

    Frames();
    EXPECT_EQ(player.contacts, std::vector<GameObject*>{gear});
    EXPECT_TRUE(ToothInGap("g1"));
    EXPECT_FALSE(body.attached);
    EXPECT_EQ(g1.count, 0);
    EXPECT_EQ(Of<SoundEmitter>("StickGearSound").channelSlot, nullptr);

    // Attached now, with no gear left behind: the switch test picks the carrying gear itself.
    Frames();
    EXPECT_TRUE(body.attached);
    EXPECT_EQ(body.pivot, glm::vec3(0.0f));
    EXPECT_EQ(body.RotSpeed, -0.1f);
    EXPECT_FLOAT_EQ(body.orbitRadius, 2.8f);
    EXPECT_EQ(g1.count, 1);
    EXPECT_EQ(g1.other, Level().FindObject("velmo"));
    EXPECT_EQ(player.lastGear, gear);
    EXPECT_TRUE(player.switching);
    audio::Channel* stick = Of<SoundEmitter>("StickGearSound").channelSlot;
    ASSERT_NE(stick, nullptr);
    float volume = 0.0f;
    audio::ChannelGroup* group = nullptr;
    stick->GetVolume(&volume);
    stick->GetChannelGroup(&group);
    EXPECT_EQ(volume, 0.3f);
    EXPECT_EQ(group, sound->Group(SoundGroup::Effect));

    // Carried round the centre at the orbit radius, turning with the gear.
    Frames(5);
    const glm::vec3 at = Of<Transform>("velmo").translation;
    EXPECT_NEAR(std::sqrt(at.x * at.x + at.y * at.y), 2.8f, 1e-5f);
    EXPECT_EQ(g1.count, 1);
}

TEST_F(GearColliderTest, SwitchToANeighbourPausesThenDropsTheOldCarrier) {
    // g3 stands in the neighbourhood but out of reach: testing it drops the first contact.
    Load(Gear("g1", 0, 0, -0.1f) + Gear("g2", 5.6f, 0, 0.1f) + Gear("g3", 0, 15, 0) + Player(0, 3) +
         StickSound());
    CollisionCounter& g1 = Count("g1");
    CollisionCounter& g2 = Count("g2");
    auto& player = Of<MovingGearCollider>("velmo");
    const RigidBody& body = Of<RigidBody>("velmo");
    int frame = 0;
    while (g2.count == 0 && frame < 60) {
        Frames();
        ++frame;
    }
    ASSERT_EQ(g2.count, 1);
    EXPECT_GT(frame, 14);  // not while the switch onto g1 itself was pausing
    EXPECT_EQ(g1.count, 1);
    EXPECT_EQ(player.lastGear, Level().FindObject("g1"));
    EXPECT_EQ(player.switchTimer, 0.2f);
    EXPECT_EQ(player.contacts, std::vector<GameObject*>{Level().FindObject("g2")});

    Frames();
    EXPECT_EQ(body.pivot, Of<Transform>("g2").translation);
    EXPECT_EQ(body.RotSpeed, 0.1f);
    // 0.2 s of 0.016 s steps: no switch for 13 more frames, then the carrier itself again.
    Frames(12);
    EXPECT_EQ(g2.count, 1);
    EXPECT_TRUE(player.switching);
    Frames();
    EXPECT_EQ(g2.count, 2);
    EXPECT_EQ(g1.count, 1);
}

TEST_F(GearColliderTest, NoMeshingWithAGearJustLeftUntilItWasOutOfReach) {
    Load(Gear("g1", 0, 0, -0.1f) + Player(0, 3));
    auto& player = Of<MovingGearCollider>("velmo");
    RigidBody& body = Of<RigidBody>("velmo");
    const InputController& input = Of<InputController>("velmo");
    body.VelocityCap = 0.05f;  // slow enough to stay in reach for a while
    Frames(3);
    ASSERT_TRUE(body.attached);

    Press(GLFW_KEY_SPACE);
    Frames();
    EXPECT_FALSE(body.attached);
    EXPECT_TRUE(input.launched);
    audio::Channel* jump = Of<SoundEmitter>("velmo").channelSlot;
    ASSERT_NE(jump, nullptr);
    audio::ChannelGroup* group = nullptr;
    jump->GetChannelGroup(&group);
    EXPECT_EQ(group, sound->Group(SoundGroup::Player));

    int inReach = 0;
    for (int frame = 0; frame < 60; ++frame) {
        const glm::vec3 at = Of<Transform>("velmo").translation;
        if (at.x * at.x + at.y * at.y <= 10.0f) {
            ++inReach;
            EXPECT_EQ(player.contacts.size(), 1u) << frame;
        }
        Frames();
        EXPECT_FALSE(body.attached) << frame;
    }
    EXPECT_GT(inReach, 2);
    EXPECT_TRUE(player.contacts.empty());
    EXPECT_FALSE(input.launched);
}

TEST_F(GearColliderTest, ToothSearchesStartFarAwayAndKeepTheEarlierOfEqualPoints) {
    Load(Gear("g1", 0, 0, 0) + Player(0, 3));
    GameObject* gear = Level().FindObject("g1");
    GameObject* player = Level().FindObject("velmo");
    Of<GearCollider>("g1").GearColliderNumTeeth = 4;
    const float a = 1.8f * static_cast<float>(std::cos(std::numbers::pi / 4.0));
    const float b = 1.8f * static_cast<float>(std::sin(std::numbers::pi / 4.0));
    // All four gaps lie equally far from the centre: the first, at 45 degrees, wins.
    EXPECT_EQ(NearestToothGap(gear, glm::vec3(0.0f)), glm::vec3(a, b, 0.0f));
    EXPECT_EQ(NearestToothGap(gear, glm::vec3(-5, -4, 2)), glm::vec3(-a, -b, 0.0f));
    EXPECT_EQ(NearestToothGap(gear, glm::vec3(99, 99, 3)), glm::vec3(100, 100, 3));
    // The gaps stay where the gear stood when the level was read.
    Of<Transform>("g1").translation = glm::vec3(50, 0, 0);
    EXPECT_EQ(NearestToothGap(gear, glm::vec3(50, 0, 0)), glm::vec3(a, b, 0.0f));

    Of<MovingGearCollider>("velmo").MovingGearColliderNumTeeth = 0;
    EXPECT_EQ(NearestToothTip(player, glm::vec3(0, 3, 7)), glm::vec3(100, 100, 7));
}

}  // namespace
