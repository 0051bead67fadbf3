#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include <GLFW/glfw3.h>
#include <gtest/gtest.h>

#include "Core/Engine.h"
#include "components/MovingGearCollider.h"
#include "components/ParticleEmmiter.h"
#include "systems/GameplaySystem.h"
#include "systems/ScriptedGamepad.h"
#include "systems/Window.h"

// The input queries with scripted key events and a scripted gamepad; no window is opened.
namespace {

class WindowInputTest : public testing::Test {
protected:
    void SetUp() override {
        Engine& engine = Engine::Instance();
        window = std::make_shared<Window>();
        gameplay = std::make_shared<GameplaySystem>();
        engine.AddSystem(window);
        engine.AddSystem(gameplay);
        window->BindGamepadButtons();
    }
    void TearDown() override { Engine::Instance().Shutdown(); }

    ScriptedGamepad& PlugInGamepad() {
        auto pad = std::make_unique<ScriptedGamepad>();
        ScriptedGamepad& scripted = *pad;
        window->SetGamepad(std::move(pad));
        gameplay->gamepadPresent = 1;
        return scripted;
    }

    std::shared_ptr<Window> window;
    std::shared_ptr<GameplaySystem> gameplay;
};

TEST_F(WindowInputTest, TriggerIsSeenOncePerPressByEachQuery) {
    window->OnKey(GLFW_KEY_ENTER, GLFW_PRESS);
    EXPECT_TRUE(window->IsTriggered(GLFW_KEY_ENTER));
    EXPECT_FALSE(window->IsTriggered(GLFW_KEY_ENTER));  // same frame, second query
    window->OnKey(GLFW_KEY_ENTER, GLFW_REPEAT);         // held across frames
    EXPECT_FALSE(window->IsTriggered(GLFW_KEY_ENTER));
    EXPECT_TRUE(window->IsPressed(GLFW_KEY_ENTER));
    window->OnKey(GLFW_KEY_ENTER, GLFW_RELEASE);
    EXPECT_FALSE(window->IsTriggered(GLFW_KEY_ENTER));
    window->OnKey(GLFW_KEY_ENTER, GLFW_PRESS);
    EXPECT_TRUE(window->IsTriggered(GLFW_KEY_ENTER));
}

TEST_F(WindowInputTest, KeyCodesOutsideTheTableAreIgnored) {
    window->OnKey(GLFW_KEY_UNKNOWN, GLFW_PRESS);
    window->OnKey(1024, GLFW_PRESS);
    EXPECT_FALSE(window->IsPressed(1024));
    EXPECT_FALSE(window->IsTriggered(1024));
    EXPECT_FALSE(window->IsTriggered(-1));
}

TEST_F(WindowInputTest, StickRuleSetsAllFourKeysWhicheverWasAsked) {
    ScriptedGamepad& pad = PlugInGamepad();
    window->OnKey(GLFW_KEY_D, GLFW_PRESS);  // the keyboard is overruled by the stick
    pad.axes[0] = -0.9f;
    EXPECT_FALSE(window->IsPressed(GLFW_KEY_D));
    EXPECT_EQ(window->keys[GLFW_KEY_A], 1);
    EXPECT_TRUE(window->IsPressed(GLFW_KEY_A));
    pad.axes[0] = 0.39f;
    EXPECT_FALSE(window->IsPressed(GLFW_KEY_D));
    // The stick is compared in double precision: 0.4f lies just above 0.4.
    pad.axes[0] = 0.4f;
    EXPECT_TRUE(window->IsPressed(GLFW_KEY_D));
    pad.axes[1] = 0.41f;
    EXPECT_TRUE(window->IsPressed(GLFW_KEY_S));
}

TEST_F(WindowInputTest, WithAGamepadUnboundKeysReadAsUp) {
    PlugInGamepad();
    window->OnKey(GLFW_KEY_P, GLFW_PRESS);
    EXPECT_FALSE(window->IsTriggered(GLFW_KEY_P));
    EXPECT_FALSE(window->IsPressed(GLFW_KEY_P));
}

TEST_F(WindowInputTest, BoundKeysFollowTheirButtons) {
    ScriptedGamepad& pad = PlugInGamepad();
    window->OnKey(GLFW_KEY_ENTER, GLFW_PRESS);
    EXPECT_FALSE(window->IsTriggered(GLFW_KEY_ENTER));  // button 0 is up
    pad.buttons[0] = GLFW_PRESS;
    EXPECT_TRUE(window->IsTriggered(GLFW_KEY_ENTER));
    EXPECT_FALSE(window->IsTriggered(GLFW_KEY_ENTER));
    pad.buttons[6] = GLFW_PRESS;
    EXPECT_TRUE(window->IsPressed(82));  // R
}

TEST_F(WindowInputTest, GamepadWithoutAxesLeavesTheKeyboardAlone) {
    ScriptedGamepad& pad = PlugInGamepad();
    pad.axes.clear();
    window->OnKey(GLFW_KEY_P, GLFW_PRESS);
    EXPECT_TRUE(window->IsPressed(GLFW_KEY_P));
    EXPECT_TRUE(window->IsTriggered(GLFW_KEY_P));
}

// Records the boosts that reach it.
class BoostListener : public Component {
public:
    static constexpr ComponentType Type = ComponentType::Button;
    void OnBoost(BoostMessage* message) override { directions.push_back(message->direction); }
    std::vector<glm::vec3> directions;
};

class GamepadBoostTest : public WindowInputTest {
protected:
    void SetUp() override {
        WindowInputTest::SetUp();
        Engine::Instance().spaces.push_back(
            std::make_unique<Space>(LoadMode::PlayableLevel, "level", ""));
        Space* space = Engine::Instance().CurrentSpace();
        GameObject* player = space->CreateObject("velmo");
        space->IndexObject(player);
        collider = static_cast<MovingGearCollider*>(player->AddComponent(
            ComponentType::MovingGearCollider, std::make_unique<MovingGearCollider>()));
        emitter = static_cast<ParticleEmmiter*>(player->AddComponent(
            ComponentType::ParticleEmmiter, std::make_unique<ParticleEmmiter>()));
        listener = static_cast<BoostListener*>(
            player->AddComponent(ComponentType::Button, std::make_unique<BoostListener>()));
        pad = &PlugInGamepad();
        gameplay->boostCount = 2;
    }
    void TearDown() override {
        Engine::Instance().DestroySpaces();
        WindowInputTest::TearDown();
    }

    MovingGearCollider* collider = nullptr;
    ParticleEmmiter* emitter = nullptr;
    BoostListener* listener = nullptr;
    ScriptedGamepad* pad = nullptr;
};

TEST_F(GamepadBoostTest, RightStickBoostsOnceAlongTheStick) {
    pad->axes[4] = 0.9f;
    pad->axes[3] = -0.5f;
    window->IsPressed(GLFW_KEY_A);
    window->IsPressed(GLFW_KEY_D);  // latched: no second boost
    ASSERT_EQ(listener->directions.size(), 1u);
    EXPECT_EQ(listener->directions[0], glm::vec3(0.9f, 0.5f, 0.0f));
    EXPECT_TRUE(gameplay->boostLatch);
    EXPECT_FLOAT_EQ(gameplay->boostDelay, 2.0f - 0.02f);
}

TEST_F(GamepadBoostTest, LatchReleasesAfterItsDelayAndRestoresTheTrail) {
    pad->axes[4] = 0.9f;
    window->IsPressed(GLFW_KEY_A);
    emitter->SizeMinimum = 5.0f;
    emitter->UseDefaultColor = false;
    pad->axes[4] = 0.0f;
    int calls = 0;
    while (gameplay->boostLatch && calls < 200) {
        window->IsPressed(GLFW_KEY_W);
        ++calls;
    }
    EXPECT_FALSE(gameplay->boostLatch);
    EXPECT_GE(calls, 99);  // 0.02 per query from 2.0
    EXPECT_LE(calls, 101);
    EXPECT_EQ(emitter->SizeMinimum, 2.0f);
    EXPECT_EQ(emitter->SizeMaximum, 4.0f);
    EXPECT_TRUE(emitter->UseDefaultColor);
    EXPECT_EQ(listener->directions.size(), 1u);
}

TEST_F(GamepadBoostTest, StickHeldOutBoostsAgainOnceTheDelayHasRun) {
    pad->axes[3] = -0.9f;
    for (int call = 0; call < 150; ++call) {
        window->IsPressed(GLFW_KEY_S);
    }
    EXPECT_EQ(listener->directions.size(), 2u);
}

TEST_F(GamepadBoostTest, NoBoostWithoutBoostsLeftOrWhileTeleporting) {
    pad->axes[3] = 0.9f;
    gameplay->boostCount = 0;
    window->IsPressed(GLFW_KEY_A);
    gameplay->boostCount = 3;
    collider->teleporting = true;
    window->IsPressed(GLFW_KEY_A);
    EXPECT_TRUE(listener->directions.empty());
    EXPECT_FALSE(gameplay->boostLatch);
}

TEST_F(GamepadBoostTest, OnlyStickKeysRunTheBoost) {
    pad->axes[3] = 0.9f;
    window->IsPressed(GLFW_KEY_ENTER);
    window->IsTriggered(GLFW_KEY_A);
    EXPECT_TRUE(listener->directions.empty());
}

// Two raw layouts of a pad. The rules read the layout of the pads the game was made with, which
// a pad unknown to the controller database must bring itself: the right stick's vertical on
// axis 3 and its horizontal on 4. A common pad on Linux reports its left trigger (resting at
// -1) on axis 2, the right stick's horizontal on 3 and its vertical on 4, and Back and Start as
// buttons 8 and 9; the database knows it, and the game must read it through its mapping.
struct PadLayout {
    const char* name;
    int rightX;
    int rightY;
    int start;
    // A button that is Start on the other layout.
    int notStart;
    std::optional<ScriptedGamepad::DatabaseEntry> entry;
};

const PadLayout MadeWithPad{"MadeWithPadUnknownToTheDatabase", 4, 3, 7, 9, std::nullopt};
// Its database line: leftx:a0, lefty:a1, rightx:a3, righty:a4, lefttrigger:a2,
// righttrigger:a5, a:b0, b:b1, x:b3, y:b2, leftshoulder:b4, rightshoulder:b5, back:b8,
// start:b9, guide:b10, leftstick:b11, rightstick:b12 (buttons 6 and 7 are its triggers).
const PadLayout CommonLinuxPad{
    "CommonLinuxPadKnownToTheDatabase",
    3,
    4,
    9,
    7,
    ScriptedGamepad::DatabaseEntry{{0, 1, 3, 4, 2, 5},
                                   {0, 1, 3, 2, 4, 5, 8, 9, 10, 11, 12, -1, -1, -1, -1}}};

void PrintTo(const PadLayout& layout, std::ostream* out) {
    *out << layout.name;
}

class GamepadLayoutTest : public GamepadBoostTest, public testing::WithParamInterface<PadLayout> {
protected:
    void SetUp() override {
        GamepadBoostTest::SetUp();
        pad->known = GetParam().entry;
        if (GetParam().entry) {
            pad->axes[2] = -1.0f;  // the trigger at rest
            pad->axes[5] = -1.0f;
        }
    }

    // Pushes the right stick (down positive) and asks for a stick key, as the player controller
    // does each frame; the boost latch is released first, so each push may boost once.
    void PushRightStick(float x, float y) {
        gameplay->boostLatch = false;
        pad->axes[GetParam().rightX] = x;
        pad->axes[GetParam().rightY] = y;
        window->IsPressed(GLFW_KEY_A);
    }
};

TEST_P(GamepadLayoutTest, TheBoostFollowsTheRightStickEveryWay) {
    PushRightStick(0.0f, -1.0f);  // up
    PushRightStick(0.0f, 1.0f);   // down
    PushRightStick(-1.0f, 0.0f);  // left
    PushRightStick(1.0f, 0.0f);   // right
    ASSERT_EQ(listener->directions.size(), 4u) << GetParam().name;
    EXPECT_EQ(listener->directions[0], glm::vec3(0.0f, 1.0f, 0.0f)) << "up";
    EXPECT_EQ(listener->directions[1], glm::vec3(0.0f, -1.0f, 0.0f)) << "down";
    EXPECT_EQ(listener->directions[2], glm::vec3(-1.0f, 0.0f, 0.0f)) << "left";
    EXPECT_EQ(listener->directions[3], glm::vec3(1.0f, 0.0f, 0.0f)) << "right";
}

TEST_P(GamepadLayoutTest, AtRestTheStickKeysAreUpAndNothingBoosts) {
    EXPECT_FALSE(window->IsPressed(GLFW_KEY_A));
    EXPECT_FALSE(window->IsPressed(GLFW_KEY_D));
    EXPECT_FALSE(window->IsPressed(GLFW_KEY_W));
    EXPECT_FALSE(window->IsPressed(GLFW_KEY_S));
    EXPECT_TRUE(listener->directions.empty()) << GetParam().name;
}

TEST_P(GamepadLayoutTest, StartPausesAndTheLeftStickRolls) {
    pad->buttons[GetParam().notStart] = GLFW_PRESS;
    EXPECT_FALSE(window->IsTriggered(GLFW_KEY_M)) << GetParam().name;
    pad->buttons[GetParam().start] = GLFW_PRESS;
    EXPECT_TRUE(window->IsTriggered(GLFW_KEY_M)) << GetParam().name;
    pad->axes[0] = 0.9f;
    pad->axes[1] = -0.9f;
    EXPECT_TRUE(window->IsPressed(GLFW_KEY_D));
    EXPECT_TRUE(window->IsPressed(GLFW_KEY_W));
}

INSTANTIATE_TEST_SUITE_P(TwoRawLayouts, GamepadLayoutTest,
                         testing::Values(MadeWithPad, CommonLinuxPad),
                         [](const testing::TestParamInfo<PadLayout>& info) {
                             return std::string(info.param.name);
                         });

TEST(WindowLetterbox, KeepsSixteenByNineCentred) {
    EXPECT_EQ(Window::Letterbox(1920, 1200), glm::ivec4(0, 60, 1920, 1080));
    EXPECT_EQ(Window::Letterbox(1000, 1000), glm::ivec4(0, 219, 1000, 563));
    EXPECT_EQ(Window::Letterbox(2560, 1080), glm::ivec4(320, 0, 1920, 1080));
    EXPECT_EQ(Window::Letterbox(1920, 1080), glm::ivec4(0, 0, 1920, 1080));
}

}  // namespace
