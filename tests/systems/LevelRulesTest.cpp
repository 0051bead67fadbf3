#include <string>

#include <GLFW/glfw3.h>
#include <gtest/gtest.h>

#include "Core/Engine.h"
#include "Core/LevelLoader.h"
#include "audio/ChannelGroup.h"
#include "components/Sprite.h"
#include "components/Transform.h"
#include "support/GameFlowFixture.h"
#include "systems/GameplaySystem.h"
#include "systems/Graphics.h"
#include "systems/SoundSystem.h"

// The rules of a level in play, frame by frame on a small level of the test's own.
namespace {

class LevelRulesTest : public GameFlowTest {
protected:
    void SetUp() override {
        GameFlowTest::SetUp();
        const std::string level = piece::Camera() + piece::Object("velmo", piece::Place(4, 6)) +
                                  piece::Object("fade", piece::Place() + piece::Picture("fade")) +
                                  piece::Object("gauge", piece::Place() + piece::Picture("gauge")) +
                                  piece::Object("pParticleBlast", piece::Place());
        Screens({{"game", level}, {"pauseMenu", piece::Camera()}});
        LoadLevel("game", LoadMode::PlayableLevel);
        Alpha("fade") = 0.0f;
        graphics = GetSystem<Graphics>();
    }

    float& Alpha(const std::string& name) { return Find(name).GetComponent<Sprite>()->Color.a; }
    glm::vec3& Position(const std::string& name) {
        return Find(name).GetComponent<Transform>()->translation;
    }
    float MusicVolume() {
        float volume = 0.0f;
        sound->Group(SoundGroup::Music)->GetVolume(&volume);
        return volume;
    }

    std::shared_ptr<Graphics> graphics;
};

TEST_F(LevelRulesTest, RestartFadesOutForTwentyUpdatesThenReadsTheLevelAgain) {
    Position("velmo") = glm::vec3(50.0f, -3.0f, 0.0f);
    Press(GLFW_KEY_R);
    ASSERT_TRUE(gameplay->loseSequenceStarted);
    Step();
    EXPECT_NEAR(Alpha("fade"), -0.9f, 1e-5f) << "the first update of the fade";
    Step(19);
    EXPECT_NEAR(Alpha("fade"), 1.0f, 1e-5f);
    EXPECT_EQ(Position("velmo").x, 50.0f) << "not restarted before the 21st update";
    Step();
    EXPECT_FALSE(gameplay->loseSequenceStarted);
    EXPECT_EQ(Position("velmo"), glm::vec3(4.0f, 6.0f, 0.0f)) << "back where the file puts it";
    Alpha("fade") = 1.0f;
    Step();
    EXPECT_NEAR(Alpha("fade"), 0.9f, 1e-5f) << "the new level fades in";
}

TEST_F(LevelRulesTest, RestartKeyWaitsUntilTheLevelHasFadedIn) {
    Alpha("fade") = 1.0f;
    Step();
    Press(GLFW_KEY_R);
    EXPECT_FALSE(gameplay->loseSequenceStarted) << "the fade is still at 0.8";
    Step(7);
    Press(GLFW_KEY_R);
    EXPECT_TRUE(gameplay->loseSequenceStarted);
}

TEST_F(LevelRulesTest, PauseKeysWaitWhileThePlayerFallsOutOfView) {
    graphics->fallOff = true;
    Press(GLFW_KEY_ESCAPE);
    EXPECT_EQ(Top(), "game");
    graphics->fallOff = false;
    Step();
    Press(GLFW_KEY_M);
    EXPECT_EQ(Top(), "pauseMenu");
    EXPECT_FLOAT_EQ(MusicVolume(), 0.2f);
}

TEST_F(LevelRulesTest, GaugeFadesInOnlyAtTheLevelDistanceAndHoldsNoBoostsMeanwhile) {
    Alpha("gauge") = 0.0f;
    graphics->levelCameraDistance = 20.0f;  // the camera, at 40, is zooming
    Step(3);
    EXPECT_EQ(Alpha("gauge"), 0.0f);
    graphics->levelCameraDistance = 40.0f;
    Step(4);
    Press(GLFW_KEY_K);
    Step();
    EXPECT_EQ(gameplay->boostCount, 0) << "held at 0 while the gauge fades in";
    Step(9);
    EXPECT_EQ(Alpha("gauge"), 1.0f);
    for (int press = 0; press < 5; ++press) {
        Press(GLFW_KEY_K);
        Step();
    }
    EXPECT_EQ(gameplay->boostCount, 3) << "never more than three";
    // The gauge sits in the view's top-left corner.
    EXPECT_FLOAT_EQ(Position("gauge").x, 0.0f - 40.0f + 0.5f + 2.0f);
}

}  // namespace
