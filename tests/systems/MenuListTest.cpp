#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "Core/Space.h"
#include "components/Button.h"
#include "components/Sprite.h"
#include "components/Transform.h"
#include "support/LevelFiles.h"
#include "support/ScratchFolder.h"
#include "systems/MenuList.h"

namespace {

using testing::ElementsAre;
using testing::HasSubstr;

std::string Object(const std::string& name, const std::string& sections) {
    return "GameObject =\n{\n  string Name = \"" + name + "\",\n" + sections + "}\n";
}

std::string At(float x, float y) {
    return "  Transform =\n  {\n    Vec3 Translation = [" + std::to_string(x) + ", " +
           std::to_string(y) + ", 0],\n  }\n";
}

std::string Hidden(bool hidden = true) {
    return std::string("  Sprite =\n  {\n    bool Visible = ") + (hidden ? "false" : "true") +
           ",\n  }\n";
}

std::string WithButton(const std::string& identity) {
    return "  ButtonComponent =\n  {\n    string NotSelectedFileName = \"" + identity +
           "\",\n  }\n";
}

// An options screen of its own: the camera 20 above the level, the background, two buttons
// (one above and one below the centre line), the two mute crosses and a plain picture. The
// reader doubles x and y, so "play" stands at y 4 and "quit" at y -10.
class MenuListTest : public testing::Test {
protected:
    MenuListTest()
        : screen(LoadMode::Screen, "options",
                 scratch.Write(
                     "Options.Level.data",
                     EditorHeader() +
                         Object("CameraComp", At(0, 0) + "  CameraComponent =\n  {\n    float "
                                                         "CameraComponentFarPlane = 20,\n  }\n") +
                         Object("BG", At(0, -3) + Hidden()) +
                         Object("play", At(1, 2) + Hidden() + WithButton("playOff")) +
                         Object("quit", At(0, -5) + WithButton("quitOff")) +
                         Object("muteMusicCross", At(0, 1) + Hidden()) +
                         Object("muteAudioCross", At(0, 1) + Hidden(false)) +
                         Object("label", At(0, 1) + Hidden()) + "}\n")) {}

    float Height(const std::string& name) const {
        return Get<Transform>(screen, name).translation.y;
    }

    void Step(int updates) {
        for (int i = 0; i < updates; ++i) {
            screen.Update();
        }
    }

    ScratchFolder scratch;
    Space screen;
};

TEST_F(MenuListTest, TheListHoldsTheButtonsTheFileNamesInFileOrder) {
    const std::string file = scratch.Write("buttons.txt", "quit\r\nnobody\r\nlabel\r\nplay\r\n");
    MenuList menu;
    testing::internal::CaptureStdout();
    menu.Build(screen, file, "resumeGame", 0.65f);
    const std::string output = testing::internal::GetCapturedStdout();

    EXPECT_THAT(menu.buttons,
                ElementsAre(&Get<Button>(screen, "quit"), &Get<Button>(screen, "play")));
    EXPECT_EQ(menu.Current(), &Get<Button>(screen, "quit"));
    EXPECT_EQ(menu.choice, "resumeGame");
    EXPECT_TRUE(menu.built);
    EXPECT_THAT(output, HasSubstr(file + " line 2: no object \"nobody\""));
    EXPECT_THAT(output, HasSubstr("GetRawComponent(_typeId)"));
    EXPECT_THAT(output, HasSubstr(file + " line 3: \"label\" has no button"));

    // Shown again: the same list, the cursor and the choice back at their start.
    menu.cursor = 1;
    menu.choice = "playOff";
    testing::internal::CaptureStdout();
    menu.Build(screen, file, "resumeGame", 0.65f);
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(menu.buttons.size(), 2u);
    EXPECT_EQ(menu.Current(), &Get<Button>(screen, "quit"));
    EXPECT_EQ(menu.choice, "resumeGame");

    // Its screen closed: nothing of the screen is left in the list.
    menu.Clear();
    EXPECT_TRUE(menu.buttons.empty());
    EXPECT_EQ(menu.Current(), nullptr);
    EXPECT_FALSE(menu.built);
}

TEST_F(MenuListTest, AMissingFileGivesAnEmptyListWithTheDefaultChoice) {
    MenuList menu;
    menu.choice = "playOff";
    testing::internal::CaptureStdout();
    menu.Build(screen, (scratch.path / "Gameplay/optionsMenuButtons.txt").string(),
               "fullscreenToggleUnchecked", 0.65f);
    EXPECT_THAT(testing::internal::GetCapturedStdout(), HasSubstr("file not found: "));
    EXPECT_TRUE(menu.buttons.empty());
    EXPECT_EQ(menu.Current(), nullptr);
    EXPECT_EQ(menu.choice, "fullscreenToggleUnchecked");
    EXPECT_TRUE(menu.built);
}

TEST_F(MenuListTest, TheEntranceRaisesTheScreenFromBelowIntoPlace) {
    MenuList::Entrance(screen, 1.0f);
    EXPECT_FLOAT_EQ(Height("play"), 4.0f - 20.0f);
    EXPECT_FLOAT_EQ(Height("quit"), -10.0f - 20.0f);
    EXPECT_FLOAT_EQ(Height("CameraComp"), 0.0f);
    EXPECT_FLOAT_EQ(Height("BG"), -6.0f);
    EXPECT_TRUE(Get<Sprite>(screen, "play").Visible);
    EXPECT_TRUE(Get<Sprite>(screen, "label").Visible);
    EXPECT_FALSE(Get<Sprite>(screen, "BG").Visible);
    EXPECT_FALSE(Get<Sprite>(screen, "muteMusicCross").Visible);
    EXPECT_TRUE(Get<Sprite>(screen, "muteAudioCross").Visible);

    // Out of a quad: three quarters of the way at half time.
    Step(32);
    const float t = 32 * Space::FixedStep;
    EXPECT_NEAR(Height("play"), -16.0f + 20.0f * (1.0f - (1.0f - t) * (1.0f - t)), 1e-3f);
    // "quit" stands 10 below the centre line, half the camera's distance: twice the time.
    Step(31);
    EXPECT_FLOAT_EQ(Height("play"), 4.0f);
    EXPECT_LT(Height("quit"), -10.5f);
    Step(63);
    EXPECT_FLOAT_EQ(Height("quit"), -10.0f);
}

}  // namespace
