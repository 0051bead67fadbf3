#include <vector>

#include <GLFW/glfw3.h>

#include "components/MovingGearCollider.h"
#include "components/RigidBody.h"
#include "components/Transform.h"
#include "support/PhysicsLevel.h"

using namespace pieces;

namespace {

using InputControllerTest = PhysicsLevelTest;

TEST_F(InputControllerTest, OnAGearOnlyTheJumpIsReadAndItFiresOncePerPress) {
    Load(Gear("g1", 0, 0, -0.1f) + Player(0, 3));
    RigidBody& body = Of<RigidBody>("velmo");
    Frames(3);
    ASSERT_TRUE(body.attached);
    Press(GLFW_KEY_D);
    Press(GLFW_KEY_RIGHT);
    Frames();
    EXPECT_TRUE(body.attached);
    EXPECT_EQ(body.acceleration, glm::vec3(0.0f));
    Release(GLFW_KEY_D);
    Release(GLFW_KEY_RIGHT);

    Press(GLFW_KEY_ENTER);
    Frames();
    EXPECT_FALSE(body.attached);
    EXPECT_TRUE(Of<InputController>("velmo").launched);

    // Still held: no second jump when the player is carried again.
    body.attached = true;
    body.acceleration = glm::vec3(0.0f);
    body.velocity = glm::vec3(0.0f);
    Frames();
    EXPECT_TRUE(body.attached);
}

TEST_F(InputControllerTest, SteeringAddsToTheAccelerationAndRollsTheGear) {
    Load(Player(0, 0));
    const RigidBody& body = Of<RigidBody>("velmo");
    Press(GLFW_KEY_D);
    Press(GLFW_KEY_SPACE);  // no jump in the air
    Frames();
    EXPECT_FLOAT_EQ(body.acceleration.x, 0.9f);
    EXPECT_EQ(body.acceleration.y, 0.0f);
    EXPECT_GT(Of<Transform>("velmo").translation.x, 0.0f);
    EXPECT_LT(body.RotSpeed, 0.0f);  // rolling right turns clockwise
    EXPECT_EQ(Of<Transform>("velmo").translation.y, 0.0f);
}

TEST_F(InputControllerTest, GoalKeyDetachesThePlayerAndMovesItWithTheCamera) {
    Load(Gear("g1", 0, 0, -0.1f) + Player(0, 3) + Object("CameraComp", Place(1, 1)) +
         Object("winBear", Place(40, 20)));
    Frames(3);
    ASSERT_TRUE(Of<RigidBody>("velmo").attached);
    Press(GLFW_KEY_P);
    Frames();
    EXPECT_FALSE(Of<RigidBody>("velmo").attached);
    const glm::vec3 player = Of<Transform>("velmo").translation;
    EXPECT_FLOAT_EQ(player.x, 40.0f);
    EXPECT_GT(player.y, 20.0f);  // dropped 5 above the goal, then one step of its own
    EXPECT_EQ(Of<Transform>("CameraComp").translation, glm::vec3(40, 20, 0));
    EXPECT_TRUE(Of<MovingGearCollider>("velmo").contacts.empty());
}

TEST_F(InputControllerTest, DisabledControllerIgnoresEveryKey) {
    Load(Player(0, 0));
    Of<InputController>("velmo").disabled = true;
    Press(GLFW_KEY_D);
    Press(GLFW_KEY_O);
    Frames();
    EXPECT_EQ(Of<RigidBody>("velmo").acceleration, glm::vec3(0.0f));
    EXPECT_FALSE(Of<InputController>("velmo").autoPlay);
}

// The random mode from a fixed seed plays the same frames again, and O ends it.
TEST_F(InputControllerTest, RandomPlayFromAFixedSeedRepeats) {
    InputController::seedOverride = 7u;
    std::vector<std::vector<float>> runs;
    for (int run = 0; run < 2; ++run) {
        Load(Object("floor", Place(0, -100)) + Player(0, 0));
        Press(GLFW_KEY_O);
        Frames();
        Release(GLFW_KEY_O);
        EXPECT_TRUE(Of<InputController>("velmo").autoPlay);
        std::vector<float> pushes;
        for (int frame = 0; frame < 40; ++frame) {
            Frames();
            pushes.push_back(Of<RigidBody>("velmo").acceleration.x);
        }
        runs.push_back(pushes);
        Press(GLFW_KEY_O);
        Frames();
        Release(GLFW_KEY_O);
        Frames();  // the release is seen
        EXPECT_FALSE(Of<InputController>("velmo").autoPlay);
        Engine::Instance().DestroySpaces();
    }
    EXPECT_EQ(runs[0], runs[1]);
    EXPECT_NE(runs[0], std::vector<float>(40, 0.0f));
}

}  // namespace
