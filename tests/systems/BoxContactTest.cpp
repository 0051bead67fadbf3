#include <GLFW/glfw3.h>

#include "components/BoxCollider.h"
#include "components/MovingGearCollider.h"
#include "components/RigidBody.h"
#include "components/Sprite.h"
#include "components/Transform.h"
#include "support/PhysicsLevel.h"

using namespace pieces;

namespace {

using BoxColliderTest = PhysicsLevelTest;

TEST_F(BoxColliderTest, FallingGearLandsOnTheTopAndJumpsOffIt) {
    Load(Box("floor", 0, 0, 5, 1) +
         Player(0, 4, "bool Gravity = true,\nfloat VelocityCap = 0.1,\n"));
    const RigidBody& body = Of<RigidBody>("velmo");
    const auto& player = Of<MovingGearCollider>("velmo");
    int frames = 0;
    while (!body.grounded && frames < 100) {
        Frames();
        ++frames;
    }
    ASSERT_TRUE(body.grounded);
    EXPECT_FALSE(body.Gravity);
    EXPECT_EQ(player.ground, Level().FindObject("floor"));
    EXPECT_EQ(Of<Transform>("velmo").translation.y, 2.0f);  // top + tip radius
    EXPECT_EQ(body.velocity.y, 0.0f);
    Frames(10);
    EXPECT_EQ(Of<Transform>("velmo").translation.y, 2.0f);

    Press(GLFW_KEY_SPACE);
    Frames();
    EXPECT_GT(Of<Transform>("velmo").translation.y, 2.0f);
    EXPECT_FALSE(body.grounded);
    EXPECT_TRUE(body.Gravity);
    EXPECT_EQ(player.ground, nullptr);  // its own box has left the top
}

TEST_F(BoxColliderTest, GearBelowTheTopIsPushedOutOfTheSideAndBounces) {
    // The centre is above the top, but the inner circle is not: no landing.
    Load(Box("wall", 0, 0, 1, 1) + Player(1.5f, 1.5f));
    RigidBody& body = Of<RigidBody>("velmo");
    const auto& player = Of<MovingGearCollider>("velmo");
    body.Speed = 0.0f;
    body.velocity = glm::vec3(-2.0f, 0.5f, 1.0f);
    Frames();
    EXPECT_FALSE(body.grounded);
    EXPECT_EQ(Of<Transform>("velmo").translation.x, 2.2f);
    EXPECT_EQ(player.leftWall, Level().FindObject("wall"));
    EXPECT_FLOAT_EQ(body.velocity.x, 0.6f);
    EXPECT_FLOAT_EQ(body.velocity.y, -0.15f);
    EXPECT_FLOAT_EQ(body.velocity.z, -0.3f);

    // The wall record blocks A, not the arrow key, and goes once the gear is clear.
    Press(GLFW_KEY_A);
    Frames();
    EXPECT_EQ(body.acceleration.x, 0.0f);
    EXPECT_EQ(player.leftWall, nullptr);
    Release(GLFW_KEY_A);
    Of<Transform>("velmo").translation = glm::vec3(1.5f, 1.5f, 0.0f);
    Frames();
    ASSERT_NE(player.leftWall, nullptr);
    Press(GLFW_KEY_LEFT);
    Frames();
    EXPECT_FLOAT_EQ(body.acceleration.x, -0.9f);
}

TEST_F(BoxColliderTest, StandingGearPushedOffAWallKeepsAThirdOfItsMotionReversed) {
    Load(Box("floor", 0, 0, 10, 1) + Box("wall", 4, 2.5f, 1, 1.5f) + Player(2.5f, 2));
    RigidBody& body = Of<RigidBody>("velmo");
    const auto& player = Of<MovingGearCollider>("velmo");
    body.Speed = 0.0f;
    body.velocity = glm::vec3(2.0f, 0.5f, 0.0f);
    Frames();
    EXPECT_TRUE(body.grounded);
    EXPECT_EQ(Of<Transform>("velmo").translation, glm::vec3(1.8f, 2.0f, 0.0f));
    EXPECT_EQ(player.rightWall, Level().FindObject("wall"));
    EXPECT_FLOAT_EQ(body.velocity.x, -0.6f);
    EXPECT_EQ(body.velocity.y, 0.0f);

    // The wall on the right blocks D but not the Right arrow.
    Press(GLFW_KEY_D);
    Frames();
    EXPECT_EQ(body.acceleration.x, 0.0f);
    Release(GLFW_KEY_D);
    Of<Transform>("velmo").translation.x = 2.5f;
    Frames();
    ASSERT_NE(player.rightWall, nullptr);
    Press(GLFW_KEY_RIGHT);
    Frames();
    EXPECT_FLOAT_EQ(body.acceleration.x, 0.9f);
}

TEST_F(BoxColliderTest, HittingABoxFromBelowKnocksThePlayerOffItsGear) {
    Load(Gear("g1", 0, 0, 0) + Box("ceiling", 0, 4.5f, 3, 1) + Player(0, 3));
    const RigidBody& body = Of<RigidBody>("velmo");
    Frames();
    ASSERT_FALSE(body.attached);
    Frames();
    EXPECT_FALSE(body.attached);
    EXPECT_TRUE(Of<InputController>("velmo").launched);
    EXPECT_EQ(body.pivot, Of<Transform>("velmo").translation);
    EXPECT_NE(body.velocity, glm::vec3(0.0f));
}

TEST_F(BoxColliderTest, PlayerFallsWhenItsGroundBoxDies) {
    Load(Box("floor", 0, 0, 5, 1) + Box("post", 8, 0, 1, 1) + Player(0, 2));
    const RigidBody& body = Of<RigidBody>("velmo");
    Frames(2);
    ASSERT_TRUE(body.grounded);
    Level().FindObject("floor")->alive = false;
    Frames();
    EXPECT_FALSE(body.grounded);
    EXPECT_TRUE(body.Gravity);
    EXPECT_EQ(Of<MovingGearCollider>("velmo").ground, nullptr);
    Press(GLFW_KEY_SPACE);
    Frames();
    EXPECT_LT(Of<Transform>("velmo").translation.y, 2.0f);
}

TEST_F(BoxColliderTest, PickupCountsOnlyBelowThreeBoostsUnderAnOpaqueGauge) {
    const std::string gauge =
        Object("gauge", Section("Sprite =", "Vec4 Color = [1, 1, 1, 0.5],\n"));
    Load(gauge + Box("boost", 0, 0, 1, 1, Section("CollectibleMove =")) +
         Box("glowing", 3, 0, 1, 1,
             Section("Sprite =") + Section("CollectibleMove =") + Section("CollectibleGlow =")) +
         Player(1.5f, 0));
    const GameObject* boost = Level().FindObject("boost");
    const GameObject* glowing = Level().FindObject("glowing");
    gameplay->boostCount = 0;
    Frames();  // the gauge is still fading in
    EXPECT_TRUE(boost->alive);
    Of<Sprite>("gauge").Color.a = 1.0f;
    gameplay->boostCount = 3;
    Frames();
    EXPECT_TRUE(boost->alive);
    EXPECT_EQ(gameplay->boostCount, 3);

    gameplay->boostCount = 2;
    Frames();
    EXPECT_FALSE(boost->alive);
    EXPECT_TRUE(glowing->alive);  // a glowing pickup is never collected by touch
    EXPECT_EQ(gameplay->boostCount, 3);
    // No physical response: the player has not moved.
    EXPECT_EQ(Of<Transform>("velmo").translation, glm::vec3(1.5f, 0.0f, 0.0f));
}

}  // namespace
