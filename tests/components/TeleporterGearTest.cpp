#include "components/InputController.h"
#include "components/MovingGearCollider.h"
#include "components/TeleporterGear.h"
#include "components/Transform.h"
#include "support/PhysicsLevel.h"

using namespace pieces;

namespace {

// Counts the OnTeleportDone messages that reach its object.
class TeleportListener : public Component {
public:
    static constexpr ComponentType Type = ComponentType::PlayerArrow;
    void OnTeleportDone(Message*) override { ++count; }
    int count = 0;
};

// A player on a sending teleporter that it meshes with in the first frame and switches onto
// (its own carrier) in the second; the physics and the game flow step every frame.
class TeleporterGearTest : public PhysicsLevelTest {
protected:
    void LoadSender(const std::string& teleporterFields = "bool Sander = true,\n") {
        Load(Object("listener", Place(0, 20)) +
             Gear("sender", 0, 0, -0.1f, Section("TeleporterGear =", teleporterFields)) +
             Player(0, 3));
        auto counter = std::make_unique<TeleportListener>();
        listener = counter.get();
        Level().FindObject("listener")->AddComponent(TeleportListener::Type, std::move(counter));
        Level().systemMask = Physics::MaskBit | GameplaySystem::MaskBit;
    }

    // Steps until the teleport has started and returns how many frames it then stayed active,
    // the frame that started it included.
    int RunTeleport() {
        const TeleporterGear& sender = Of<TeleporterGear>("sender");
        for (int frame = 0; frame < 5 && !sender.active; ++frame) {
            Frames();
        }
        EXPECT_TRUE(sender.active);
        int activeFrames = 0;
        while (sender.active && activeFrames < 200) {
            ++activeFrames;
            EXPECT_EQ(listener->count, activeFrames < 94 ? 0 : 1) << "frame " << activeFrames;
            Frames();
        }
        return activeFrames;
    }

    TeleportListener* listener = nullptr;
};

TEST_F(TeleporterGearTest, ATeleportShrinksThePlayerAwayFor94FramesAndIsAnnouncedOnce) {
    LoadSender();
    EXPECT_EQ(RunTeleport(), 94);
    EXPECT_EQ(listener->count, 1);
    const TeleporterGear& sender = Of<TeleporterGear>("sender");
    EXPECT_EQ(sender.timer, 0.0f);
    EXPECT_EQ(sender.player, Level().FindObject("velmo"));

    // Taken over for good, and shrunk until its scale went just below zero.
    Frames(10);
    EXPECT_EQ(listener->count, 1);
    EXPECT_TRUE(Of<InputController>("velmo").disabled);
    EXPECT_TRUE(Of<MovingGearCollider>("velmo").teleporting);
    EXPECT_TRUE(Of<MovingGearCollider>("velmo").MovingGearColliderGhost);
    const glm::vec3 scale = Of<Transform>("velmo").scale;
    EXPECT_LT(scale.x, 0.0f);
    EXPECT_GT(scale.x, -0.04f);
    EXPECT_EQ(scale.y, scale.x);
}

TEST_F(TeleporterGearTest, ASecondActivationEndsAtOnceWithoutAnnouncingButTakesThePlayer) {
    LoadSender();
    RunTeleport();
    auto& input = Of<InputController>("velmo");
    input.disabled = false;

    CollisionMessage again;
    again.other = Level().FindObject("velmo");
    Of<TeleporterGear>("sender").OnCollision(&again);
    Frames();
    EXPECT_FALSE(Of<TeleporterGear>("sender").active);
    EXPECT_EQ(Of<TeleporterGear>("sender").timer, 0.0f);
    EXPECT_TRUE(input.disabled);
    Frames(100);
    EXPECT_EQ(listener->count, 1);
}

TEST_F(TeleporterGearTest, AReceivingTeleporterOnlyRecordsThePlayer) {
    LoadSender("");
    Frames(100);
    const TeleporterGear& receiver = Of<TeleporterGear>("sender");
    EXPECT_EQ(receiver.player, Level().FindObject("velmo"));
    EXPECT_FALSE(receiver.active);
    EXPECT_FALSE(Of<InputController>("velmo").disabled);
    EXPECT_EQ(Of<Transform>("velmo").scale.x, 1.0f);
    EXPECT_EQ(listener->count, 0);
}

}  // namespace
