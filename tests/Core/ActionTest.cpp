#include <memory>

#include <gtest/gtest.h>

#include "Core/Action.h"
#include "Core/ActionGroup.h"
#include "Core/ActionSequence.h"
#include "Core/Observer.h"

namespace {

TEST(Action, LinearTenthsReadOneToNineThenExactlyTen) {
    float value = 0.0f;
    Action action(&value, 10.0f, 1.0f, Easing::Linear);
    for (int step = 1; step <= 9; ++step) {
        action.Update(0.1f);
        EXPECT_NEAR(value, static_cast<float>(step), 1e-5f);
        EXPECT_FALSE(action.finished);
    }
    action.Update(0.1f);
    EXPECT_EQ(value, 10.0f);
    EXPECT_TRUE(action.finished);
}

TEST(Action, StartEqualToEndHoldsAndFinishesAfterDuration) {
    float value = 4.0f;
    Action action(&value, 4.0f, 0.5f, Easing::OutBack);
    action.Update(0.3f);
    EXPECT_EQ(value, 4.0f);
    EXPECT_FALSE(action.finished);
    action.Update(0.3f);
    EXPECT_EQ(value, 4.0f);
    EXPECT_TRUE(action.finished);
}

TEST(Action, StepLongerThanDurationWritesTheEnd) {
    glm::vec3 position(1.0f, 2.0f, 3.0f);
    Action action(&position, glm::vec3(4.0f, 5.0f, 6.0f), 0.1f, Easing::InOutQuad);
    action.Update(5.0f);
    EXPECT_EQ(position, glm::vec3(4.0f, 5.0f, 6.0f));
    EXPECT_TRUE(action.finished);
    // A finished action writes nothing more.
    position = glm::vec3(0.0f);
    action.Update(0.1f);
    EXPECT_EQ(position, glm::vec3(0.0f));
}

TEST(Action, DrivesFourConsecutiveFloats) {
    glm::vec4 colour(0.0f, 0.0f, 0.0f, 1.0f);
    Action action(&colour, glm::vec4(1.0f, 0.5f, 0.0f, 0.0f), 1.0f, Easing::Linear);
    action.Update(0.5f);
    EXPECT_EQ(colour, glm::vec4(0.5f, 0.25f, 0.0f, 0.5f));
}

TEST(ActionSequence, NextChildStartsFromTheCurrentValue) {
    float value = 0.0f;
    ActionSequence sequence;
    sequence.Add(std::make_shared<Action>(&value, 10.0f, 0.1f, Easing::Linear));
    // Armed now from 0; the sequence must re-arm it from 10 when its turn comes.
    sequence.Add(std::make_shared<Action>(&value, 20.0f, 0.1f, Easing::Linear));

    sequence.Update(0.5f);  // overshoots the first child; no time carries into the second
    EXPECT_EQ(value, 10.0f);
    EXPECT_FALSE(sequence.finished);

    sequence.Update(0.05f);
    EXPECT_FLOAT_EQ(value, 15.0f);
    sequence.Update(0.05f);
    EXPECT_EQ(value, 20.0f);
    EXPECT_TRUE(sequence.finished);
}

TEST(ActionSequence, EmptySequenceFinishesAtOnce) {
    ActionSequence sequence;
    sequence.Update(0.016f);
    EXPECT_TRUE(sequence.finished);
}

TEST(ActionGroup, ChildrenRunTogetherUntilAllAreDone) {
    float a = 0.0f;
    float b = 0.0f;
    ActionGroup group;
    auto shortChild = std::make_shared<Action>(&a, 1.0f, 0.1f, Easing::Linear);
    group.Add(shortChild);
    group.Add(std::make_shared<Action>(&b, 1.0f, 0.2f, Easing::Linear));

    group.Update(0.1f);
    EXPECT_EQ(a, 1.0f);
    EXPECT_FLOAT_EQ(b, 0.5f);
    group.Update(0.1f);
    EXPECT_EQ(b, 1.0f);
    EXPECT_FALSE(group.finished);  // b finished during this walk: it leaves on the next one
    group.Update(0.1f);
    EXPECT_TRUE(group.finished);
    // Removed children are let go, not destroyed under their other owners.
    EXPECT_TRUE(shortChild->finished);
}

TEST(Observer, AddActionKeepsItsOwnCopy) {
    Observer observer;
    float value = 0.0f;
    {
        Action onStack(&value, 1.0f, 1.0f, Easing::Linear);
        observer.AddAction(onStack);
    }
    observer.UpdateActions(0.5f);
    EXPECT_FLOAT_EQ(value, 0.5f);
}

TEST(Observer, FinishedActionLeavesOnTheNextPass) {
    Observer observer;
    float value = 0.0f;
    observer.AddAction(Action(&value, 1.0f, 0.016f, Easing::Linear));
    observer.UpdateActions(0.016f);
    EXPECT_EQ(value, 1.0f);
    EXPECT_EQ(observer.actions.size(), 1u);
    observer.UpdateActions(0.016f);
    EXPECT_TRUE(observer.actions.empty());
}

TEST(Observer, CopiedSequenceSharesItsChildren) {
    Observer observer;
    float value = 0.0f;
    ActionSequence sequence;
    auto child = std::make_shared<Action>(&value, 2.0f, 1.0f, Easing::Linear);
    sequence.Add(child);
    observer.AddAction(sequence);
    observer.UpdateActions(0.5f);
    EXPECT_FLOAT_EQ(child->elapsed, 0.5f);
    EXPECT_FLOAT_EQ(value, 1.0f);
}

}  // namespace
