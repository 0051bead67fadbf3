#include <string>

#include <gtest/gtest.h>

#include "Core/GameObject.h"
#include "DrawingKit.h"
#include "components/Camera.h"
#include "components/InputController.h"
#include "components/MovingGearCollider.h"
#include "components/RigidBody.h"
#include "components/Transform.h"
#include "components/WinController.h"

// The camera frame by frame through the engine's own frames: the draw pass steps every camera
// and then follows the player, and the frame loop steps the followed camera once more.
namespace {

constexpr float Far = 40.0f;
constexpr float Speed = 0.05f;

std::string Player(float x, float y) {
    return level::Object("velmo", level::Place(x, y, 1, 1) + "  RigidBodyComponent =\n  {\n  }\n" +
                                      "  MovingGearColliderComponent =\n  {\n  }\n" +
                                      "  InputComponent =\n  {\n  }\n");
}

std::string Goal(float x, float y) {
    return level::Object("winBear", level::Place(x, y, 1, 1) + "  WinComponent =\n  {\n  }\n");
}

std::string CameraComp(float speedX, float speedY, float farPlane = Far) {
    return level::Object(
        "CameraComp",
        level::Place(0, 0, 1, 1) + level::View(farPlane, speedX, speedY, speedX != 0, speedY != 0));
}

class CameraTest : public DrawingTest {
protected:
    void Load(const std::string& objects) {
        space = PushLevel(objects);
        camera = &Of<Camera>("CameraComp");
        view = &Of<Transform>("CameraComp").translation;
        // What the goal's win controller records at level start.
        graphics->levelCameraDistance = Far;
    }

    static void RunFrames(int count) {
        for (int i = 0; i < count; ++i) {
            Engine::Instance().RunFrame();
        }
    }

    template <typename T>
    T& Of(const std::string& objectName) {
        return *space->FindObject(objectName)->FindComponent<T>();
    }

    Space* space = nullptr;
    Camera* camera = nullptr;
    glm::vec3* view = nullptr;
};

TEST_F(CameraTest, ScrollsTwiceItsSpeedEachFrameAndStopsOncePastTheGoal) {
    Load(CameraComp(Speed, 0) + Goal(2, 0) + Player(-5, 0));
    ASSERT_EQ(graphics->currentCamera, camera);
    RunFrames(10);
    EXPECT_NEAR(view->x, 20 * Speed, 1e-4f);
    EXPECT_TRUE(camera->MovingCameraX);
    // The behaviour sees x after the draw pass's step: 2.05 > 2 in the 21st frame.
    RunFrames(11);
    EXPECT_FALSE(camera->MovingCameraX);
    RunFrames(5);
    EXPECT_NEAR(view->x, 2.05f, 1e-4f);
}

TEST_F(CameraTest, KeepsAPlayerAheadInViewAndClimbsWithIt) {
    Load(CameraComp(Speed, 0) + Goal(500, 0) + Player(10, 0));
    RunFrames(1);
    // Scrolling right the lead is the whole far plane: the camera centres on the player.
    EXPECT_NEAR(view->x, 10 + Speed, 1e-4f);

    Engine::Instance().DestroySpaces();
    Load(CameraComp(0, Speed) + Goal(0, 500) + Player(0, 10));
    RunFrames(1);
    // Lead 20 above the player is above the top edge (22.5 up): the camera rises to it.
    EXPECT_NEAR(view->y, 20 + 10 - 0.5625f * Far + Speed, 1e-4f);
    EXPECT_FALSE(graphics->fallOff);
    Of<Transform>("velmo").translation.y = view->y - 0.5625f * Far - 5;
    RunFrames(1);
    EXPECT_TRUE(graphics->fallOff);
}

TEST_F(CameraTest, PlayerDroppingOutAtTheLeftFallsAndTheLevelRestarts84FramesLater) {
    // 1.5 scales beyond the left edge once the camera has passed x = 0.1.
    Load(CameraComp(Speed, 0) + Goal(500, 0) + Player(-Far - 1.4f, 0));
    auto& body = Of<RigidBody>("velmo");
    auto& collider = Of<MovingGearCollider>("velmo");
    const auto& controller = Of<InputController>("velmo");
    body.attached = true;
    body.velocity = glm::vec3(3);
    body.acceleration = glm::vec3(0, 1, 0);
    collider.contacts.push_back(space->FindObject("winBear"));

    RunFrames(1);
    EXPECT_TRUE(camera->MovingCameraX);
    RunFrames(1);
    EXPECT_FALSE(camera->MovingCameraX);
    EXPECT_TRUE(controller.launched && controller.disabled);
    EXPECT_TRUE(collider.MovingGearColliderGhost && collider.contacts.empty());
    EXPECT_FALSE(body.attached);
    EXPECT_TRUE(body.Gravity);
    EXPECT_EQ(body.velocity, glm::vec3(0));
    EXPECT_EQ(body.acceleration.y, 71);
    EXPECT_FALSE(graphics->fallOff) << "not yet below the view";

    // The fall itself is the physics' part: here the player is put below the view.
    auto& player = Of<Transform>("velmo").translation;
    player.y = -0.5625f * Far - 1;
    int frames = 0;
    while (!gameplay->loseSequenceStarted && frames < 200) {
        RunFrames(1);
        ++frames;
        if (!gameplay->loseSequenceStarted) {
            ASSERT_TRUE(graphics->fallOff && controller.disabled) << "frame " << frames;
        }
    }
    // 5 / 0.06: the flag is raised and the timer first lowered in the same frame.
    EXPECT_EQ(frames, 84);
    EXPECT_FALSE(graphics->fallOff);
    EXPECT_EQ(graphics->fallOffTimer, Graphics::FallOffStart);
    EXPECT_FALSE(controller.disabled);
    EXPECT_GT(player.y, 90000) << "the lose request moved the player away";
}

TEST_F(CameraTest, ScrollingStartsOnceTheIntroZoomIsBackAtTheRecordedDistance) {
    Load(CameraComp(0, 0, 60) + Goal(500, 0));
    camera->CameraScrollSpeed.x = Speed;
    camera->MovingCameraX = true;
    Of<WinController>("winBear").cameraDistance = Far;
    RunFrames(2);
    EXPECT_FALSE(camera->scrolling);
    EXPECT_EQ(view->x, 0);
    camera->CameraComponentFarPlane = Far;
    RunFrames(1);
    EXPECT_NEAR(view->x, 2 * Speed, 1e-4f);
}

TEST_F(CameraTest, TeleportGlidesToTheGoalAndZoomsThroughItWithoutFollowing) {
    Load(CameraComp(Speed, Speed) + Goal(30, 12) + Player(0, -30));
    Message done;
    space->Broadcast(&Observer::OnTeleportDone, &done);
    EXPECT_TRUE(done.stop);
    EXPECT_FALSE(camera->MovingCameraX || camera->MovingCameraY);

    // The glide's second is 63 steps of 0.016; the zoom's three are 188.
    RunFrames(62);
    EXPECT_LT(view->x, 30);
    RunFrames(1);
    EXPECT_EQ(*view, Of<Transform>("winBear").translation);
    RunFrames(124);
    EXPECT_GT(camera->CameraComponentFarPlane, Camera::ArrivedDistance);
    RunFrames(1);
    EXPECT_EQ(camera->CameraComponentFarPlane, Camera::ArrivedDistance);
    EXPECT_FALSE(graphics->fallOff) << "the player is below the view, but the camera is zooming";
}

}  // namespace
