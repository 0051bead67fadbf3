#include <sstream>
#include <string>
#include <vector>

#include <GLFW/glfw3.h>
#include <gtest/gtest.h>

#include "InputScript.h"
#include "Plan.h"

// A solver's plan as the replay file it becomes, read back as the trace tool reads replays.
namespace {

InputScript AsReplay(const Plan& plan) {
    std::istringstream text(plan.InputText());
    return InputScript::Read(text, "plan.input");
}

TEST(PlanTest, ABoostingPlanSpeaksThePadsLanguageAndFlicksTheRightStickForOneFrame) {
    Plan plan;
    plan.gamepad = true;
    plan.decisions = {{5, Roll::Right, false, Boost::None},
                      {137, Roll::Right, false, Boost::UpLeft},
                      {161, Roll::Left, true, Boost::None}};
    const InputScript replay = AsReplay(plan);
    EXPECT_TRUE(replay.UsesGamepad());

    // The stick pushed right, then the boost: right stick up-left (axis 4 is x, axis 3 is y
    // down positive), let go in the next frame; then the stick left and the jump button.
    const auto& roll = replay.EventsOf(5);
    ASSERT_EQ(roll.size(), 1u);
    EXPECT_EQ(roll[0].kind, InputEvent::Kind::Axis);
    EXPECT_EQ(roll[0].code, 0);
    EXPECT_EQ(roll[0].value, 1.0f);
    const auto& flick = replay.EventsOf(137);
    ASSERT_EQ(flick.size(), 2u);
    EXPECT_EQ(flick[0].code, 4);
    EXPECT_LT(flick[0].value, -0.4f);
    EXPECT_EQ(flick[1].code, 3);
    EXPECT_LT(flick[1].value, -0.4f);
    for (const InputEvent& event : replay.EventsOf(138)) {
        EXPECT_EQ(event.value, 0.0f) << "axis " << event.code;
    }
    const auto& jump = replay.EventsOf(161);
    ASSERT_EQ(jump.size(), 2u);
    EXPECT_EQ(jump[0].value, -1.0f);
    EXPECT_EQ(jump[1].kind, InputEvent::Kind::Button);
    EXPECT_TRUE(jump[1].down);
    ASSERT_EQ(replay.EventsOf(162).size(), 1u);
    EXPECT_FALSE(replay.EventsOf(162)[0].down);
    EXPECT_EQ(Plan::Describe(plan.decisions[1], Roll::Right), "frame 137: boost up-left");
}

TEST(PlanTest, AKeyboardPlanHoldsOneRollKeyAtATime) {
    Plan plan;
    plan.decisions = {{5, Roll::Right, false, Boost::None}, {40, Roll::Left, true, Boost::None}};
    const InputScript replay = AsReplay(plan);
    EXPECT_FALSE(replay.UsesGamepad());
    const auto& change = replay.EventsOf(40);
    ASSERT_EQ(change.size(), 3u);
    EXPECT_EQ(change[0].code, GLFW_KEY_D);
    EXPECT_FALSE(change[0].down);
    EXPECT_EQ(change[1].code, GLFW_KEY_A);
    EXPECT_TRUE(change[1].down);
    EXPECT_EQ(change[2].code, GLFW_KEY_SPACE);
    EXPECT_EQ(Plan::Describe(plan.decisions[1], Roll::Right), "frame 40: roll left and jump");
}

}  // namespace
