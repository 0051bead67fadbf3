#include <memory>
#include <string>

#include "components/MovingGearCollider.h"
#include "components/RigidBody.h"
#include "components/Transform.h"
#include "support/PhysicsLevel.h"

using namespace pieces;

// The physics frame as a whole: which objects the contact pass tests, and a frame that loads a
// level or meets incomplete content.
namespace {

// Opens another level when the player switches onto its gear, as a level's goal might.
class LevelOpener : public Component {
public:
    static constexpr ComponentType Type = ComponentType::PlayerArrow;
    explicit LevelOpener(std::string path) : path(std::move(path)) {}
    void OnCollision(CollisionMessage*) override {
        Engine::Instance().spaces.push_back(
            std::make_unique<Space>(LoadMode::PlayableLevel, "next", path));
    }
    std::string path;
};

using PhysicsTest = PhysicsLevelTest;

TEST_F(PhysicsTest, GhostPlayerMeetsNothing) {
    Load(Gear("g1", 0, 0, -0.1f) + Box("floor", 0, -3, 5, 1) + Player(0, 3));
    Of<MovingGearCollider>("velmo").MovingGearColliderGhost = true;
    Of<RigidBody>("velmo").Gravity = true;
    Frames(20);
    EXPECT_TRUE(Of<MovingGearCollider>("velmo").contacts.empty());
    EXPECT_FALSE(Of<RigidBody>("velmo").grounded);
    EXPECT_LT(Of<Transform>("velmo").translation.y, -5.0f);  // fell through both
}

TEST_F(PhysicsTest, GearsBeyondTwentyPlayerRadiiAreNeverTested) {
    // A far gear would prune the player's first contact if it were tested.
    Load(Gear("g1", 0, 0, -0.1f) + Gear("g2", 5.6f, 0, 0.1f) + Gear("far", 0, 30, 0) +
         Player(0, 3));
    int frame = 0;
    while (Of<MovingGearCollider>("velmo").contacts.size() < 2 && frame < 60) {
        Frames();
        ++frame;
    }
    EXPECT_EQ(Of<MovingGearCollider>("velmo").contacts.size(), 2u);
}

TEST_F(PhysicsTest, FrameEndsWhenAHandlerOpensAnotherLevel) {
    const std::string next =
        scratch.Write("Next.Level.data", EditorHeader() + Player(0, 0) + "}\n");
    Load(Gear("g1", 0, 0, 0) + Box("ceiling", 0, 4.5f, 3, 1) + Player(0, 3));
    Level().FindObject("g1")->AddComponent(ComponentType::PlayerArrow,
                                           std::make_unique<LevelOpener>(next));
    Space& first = Level();
    Frames(2);  // the second frame switches onto g1, whose handler opens "next"
    ASSERT_EQ(Engine::Instance().spaces.size(), 2u);
    EXPECT_EQ(Level().name, "next");
    // The rest of the pass did not run on the level left behind: the ceiling did not knock
    // the player off its gear, and the new level was not stepped.
    EXPECT_TRUE(Get<RigidBody>(first, "velmo").attached);
    EXPECT_EQ(Of<Transform>("velmo").translation, glm::vec3(0.0f));
}

TEST_F(PhysicsTest, IncompleteContentIsReportedAndStepsOn) {
    Load(Object("velmo", Place(0, 3) + Section("MovingGearColliderComponent =",
                                               "float MovingGearColliderFullRadius = 1,\n")) +
         Object("bare gear", Place(0, 0) + Section("GearColliderComponent =",
                                                   "float GearColliderFullRadius = 2,\n")) +
         Object("bare box", Place(0, 4) + Section("BoxColliderComponent =")) +
         Object("no place", Section("GearColliderComponent =") + Body("float RotSpeed = 1,\n")));
    testing::internal::CaptureStdout();
    Frames(5);
    Level().Broadcast(&Observer::OnBoost, std::make_unique<BoostMessage>().get());
    const std::string output = testing::internal::GetCapturedStdout();
    EXPECT_NE(output.find("Assertion failed"), std::string::npos);
}

}  // namespace
