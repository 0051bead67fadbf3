#include <algorithm>
#include <vector>

#include "components/CollectibleGlow.h"
#include "components/CollectibleMove.h"
#include "components/MoveComponent.h"
#include "components/RigidBody.h"
#include "components/Sprite.h"
#include "components/Transform.h"
#include "support/PhysicsLevel.h"

using namespace pieces;

namespace {

// Pickups and movers, stepped by the game flow and the space's action pass.
class MovingPiecesTest : public PhysicsLevelTest {
protected:
    Space& LoadPieces(const std::string& objects) {
        Space& space = Load(objects);
        space.systemMask = GameplaySystem::MaskBit;
        return space;
    }

    float Y(const std::string& name) { return Of<Transform>(name).translation.y; }
};

std::string Pickup(const std::string& name, const std::string& animations) {
    return Object(name, Place(0, 10) + Body("float Speed = 0.01,\nfloat VelocityCap = 0.5,\n") +
                            Section("Sprite =", "Vec4 Color = [0.2, 0.8, 0.4, 1],\n") +
                            Section("BoxColliderComponent =") + animations);
}

TEST_F(MovingPiecesTest, APickupBobsTwoUnitsEachWayWhileItsGlowChangesOnlyItsAlpha) {
    LoadPieces(Pickup("boost", Section("CollectibleMove =") + Section("CollectibleGlow =")));
    Frames(63);
    EXPECT_NEAR(Y("boost"), 11.0f, 0.05f);
    Frames(62);
    EXPECT_NEAR(Y("boost"), 12.0f, 0.002f);
    Frames(63);
    EXPECT_NEAR(Y("boost"), 11.0f, 0.05f);
    Frames(62);
    EXPECT_NEAR(Y("boost"), 10.0f, 0.002f);

    // The first pulse started after two seconds and dims it over two more.
    const glm::vec4 color = Of<Sprite>("boost").Color;
    EXPECT_NEAR(color.a, 0.25f, 0.01f);
    EXPECT_EQ(glm::vec3(color), glm::vec3(0.2f, 0.8f, 0.4f));
    Frames(126);
    EXPECT_NEAR(Of<Sprite>("boost").Color.a, 0.75f, 0.01f);
}

TEST_F(MovingPiecesTest, ACollectedPickupRisesThenFallsAndFadesOut) {
    LoadPieces(Pickup("boost", Section("CollectibleMove =")));
    Frames(10);
    const float start = Y("boost");
    CollisionMessage message;
    Of<CollectibleMove>("boost").OnCollision(&message);
    Frames(15);
    EXPECT_NEAR(Y("boost"), start + 2.0f, 0.01f);
    EXPECT_FALSE(Of<RigidBody>("boost").Gravity);
    Frames();
    EXPECT_TRUE(Of<RigidBody>("boost").Gravity);
    // A new fade starts every frame from where the last left it, so the alpha dwindles.
    Frames(40);
    const glm::vec4 color = Of<Sprite>("boost").Color;
    EXPECT_LT(color.a, 0.1f);
    EXPECT_EQ(glm::vec3(color), glm::vec3(0.2f, 0.8f, 0.4f));
}

TEST_F(MovingPiecesTest, AMoverVisitsItsWaypointsInOrderAsWrittenOneFrameAtEach) {
    // A move of twelve and a half frames, the waypoints in file units as they stand (not
    // doubled).
    LoadPieces(
        Object("platform", Place(0, 0) + Section("MoveComponent = ",
                                                 "Vec3 DestPosition = [4, 0, 0],\n"
                                                 "Vec3 DestPosition = [4, 4, 0],\n"
                                                 "Vec3 DestPosition = [0, 4, 0],\n"
                                                 "float MoveDuration = 0.2,\n"
                                                 "Enum MoveEase = InOutQuad,\n")) +
        Object("still", Place(2, 2) + Section("MoveComponent = ", "float MoveDuration = 0.16,\n")));
    const std::vector<glm::vec3> route{{4, 0, 0}, {4, 4, 0}, {0, 4, 0}, {4, 0, 0}, {4, 4, 0}};
    std::vector<glm::vec3> visited;
    std::vector<int> arrivals;
    for (int frame = 1; frame <= 80; ++frame) {
        Frames();
        const glm::vec3 at = Of<Transform>("platform").translation;
        // At a waypoint at the end of exactly one frame: the next move starts in the next.
        if (std::find(route.begin(), route.end(), at) != route.end()) {
            ASSERT_TRUE(visited.empty() || at != visited.back()) << "frame " << frame;
            visited.push_back(at);
            arrivals.push_back(frame);
        }
    }
    ASSERT_GE(visited.size(), 5u);
    EXPECT_EQ(std::vector<glm::vec3>(visited.begin(), visited.begin() + 5), route);
    for (std::size_t i = 1; i < arrivals.size(); ++i) {
        EXPECT_EQ(arrivals[i] - arrivals[i - 1], 13) << "waypoint " << i;
    }
    EXPECT_EQ(Of<Transform>("still").translation, glm::vec3(2, 2, 0));
}

}  // namespace
