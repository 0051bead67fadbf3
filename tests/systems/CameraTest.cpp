#include <string>

#include <gtest/gtest.h>

#include "Core/Engine.h"
#include "Core/GameObject.h"
#include "DrawingKit.h"
#include "components/Camera.h"
#include "components/InputController.h"
#include "components/MovingGearCollider.h"
#include "components/RigidBody.h"
#include "components/Transform.h"
#include "components/WinController.h"

// The camera frame by frame through the engine's own frame: the draw pass steps every camera,
// the camera behaviour follows the player, and the frame loop steps the followed camera again.
namespace {

constexpr float Far = 40.0f;
constexpr float Speed = 0.05f;

std::string Player(float x, float y) {
    return level::Object("velmo", level::Place(x, y, 1, 1) +
                                      "  RigidBodyComponent =\n  {\n  }\n"
                                      "  MovingGearColliderComponent =\n  {\n  }\n"
                                      "  InputComponent =\n  {\n  }\n");
}

std::string Goal(float x, float y) {
    return level::Object("winBear", level::Place(x, y, 1, 1) + "  WinComponent =\n  {\n  }\n");
}

class CameraTest : public DrawingTest {
protected:
    void SetUp() override {
        DrawingTest::SetUp();
        SetUpGraphics();
        // What the goal's win controller records at level start.
        graphics->levelCameraDistance = Far;
    }

    void Load(const std::string& objects) {
        space = PushLevel(objects);
        camera = space->FindObject("CameraComp")->FindComponent<Camera>();
        view = space->FindObject("CameraComp")->FindComponent<Transform>();
    }

    void RunFrames(int count) {
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
    Transform* view = nullptr;
};

TEST_F(CameraTest, ScrollsTwiceItsSpeedEachFrameAndStopsOncePastTheGoal) {
    Load(level::Object("CameraComp", level::Place(0, 0, 1, 1) + level::View(Far, Speed, 0, true)) +
         Goal(2, 0) + Player(-5, 0));
    ASSERT_EQ(graphics->currentCamera, camera);
    EXPECT_TRUE(camera->scrolling);

    RunFrames(10);
    EXPECT_NEAR(view->translation.x, 20 * Speed, 1e-4f);
    EXPECT_NEAR(camera->position.x, view->translation.x - Speed, 1e-5f)
        << "the position is taken before the step's own move";
    EXPECT_TRUE(camera->MovingCameraX);

    // The behaviour sees x after the draw pass's step: 2.05 > 2 on the 21st frame.
    RunFrames(11);
    EXPECT_FALSE(camera->MovingCameraX);
    EXPECT_NEAR(view->translation.x, 2.05f, 1e-4f);
    RunFrames(5);
    EXPECT_NEAR(view->translation.x, 2.05f, 1e-4f);
}

TEST_F(CameraTest, NeverTrailsAPlayerAheadOfIt) {
    Load(level::Object("CameraComp", level::Place(0, 0, 1, 1) + level::View(Far, Speed, 0, true)) +
         Goal(500, 0) + Player(10, 0));
    RunFrames(1);
    // The lead is the whole far plane: the camera centres on the player, then steps once more.
    EXPECT_NEAR(view->translation.x, 10.0f + Speed, 1e-4f);
}

TEST_F(CameraTest, NothingFollowsWhileTheCameraIsAwayFromTheLevelsDistance) {
    Load(level::Object("CameraComp", level::Place(0, 0, 1, 1) + level::View(Far, Speed, 0, true)) +
         Goal(500, 0) + Player(10, -30));
    graphics->levelCameraDistance = Far + 1;
    RunFrames(3);
    EXPECT_NEAR(view->translation.x, 6 * Speed, 1e-4f);
    EXPECT_FALSE(graphics->fallOff) << "the player is below the view, but the zoom is running";
}

TEST_F(CameraTest, ClimbsWithThePlayerOnAnUpwardLevelAndFlagsAFallBelowTheView) {
    Load(level::Object("CameraComp",
                       level::Place(0, 0, 1, 1) + level::View(Far, 0, Speed, false, true)) +
         Goal(0, 500) + Player(0, 10));
    RunFrames(1);
    // lead 20 + player y 10 is above the top edge 0.05 + 22.5: the camera rises to keep it in.
    EXPECT_NEAR(view->translation.y, 20.0f + 10.0f - 0.5625f * Far + Speed, 1e-4f);
    EXPECT_FALSE(graphics->fallOff);

    Of<Transform>("velmo").translation.y = view->translation.y - 0.5625f * Far - 5.0f;
    RunFrames(1);
    EXPECT_TRUE(graphics->fallOff);
}

TEST_F(CameraTest, PlayerDroppingOutAtTheLeftFallsAndTheLevelRestarts84FramesLater) {
    // 1.5 scales beyond the left edge once the camera has moved past x = 0.1.
    Load(level::Object("CameraComp", level::Place(0, 0, 1, 1) + level::View(Far, Speed, 0, true)) +
         Goal(500, 0) + Player(-Far - 1.4f, 0));
    auto& body = Of<RigidBody>("velmo");
    body.attached = true;
    body.velocity = glm::vec3(3.0f);
    body.acceleration = glm::vec3(0.0f, 1.0f, 0.0f);
    Of<MovingGearCollider>("velmo").contacts.push_back(space->FindObject("winBear"));

    RunFrames(1);
    EXPECT_TRUE(camera->MovingCameraX);
    RunFrames(1);
    EXPECT_FALSE(camera->MovingCameraX);
    const auto& controller = Of<InputController>("velmo");
    EXPECT_TRUE(controller.launched);
    EXPECT_TRUE(controller.disabled);
    EXPECT_TRUE(Of<MovingGearCollider>("velmo").MovingGearColliderGhost);
    EXPECT_TRUE(Of<MovingGearCollider>("velmo").contacts.empty());
    EXPECT_FALSE(body.attached);
    EXPECT_TRUE(body.Gravity);
    EXPECT_EQ(body.velocity, glm::vec3(0.0f));
    EXPECT_EQ(body.acceleration.y, 71.0f);
    EXPECT_FALSE(graphics->fallOff) << "not yet below the view";

    // The fall itself is the physics' part: here the player is put below the view.
    auto& player = Of<Transform>("velmo");
    player.translation.y = -0.5625f * Far - 1.0f;
    int frames = 0;
    while (!gameplay->loseSequenceStarted && frames < 200) {
        RunFrames(1);
        ++frames;
        if (!gameplay->loseSequenceStarted) {
            ASSERT_TRUE(graphics->fallOff) << "frame " << frames;
            ASSERT_TRUE(controller.disabled) << "frame " << frames;
        }
    }
    // 5 / 0.06: the flag is raised and the timer first lowered in the same frame.
    EXPECT_EQ(frames, 84);
    EXPECT_FALSE(graphics->fallOff);
    EXPECT_EQ(graphics->fallOffTimer, Graphics::FallOffStart);
    EXPECT_FALSE(controller.disabled);
    EXPECT_GT(player.translation.y, 90000.0f) << "the lose request moved the player away";
}

TEST_F(CameraTest, ScrollingStartsOnceTheIntroZoomIsBackAtTheRecordedDistance) {
    Load(level::Object("CameraComp", level::Place(0, 0, 1, 1) + level::View(60, Speed, 0, false)) +
         Goal(500, 0));
    ASSERT_FALSE(camera->scrolling);
    camera->MovingCameraX = true;
    Of<WinController>("winBear").cameraDistance = Far;
    RunFrames(2);
    EXPECT_FALSE(camera->scrolling);
    EXPECT_EQ(view->translation.x, 0.0f);

    camera->CameraComponentFarPlane = Far;
    RunFrames(1);
    EXPECT_TRUE(camera->scrolling);
    EXPECT_NEAR(view->translation.x, 2 * Speed, 1e-4f);
}

TEST_F(CameraTest, TeleportGlidesToTheGoalAndZoomsThroughIt) {
    Load(level::Object("CameraComp",
                       level::Place(0, 0, 1, 1) + level::View(Far, Speed, Speed, true, true)) +
         Goal(30, 12));
    Message done;
    space->Broadcast(&Observer::OnTeleportDone, &done);
    EXPECT_TRUE(done.stop);
    EXPECT_FALSE(camera->MovingCameraX);
    EXPECT_FALSE(camera->MovingCameraY);

    // One second of 0.016 steps is 63 frames; the zoom's three seconds are 188.
    RunFrames(62);
    EXPECT_LT(view->translation.x, 30.0f);
    RunFrames(1);
    EXPECT_EQ(view->translation, Of<Transform>("winBear").translation);
    RunFrames(124);
    EXPECT_GT(camera->CameraComponentFarPlane, Camera::ArrivedDistance);
    RunFrames(1);
    EXPECT_EQ(camera->CameraComponentFarPlane, Camera::ArrivedDistance);
    RunFrames(3);
    EXPECT_EQ(view->translation, Of<Transform>("winBear").translation) << "no scrolling after it";
}

}  // namespace
