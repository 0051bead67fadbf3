#include <cmath>
#include <cstdlib>
#include <memory>
#include <numbers>
#include <string>
#include <vector>

#include <GLFW/glfw3.h>
#include <gtest/gtest.h>

#include "Core/Engine.h"
#include "Core/LevelLoader.h"
#include "audio/ChannelGroup.h"
#include "components/Button.h"
#include "components/Sprite.h"
#include "components/Transform.h"
#include "support/GameFlowFixture.h"
#include "systems/GameplaySystem.h"
#include "systems/MenuList.h"
#include "systems/SoundSystem.h"

// The screens played through the real game flow, physics and sound, with keys pressed as a
// player presses them, on screens written for the test. No window is opened: the spaces are
// stepped without the window system.
namespace {

TEST_F(GameFlowTest, SplashPicturesLeadToTheMainMenuByTimerOrByKey) {
    std::string credits;
    for (const char* entry : {"teamCredit1", "teamCredit2", "teamCredit3", "teamCredit4"}) {
        credits += piece::Object(entry, piece::Place(0, -30));
    }
    Screens({{"SplashScreen",
              piece::Camera() + piece::Object("Splash", piece::Place() + piece::Picture("s"))},
             {"TeamLevel", piece::Camera() + credits},
             {"ControllerScreen",
              piece::Camera() + piece::Object("Splash", piece::Place() + piece::Picture("c"))},
             {"mainMenu", piece::Camera()}});
    LoadLevel("SplashScreen", LoadMode::Screen);
    Step(150);
    EXPECT_EQ(Top(), "SplashScreen");
    EXPECT_NEAR(Find("Splash").GetComponent<Sprite>()->Color.a, 1.51f, 0.01f);
    Step(151);
    ASSERT_EQ(Top(), "TeamLevel") << "the first picture has faded out";

    // The credits slide in and, once the last has arrived, the controller hint follows.
    int frames = 0;
    while (Top() == "TeamLevel" && frames < 400) {
        Step();
        ++frames;
    }
    EXPECT_EQ(Top(), "ControllerScreen");
    EXPECT_GT(frames, 150);  // three seconds of sliding
    Press(GLFW_KEY_ENTER);
    EXPECT_EQ(Top(), "mainMenu");

    // A key skips the splash picture.
    LoadLevel("SplashScreen", LoadMode::Screen);
    Press(GLFW_KEY_SPACE);
    EXPECT_EQ(Top(), "ControllerScreen");
    Step(290);
    EXPECT_EQ(Top(), "mainMenu") << "the controller hint times out";
}

class MainMenuTest : public GameFlowTest {
protected:
    void SetUp() override {
        GameFlowTest::SetUp();
        Screens({{"mainMenu",
                  piece::Camera() +
                      piece::Object("menuGear", piece::Place() +
                                                    "  RigidBodyComponent =\n  {\n    float "
                                                    "RotationVelocityCap = 1,\n  }\n") +
                      piece::Object("velmo", piece::Place(3, 0))},
                 {"levelSelect", piece::Camera()},
                 {"credits", piece::Camera()},
                 {"levelSelectGear1", piece::Camera()}});
        LoadLevel("mainMenu", LoadMode::Screen);
        Step();
    }

    // Turns the gear one entry and waits for the turn to end.
    void Turn(int key) {
        Press(key);
        int frames = 0;
        while ((gameplay->turningLeft || gameplay->turningRight) && frames < 600) {
            Step();
            ++frames;
        }
        ASSERT_LT(frames, 600) << "the turn never ended";
        // NOTE: a press is seen once the game has seen the key up: the menu does not ask for
        // the keys while the gear turns, so it needs one frame after the turn.
        Step();
    }

    float GearAngle() { return Find("menuGear").GetComponent<Transform>()->rotation; }
};

TEST_F(MainMenuTest, GearTurnsOneEntryAndIgnoresEnterWhileTurning) {
    Press(GLFW_KEY_A);
    ASSERT_TRUE(gameplay->turningLeft);
    Press(GLFW_KEY_ENTER);
    EXPECT_EQ(Top(), "mainMenu") << "Enter does nothing during a turn";
    Turn(GLFW_KEY_UNKNOWN);
    EXPECT_EQ(gameplay->mainMenuIndex, 1);
    EXPECT_FLOAT_EQ(GearAngle(), static_cast<float>(std::numbers::pi) / 3.0f);
    Press(GLFW_KEY_ENTER);
    EXPECT_EQ(Top(), "levelSelect");
}

TEST_F(MainMenuTest, IndexWrapsBothWays) {
    Turn(GLFW_KEY_RIGHT);
    EXPECT_EQ(gameplay->mainMenuIndex, -1);
    Press(GLFW_KEY_ENTER);
    EXPECT_EQ(Top(), "credits") << "one turn right from Play is Credits";

    LoadLevel("mainMenu", LoadMode::Screen);
    for (int turn = 0; turn < 5; ++turn) {
        Turn(GLFW_KEY_LEFT);
    }
    EXPECT_EQ(gameplay->mainMenuIndex, -1 + 5);
    Turn(GLFW_KEY_LEFT);
    Turn(GLFW_KEY_LEFT);
    EXPECT_EQ(gameplay->mainMenuIndex, 0) << "past 5 the index comes back to Play";
}

TEST_F(MainMenuTest, GamepadTurnsTheGearWithTheStickAndChoosesWithItsFirstButton) {
    pad->present = true;
    pad->axes[0] = -1.0f;
    Step();
    pad->axes[0] = 0.0f;
    ASSERT_TRUE(gameplay->turningLeft) << "the left stick reads as A";
    Turn(GLFW_KEY_UNKNOWN);
    pad->buttons[0] = GLFW_PRESS;
    Step();
    pad->buttons[0] = GLFW_RELEASE;
    EXPECT_EQ(Top(), "levelSelect") << "button 0 reads as Enter";
}

TEST_F(MainMenuTest, PlayRollsThePlayerAwayThenOpensTheFirstLevel) {
    Press(GLFW_KEY_ENTER);
    EXPECT_TRUE(gameplay->playRunning);
    Press(GLFW_KEY_A);
    EXPECT_FALSE(gameplay->turningLeft) << "no turn during the roll";
    Step(60);
    EXPECT_GT(Find("velmo").GetComponent<Transform>()->translation.x, 3.0f);
    Step(65);
    EXPECT_EQ(Top(), "levelSelectGear1");
    EXPECT_EQ(Engine::Instance().CurrentSpace()->loadMode, LoadMode::PlayableLevel);
}

class MenuTest : public GameFlowTest {
protected:
    void SetUp() override {
        GameFlowTest::SetUp();
        std::string levels;
        std::string list;
        for (int i = 1; i <= 8; ++i) {
            const std::string name = "levelSelectGear" + std::to_string(i);
            levels += piece::Button("button" + std::to_string(i), name);
            list += "button" + std::to_string(i) + "\n";
        }
        Write("Gameplay/menuButtons.txt", list);
        Write("Gameplay/pauseMenuButtons.txt", "resume\noptionsButton\n");
        Write("Gameplay/optionsMenuButtons.txt", "full\nmusic\nall\n");
        const std::string crosses =
            piece::Object("fullscreenCross", piece::Place() + piece::Picture("x")) +
            piece::Object("muteMusicCross", piece::Place() + piece::Picture("x")) +
            piece::Object("muteAudioCross", piece::Place() + piece::Picture("x"));
        Screens({{"levelSelect", piece::Camera() + levels},
                 {"pauseMenu", piece::Camera() + piece::Button("resume", "resumeGame") +
                                   piece::Button("optionsButton", "options")},
                 {"options", piece::Camera() + piece::Button("full", "fullscreenToggleUnchecked") +
                                 piece::Button("music", "muteMusicUnselected") +
                                 piece::Button("all", "muteAllAudioUnchecked") + crosses},
                 {"game", piece::Camera()}});
    }

    std::string Cursor(const MenuList& menu) {
        return menu.Current() != nullptr ? menu.Current()->NotSelectedFileName : "none";
    }

    bool Muted(SoundGroup group) {
        bool muted = false;
        sound->Group(group)->GetMute(&muted);
        return muted;
    }
};

TEST_F(MenuTest, LevelGridMovesOnlyOntoUnlockedLevelsInsideTheGrid) {
    LoadLevel("levelSelect", LoadMode::Screen);
    Step();
    const MenuList& menu = gameplay->levelSelectMenu;
    ASSERT_EQ(menu.buttons.size(), 8u);
    Press(GLFW_KEY_LEFT);
    EXPECT_EQ(Cursor(menu), "levelSelectGear1") << "nothing before the first";
    Press(GLFW_KEY_RIGHT);
    EXPECT_EQ(Cursor(menu), "levelSelectGear2");
    Press(GLFW_KEY_D);
    EXPECT_EQ(Cursor(menu), "levelSelectGear2") << "the third level is locked";
    Press(GLFW_KEY_DOWN);
    EXPECT_EQ(Cursor(menu), "levelSelectGear2") << "no level eight is unlocked below";
    Press(GLFW_KEY_LEFT);
    Press(GLFW_KEY_S);
    EXPECT_EQ(Cursor(menu), "levelSelectGear7") << "six on, the next row";
    EXPECT_EQ(menu.choice, "levelSelectGear7");
    Press(GLFW_KEY_S);
    EXPECT_EQ(Cursor(menu), "levelSelectGear7") << "no row below";
}

TEST_F(MenuTest, PauseMenuStartsAfreshEachTimeItShows) {
    LoadLevel("game", LoadMode::PlayableLevel);
    LoadLevel("pauseMenu", LoadMode::Screen);
    Step();
    Press(GLFW_KEY_S);
    EXPECT_EQ(gameplay->pauseMenu.choice, "options");
    Press(GLFW_KEY_ESCAPE);
    EXPECT_EQ(Top(), "game");
    EXPECT_EQ(gameplay->pauseMenu.Current(), nullptr) << "the closed menu keeps no buttons";

    LoadLevel("pauseMenu", LoadMode::Screen);
    Step();
    EXPECT_EQ(Cursor(gameplay->pauseMenu), "resumeGame");
    EXPECT_EQ(gameplay->pauseMenu.choice, "resumeGame");
    Press(GLFW_KEY_ENTER);
    EXPECT_EQ(Top(), "game") << "Enter on resume goes back to the level";
}

TEST_F(MenuTest, MuteAllKeepsTheMusicMutedWhateverTheMusicBoxSays) {
    LoadLevel("options", LoadMode::Screen);
    Step();
    Press(GLFW_KEY_S);
    Press(GLFW_KEY_ENTER);  // mute music
    EXPECT_TRUE(Muted(SoundGroup::Music));
    EXPECT_FALSE(Muted(SoundGroup::Effect));
    Press(GLFW_KEY_S);
    Press(GLFW_KEY_ENTER);  // mute all
    EXPECT_TRUE(Muted(SoundGroup::Effect));
    Press(GLFW_KEY_W);
    Press(GLFW_KEY_ENTER);  // unmute music, but all stays muted
    EXPECT_FALSE(gameplay->muteMusicOption);
    EXPECT_TRUE(Muted(SoundGroup::Music));
    EXPECT_TRUE(gameplay->musicMuted);
    EXPECT_FALSE(Find("muteMusicCross").GetComponent<Sprite>()->Visible);
    EXPECT_TRUE(Find("muteAudioCross").GetComponent<Sprite>()->Visible);
    Press(GLFW_KEY_S);
    Press(GLFW_KEY_ENTER);  // unmute all
    EXPECT_FALSE(Muted(SoundGroup::Music));
    EXPECT_FALSE(Muted(SoundGroup::Effect));
}

TEST_F(GameFlowTest, QuitConfirmationEndsTheGameAfterTheFrameAndNGoesBack) {
    Screens({{"mainMenu", piece::Camera()},
             {"confirmation",
              piece::Camera() +
                  piece::Object("confirmation", piece::Place() + piece::Picture("ask") +
                                                    piece::Pictures("askKeys", "askPad"))}});
    LoadLevel("mainMenu", LoadMode::Screen);
    LoadLevel("confirmation", LoadMode::Screen);
    Press(GLFW_KEY_N);
    EXPECT_EQ(Top(), "mainMenu");
    EXPECT_TRUE(Engine::Instance().running);
    LoadLevel("confirmation", LoadMode::Screen);
    Press(GLFW_KEY_Y);
    EXPECT_FALSE(Engine::Instance().running);
    EXPECT_EQ(Top(), "confirmation") << "the frame finished; nothing was torn down";
}

}  // namespace
