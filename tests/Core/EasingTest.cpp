#include <cmath>

#include <gtest/gtest.h>

#include "Core/Easing.h"

namespace {

struct NamedCurve {
    const char* name;
    EasingFunction curve;
};

const NamedCurve ExactCurves[] = {
    {"Linear", Easing::Linear},       {"InQuad", Easing::InQuad}, {"OutQuad", Easing::OutQuad},
    {"InOutQuad", Easing::InOutQuad}, {"InBack", Easing::InBack}, {"OutBack", Easing::OutBack},
    {"InOutBack", Easing::InOutBack},
};

TEST(Easing, CurvesRunFromBeginToBeginPlusChange) {
    for (const auto& [name, curve] : ExactCurves) {
        SCOPED_TRACE(name);
        EXPECT_FLOAT_EQ(curve(0.0f, 3.0f, 4.0f, 2.0f), 3.0f);
        EXPECT_NEAR(curve(2.0f, 3.0f, 4.0f, 2.0f), 7.0f, 1e-5f);
    }
}

TEST(Easing, QuadCurvesAtKnownPoints) {
    EXPECT_FLOAT_EQ(Easing::Linear(0.25f, 0.0f, 10.0f, 1.0f), 2.5f);
    EXPECT_FLOAT_EQ(Easing::InQuad(0.5f, 0.0f, 1.0f, 1.0f), 0.25f);
    EXPECT_FLOAT_EQ(Easing::OutQuad(0.5f, 0.0f, 1.0f, 1.0f), 0.75f);
    EXPECT_FLOAT_EQ(Easing::InOutQuad(0.25f, 0.0f, 1.0f, 1.0f), 0.125f);
    EXPECT_FLOAT_EQ(Easing::InOutQuad(0.5f, 0.0f, 1.0f, 1.0f), 0.5f);
    EXPECT_FLOAT_EQ(Easing::InOutQuad(0.75f, 0.0f, 1.0f, 1.0f), 0.875f);
}

TEST(Easing, BackCurvesUndershootAndOvershoot) {
    // 0.25 * (2.70158 * 0.5 - 1.70158)
    EXPECT_NEAR(Easing::InBack(0.5f, 0.0f, 1.0f, 1.0f), -0.0876975f, 1e-6f);
    // k = -0.3: 0.09 * (2.70158 * -0.3 + 1.70158) + 1
    EXPECT_NEAR(Easing::OutBack(0.7f, 0.0f, 1.0f, 1.0f), 1.0801995f, 1e-6f);
    EXPECT_GT(Easing::OutBack(0.7f, 0.0f, 1.0f, 1.0f), 1.0f);
    // h = 0.5: 0.5 * 0.25 * (3.5949094 * 0.5 - 2.5949094)
    EXPECT_NEAR(Easing::InOutBack(0.25f, 0.0f, 1.0f, 1.0f), -0.0996818f, 1e-6f);
    // k = -0.5: 0.5 * (0.25 * (3.5949094 * -0.5 + 2.5949094) + 2)
    EXPECT_NEAR(Easing::InOutBack(0.75f, 0.0f, 1.0f, 1.0f), 1.0996818f, 1e-6f);
}

TEST(Easing, InOutSineUsesThreePointOneFour) {
    const double expectedEnd = -0.5 * (std::cos(3.14) - 1.0);
    EXPECT_NEAR(Easing::InOutSine(1.0f, 0.0f, 1.0f, 1.0f), expectedEnd, 1e-6);
    EXPECT_LT(Easing::InOutSine(1.0f, 0.0f, 1.0f, 1.0f), 1.0f);
    EXPECT_FLOAT_EQ(Easing::InOutSine(0.0f, 2.0f, 1.0f, 1.0f), 2.0f);
}

TEST(Easing, OutElasticUsesSixPointTwoEight) {
    EXPECT_EQ(Easing::OutElastic(0.0f, 5.0f, 1.0f, 1.0f), 5.0f);
    // Only t = 2 * duration lands exactly on the end value.
    EXPECT_EQ(Easing::OutElastic(2.0f, 5.0f, 1.0f, 1.0f), 6.0f);
    // p = 0.3, s = 0.075: 2^-1 * sin(0.025 * 6.28 / 0.3) + 1
    const double expected = 0.5 * std::sin(0.025 * 6.28 / 0.3) + 1.0;
    EXPECT_NEAR(Easing::OutElastic(0.1f, 0.0f, 1.0f, 1.0f), expected, 1e-5);
}

}  // namespace
