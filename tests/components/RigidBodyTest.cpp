#include <cmath>

#include "components/ParticleEmmiter.h"
#include "components/RigidBody.h"
#include "components/Transform.h"
#include "support/PhysicsLevel.h"

using namespace pieces;

namespace {

using RigidBodyTest = PhysicsLevelTest;

TEST_F(RigidBodyTest, WithoutSpeedOrDisplacementCapABodyStaysPut) {
    Load(Object("noSpeed", Place(4, 6) + Body("bool Gravity = true,\nfloat VelocityCap = 5,\n")) +
         Object("noCap", Place(-4, 6) + Body("bool Gravity = true,\nfloat Speed = 1,\n")));
    Frames(10);
    EXPECT_EQ(Of<Transform>("noSpeed").translation, glm::vec3(4, 6, 0));
    EXPECT_EQ(Of<Transform>("noCap").translation, glm::vec3(-4, 6, 0));
    EXPECT_LT(Of<RigidBody>("noCap").velocity.y, -10.0f);  // the velocity grows all the same
}

TEST_F(RigidBodyTest, FallingStepGrowsToTheCapWhileVelocityKeepsGrowing) {
    Load(Object("rock", Place(0, 0) + Body("bool Gravity = true,\nfloat Speed = 1,\n"
                                           "float VelocityCap = 0.5,\n")));
    const RigidBody& body = Of<RigidBody>("rock");
    const Transform& where = Of<Transform>("rock");
    Frames();
    // Gravity 0.5 damped by 0.1 gives -0.45; the displacement is damped once more.
    EXPECT_FLOAT_EQ(body.acceleration.y, -0.45f);
    EXPECT_FLOAT_EQ(where.translation.y, -0.405f);
    float velocity = body.velocity.y;
    for (int frame = 0; frame < 20; ++frame) {
        const float before = where.translation.y;
        Frames();
        EXPECT_EQ(body.displacement.y, -0.5f) << "frame " << frame + 2;
        EXPECT_NEAR(before - where.translation.y, 0.5f, 1e-5f) << "frame " << frame + 2;
        EXPECT_LT(body.velocity.y, velocity);
        velocity = body.velocity.y;
    }
}

TEST_F(RigidBodyTest, SmallHorizontalMotionIsCutButVerticalIsNot) {
    Load(Object("puck", Place(0, 0) + Body("float Speed = 1,\nfloat VelocityCap = 5,\n")));
    RigidBody& body = Of<RigidBody>("puck");
    body.acceleration = glm::vec3(0.085f, 0.085f, 0.0f);  // 0.0765 once damped
    Frames();
    EXPECT_EQ(body.acceleration.x, 0.0f);
    EXPECT_EQ(body.velocity.x, 0.0f);
    EXPECT_FLOAT_EQ(body.velocity.y, 0.0765f);
    EXPECT_EQ(Of<Transform>("puck").translation.x, 0.0f);
    EXPECT_GT(Of<Transform>("puck").translation.y, 0.0f);

    body.velocity.x = 0.075f;  // a velocity below the dead zone stops too
    Frames();
    EXPECT_EQ(body.velocity.x, 0.0f);
}

TEST_F(RigidBodyTest, RotationIsClampedOnlyAfterTheFirstTurn) {
    Load(Object("stuck", Place(0, 0) + Body("float RotSpeed = 0.25,\n")) +
         Gear("turning", 10, 0, -0.25f));
    Frames(4);
    EXPECT_EQ(Of<Transform>("stuck").rotation, 0.25f);
    EXPECT_EQ(Of<RigidBody>("stuck").RotSpeed, 0.0f);
    EXPECT_EQ(Of<Transform>("turning").rotation, -1.0f);
}

TEST_F(RigidBodyTest, LaunchLeavesAlongTheOffsetTurnedWithTheGear) {
    Load(Object("body", Place(3, 2) + Body("")));
    RigidBody& body = Of<RigidBody>("body");
    struct Case {
        float rotSpeed;
        glm::vec2 velocity;
    };
    // Offset (1, 0) from the pivot: 60 degrees for a forward turn, 120 with a negative factor
    // for a backward one, 120 with factor 10 when the gear stands still.
    const float s = std::sqrt(3.0f) / 2.0f;
    for (const Case& c :
         {Case{0.1f, {0.5f * 27.0f, s * 27.0f}}, Case{-0.1f, {0.5f * 27.0f, -s * 27.0f}},
          Case{0.0f, {-5.0f, s * 10.0f}}}) {
        body.pivot = glm::vec3(2, 2, 0);
        body.RotSpeed = c.rotSpeed;
        body.attached = true;
        body.acceleration = body.displacement = glm::vec3(1.0f);
        body.LaunchFromGear();
        EXPECT_FALSE(body.attached);
        EXPECT_EQ(body.acceleration, glm::vec3(0.0f));
        EXPECT_EQ(body.displacement, glm::vec3(0.0f));
        EXPECT_NEAR(body.velocity.x, c.velocity.x, 1e-4f) << c.rotSpeed;
        EXPECT_NEAR(body.velocity.y, c.velocity.y, 1e-4f) << c.rotSpeed;
    }
}

TEST_F(RigidBodyTest, AttachedBodyIsCarriedAtTheOrbitRadiusAndIgnoresForces) {
    Load(Object("rider", Place(3, 0) + Body("bool Gravity = true,\nfloat Speed = 1,\n"
                                            "float VelocityCap = 1,\n")));
    RigidBody& body = Of<RigidBody>("rider");
    body.attached = true;
    body.pivot = glm::vec3(0.0f);
    body.orbitRadius = 2.0f;
    body.RotSpeed = 0.5f;
    body.acceleration.x = 4.0f;
    Frames();
    const glm::vec3 position = Of<Transform>("rider").translation;
    EXPECT_NEAR(position.x, 2.0f * std::cos(0.5f), 1e-6f);
    EXPECT_NEAR(position.y, 2.0f * std::sin(0.5f), 1e-6f);
    EXPECT_EQ(body.RotSpeed, 0.5f);  // no cap while carried
    EXPECT_EQ(body.velocity, glm::vec3(0.0f));

    // A body standing on its own pivot has no direction to be carried in.
    body.pivot = position;
    Frames();
    EXPECT_EQ(Of<Transform>("rider").translation, position);
}

TEST_F(RigidBodyTest, BoostIsTakenByThePlayerOnly) {
    Load(Object("crate", Place(0, 0) + Body("")) + Player(5, 5));
    gameplay->boostCount = 2;
    BoostMessage boost;
    boost.direction = glm::vec3(0.5f, -1.0f, 0.0f);
    Level().Broadcast(&Observer::OnBoost, &boost);
    EXPECT_TRUE(boost.stop);
    EXPECT_EQ(gameplay->boostCount, 1);
    EXPECT_EQ(Of<RigidBody>("velmo").acceleration, glm::vec3(75.0f, -150.0f, 0.0f));
    EXPECT_EQ(Of<RigidBody>("crate").acceleration, glm::vec3(0.0f));
    EXPECT_EQ(Of<ParticleEmmiter>("velmo").SizeMaximum, 8.0f);
    EXPECT_FALSE(Of<ParticleEmmiter>("velmo").UseDefaultColor);
}

TEST_F(RigidBodyTest, BoostWithoutAPlayerIsLeftUnhandled) {
    Load(Object("crate", Place(0, 0) + Body("")));
    gameplay->boostCount = 2;
    BoostMessage boost;
    boost.direction = glm::vec3(1.0f, 0.0f, 0.0f);
    Level().Broadcast(&Observer::OnBoost, &boost);
    EXPECT_FALSE(boost.stop);
    EXPECT_EQ(gameplay->boostCount, 2);
}

}  // namespace
