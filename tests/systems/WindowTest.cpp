#include <cstdlib>
#include <memory>
#include <string>

#include <GLFW/glfw3.h>
#include <gtest/gtest.h>

#include "Core/Engine.h"
#include "Core/LevelLoader.h"
#include "systems/GameplaySystem.h"
#include "systems/Graphics.h"
#include "systems/Physics.h"
#include "systems/SoundSystem.h"
#include "systems/Window.h"

// The real window under the test display (Xvfb, 1920 x 1080, when none is set).
namespace {

class WindowTest : public testing::Test {
protected:
    void SetUp() override {
        ::setenv("ALSOFT_DRIVERS", "null", 0);
        Engine& engine = Engine::Instance();
        window = std::make_shared<Window>();
        engine.AddSystem(window);
        engine.AddSystem(std::make_shared<SoundSystem>());
        engine.AddSystem(std::make_shared<Physics>());
        engine.AddSystem(std::make_shared<Graphics>());
        engine.AddSystem(std::make_shared<GameplaySystem>());
        window->Initialize();
    }
    void TearDown() override {
        Engine& engine = Engine::Instance();
        engine.DestroySpaces();
        engine.Shutdown();
    }

    // Handles events until the condition holds; X applies size changes asynchronously.
    template <typename Condition>
    bool PollUntil(Condition condition) {
        for (int i = 0; i < 200 && !condition(); ++i) {
            glfwWaitEventsTimeout(0.01);
        }
        return condition();
    }

    std::shared_ptr<Window> window;
};

TEST_F(WindowTest, OpensBorderlessAtTheScreenSize) {
    EXPECT_EQ(window->width, 1920);
    EXPECT_EQ(window->height, 1080);
    EXPECT_TRUE(window->fullScreen);
    EXPECT_EQ(glfwGetWindowAttrib(window->handle, GLFW_DECORATED), GLFW_FALSE);
    int width = 0;
    int height = 0;
    glfwGetWindowSize(window->handle, &width, &height);
    EXPECT_EQ(width, 1920);
    EXPECT_EQ(height, 1080);
}

TEST_F(WindowTest, ToggleFullScreenSwitchesBetweenFramedAndScreenSized) {
    window->ToggleFullScreen();
    EXPECT_FALSE(window->fullScreen);
    EXPECT_EQ(glfwGetWindowAttrib(window->handle, GLFW_DECORATED), GLFW_TRUE);
    EXPECT_TRUE(PollUntil([&] { return window->width == 1280 && window->height == 720; }));

    window->ToggleFullScreen();
    EXPECT_TRUE(window->fullScreen);
    EXPECT_EQ(glfwGetWindowAttrib(window->handle, GLFW_DECORATED), GLFW_FALSE);
    EXPECT_TRUE(PollUntil([&] { return window->width == 1920 && window->height == 1080; }));
    int x = -1;
    int y = -1;
    glfwGetWindowPos(window->handle, &x, &y);
    EXPECT_EQ(x, 0);
    EXPECT_EQ(y, 0);
}

TEST_F(WindowTest, CloseRequestOpensTheConfirmationAndKeepsTheWindow) {
    LoadLevel("levelSelectGear1", PlayableLevelMode);
    glfwSetWindowShouldClose(window->handle, GLFW_TRUE);
    window->Update(0.016f, Engine::Instance().CurrentSpace());
    EXPECT_EQ(glfwWindowShouldClose(window->handle), GLFW_FALSE);
    EXPECT_TRUE(IsCurrentSpace("confirmation"));
    EXPECT_EQ(Engine::Instance().spaces.size(), 2u);
}

TEST_F(WindowTest, LosingFocusInALevelOpensThePauseMenu) {
    LoadLevel("levelSelectGear1", PlayableLevelMode);
    window->OnFocus(0);
    EXPECT_TRUE(IsCurrentSpace("pauseMenu"));
    // The wait for focus ends at once: the test display leaves the window focused.
    window->Update(0.016f, Engine::Instance().CurrentSpace());
    EXPECT_TRUE(IsCurrentSpace("pauseMenu"));
}

TEST_F(WindowTest, LosingFocusOnAScreenOpensNothing) {
    LoadLevel("mainMenu", ScreenMode);
    window->OnFocus(0);
    window->Update(0.016f, Engine::Instance().CurrentSpace());
    EXPECT_TRUE(IsCurrentSpace("mainMenu"));
}

TEST_F(WindowTest, KeysFromARealXClientReachTheKeyState) {
    ASSERT_EQ(std::system("xdotool keydown a"), 0);
    EXPECT_TRUE(PollUntil([&] { return window->keys[65] == 1; }));
    ASSERT_EQ(std::system("xdotool keyup a"), 0);
    EXPECT_TRUE(PollUntil([&] { return window->keys[65] == 0; }));
}

TEST(WindowStart, WithoutADisplayEndsWithStatusMinusOne) {
    EXPECT_EXIT(
        {
            ::unsetenv("DISPLAY");
            ::unsetenv("WAYLAND_DISPLAY");
            Window window;
            window.Initialize();
        },
        testing::ExitedWithCode(255), "Failed to initialize GLFW");
}

}  // namespace
