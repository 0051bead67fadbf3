#include "components/InputController.h"
#include "components/Sprite.h"
#include "components/Transform.h"
#include "support/PhysicsLevel.h"

using namespace pieces;

namespace {

// A player of scale 2 under a camera at the origin whose view is 11.25 high above its centre:
// the player has left the view once it stands above 11.25 + 1.5 * 2 = 14.25, and its distance
// above the view is its y - 2 - 14.25.
class PlayerArrowTest : public PhysicsLevelTest {
protected:
    void SetUp() override {
        PhysicsLevelTest::SetUp();
        Load(Player(0, 0) +
             Object("CameraComp", Place(0, 0) + Section("CameraComponent =",
                                                        "float CameraComponentFarPlane = 20,\n")) +
             Object("arrow", Place(0, 0) + Section("Sprite =") + Section("ArrowComponent = ")));
        Level().systemMask = Physics::MaskBit | GameplaySystem::MaskBit;
        Of<Transform>("velmo").scale = glm::vec3(2.0f, 2.0f, 1.0f);
    }

    // The marker's size after one frame with the player at (3, y).
    static float ScaleWithPlayerAt(float y) {
        Of<Transform>("velmo").translation = glm::vec3(3.0f, y, 0.0f);
        Frames();
        return Of<Transform>("arrow").scale.x;
    }

    static bool Shown() { return Of<Sprite>("arrow").Visible; }
};

TEST_F(PlayerArrowTest, ShrinksWithThePlayersDistanceAboveTheView) {
    EXPECT_FLOAT_EQ(ScaleWithPlayerAt(14.26f), 2.0f);  // barely out: full size, not larger
    EXPECT_TRUE(Shown());
    EXPECT_FLOAT_EQ(ScaleWithPlayerAt(16.25f + 11.25f), 1.4f);  // one half height: 70 %
    EXPECT_TRUE(Shown());
    EXPECT_FLOAT_EQ(Of<Transform>("arrow").scale.y, 1.4f);
    EXPECT_FLOAT_EQ(ScaleWithPlayerAt(16.25f + 2 * 11.25f), 0.8f);  // two: 40 %
    EXPECT_FLOAT_EQ(ScaleWithPlayerAt(16.25f + 3 * 11.25f), 0.8f);  // and no smaller
    // Above the player, its top at the view's top edge.
    EXPECT_FLOAT_EQ(Of<Transform>("arrow").translation.x, 3.0f);
    EXPECT_FLOAT_EQ(Of<Transform>("arrow").translation.y, 11.25f - 0.4f);
}

TEST_F(PlayerArrowTest, HiddenWithThePlayersSizeInViewAtTheEdgeParkedOrTakenOver) {
    ScaleWithPlayerAt(30.0f);
    ASSERT_TRUE(Shown());
    EXPECT_EQ(ScaleWithPlayerAt(14.25f), 2.0f);
    EXPECT_FALSE(Shown());
    EXPECT_EQ(Of<Transform>("arrow").scale, glm::vec3(2.0f, 2.0f, 1.0f));

    ScaleWithPlayerAt(30.0f);
    ASSERT_TRUE(Shown());
    ScaleWithPlayerAt(5000.0f);
    EXPECT_FALSE(Shown());

    Of<InputController>("velmo").disabled = true;
    ScaleWithPlayerAt(30.0f);
    EXPECT_FALSE(Shown());
}

}  // namespace
