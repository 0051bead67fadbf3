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
        // Re-decorating the window at start makes X take the focus away and give it back.
        // Asking for the focus is a round trip to the server, so once it returns those events
        // are queued, and the poll handles them before the test begins.
        glfwGetWindowAttrib(window->handle, GLFW_FOCUSED);
        glfwPollEvents();
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

    // The primary monitor's size (1920 x 1080 under the test display).
    static glm::ivec2 ScreenSize() {
        const GLFWvidmode* mode = glfwGetVideoMode(glfwGetPrimaryMonitor());
        return {mode->width, mode->height};
    }

    std::shared_ptr<Window> window;
};

TEST_F(WindowTest, OpensBorderlessAtTheScreenSize) {
    const glm::ivec2 screen = ScreenSize();
    EXPECT_EQ(window->width, screen.x);
    EXPECT_EQ(window->height, screen.y);
    EXPECT_TRUE(window->fullScreen);
    EXPECT_EQ(glfwGetWindowAttrib(window->handle, GLFW_DECORATED), GLFW_FALSE);
    int width = 0;
    int height = 0;
    glfwGetWindowSize(window->handle, &width, &height);
    EXPECT_EQ(glm::ivec2(width, height), screen);
}

TEST_F(WindowTest, ToggleFullScreenSwitchesBetweenFramedAndScreenSized) {
    window->ToggleFullScreen();
    EXPECT_FALSE(window->fullScreen);
    EXPECT_EQ(glfwGetWindowAttrib(window->handle, GLFW_DECORATED), GLFW_TRUE);
    EXPECT_TRUE(PollUntil([&] { return window->width == 1280 && window->height == 720; }));

    window->ToggleFullScreen();
    EXPECT_TRUE(window->fullScreen);
    EXPECT_EQ(glfwGetWindowAttrib(window->handle, GLFW_DECORATED), GLFW_FALSE);
    const glm::ivec2 screen = ScreenSize();
    EXPECT_TRUE(PollUntil([&] { return window->width == screen.x && window->height == screen.y; }));
    int x = -1;
    int y = -1;
    glfwGetWindowPos(window->handle, &x, &y);
    EXPECT_EQ(x, 0);
    EXPECT_EQ(y, 0);
}

TEST_F(WindowTest, CloseRequestOpensTheConfirmationAndKeepsTheWindow) {
    LoadLevel("levelSelectGear1", LoadMode::PlayableLevel);
    glfwSetWindowShouldClose(window->handle, GLFW_TRUE);
    window->Update(0.016f, Engine::Instance().CurrentSpace());
    EXPECT_EQ(glfwWindowShouldClose(window->handle), GLFW_FALSE);
    EXPECT_TRUE(IsCurrentSpace("confirmation"));
    EXPECT_EQ(Engine::Instance().spaces.size(), 2u);
}

TEST_F(WindowTest, LosingFocusInALevelOpensThePauseMenu) {
    LoadLevel("levelSelectGear1", LoadMode::PlayableLevel);
    window->OnFocus(0);
    EXPECT_TRUE(IsCurrentSpace("pauseMenu"));
    // The wait for focus ends at once: the test display leaves the window focused.
    window->Update(0.016f, Engine::Instance().CurrentSpace());
    EXPECT_TRUE(IsCurrentSpace("pauseMenu"));
}

TEST_F(WindowTest, LosingFocusOnAScreenOpensNothing) {
    LoadLevel("mainMenu", LoadMode::Screen);
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
