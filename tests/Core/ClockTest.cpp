#include <cstdint>

#include <gtest/gtest.h>

#include "Core/DorvoClock.h"
#include "Core/DorvoFPS.h"

namespace {

// A scripted clock: every reading moves time on by `step` nanoseconds.
std::int64_t fakeNow = 0;
std::int64_t step = 0;
int readings = 0;

std::int64_t ReadFakeClock() {
    ++readings;
    fakeNow += step;
    return fakeNow;
}

constexpr std::int64_t Millisecond = 1000000;
constexpr std::int64_t Second = 1000000000;

class ClockTest : public testing::Test {
protected:
    void SetUp() override {
        fakeNow = 0;
        step = 0;
        readings = 0;
    }
};

TEST_F(ClockTest, ClockTicksTheTimeSinceTheLastTick) {
    DorvoClock clock(ReadFakeClock);
    fakeNow += 250 * Millisecond;
    EXPECT_FLOAT_EQ(clock.Tick(), 0.25f);
    fakeNow += 100 * Millisecond;
    EXPECT_FLOAT_EQ(clock.Tick(), 0.1f);
    EXPECT_FLOAT_EQ(clock.TotalTime(), 0.35f);
}

TEST_F(ClockTest, LimiterWaitsOutTheFramePeriodFromTheEndOfTheLastTick) {
    DorvoFPS limiter(ReadFakeClock);
    step = Millisecond;
    limiter.Tick();
    const std::int64_t endOfFirstTick = fakeNow;
    readings = 0;
    const float frame = limiter.Tick();
    // Polled a millisecond at a time until 1/60 s had passed, then read once more for `last`.
    EXPECT_GE(frame, 1.0f / 60.0f);
    EXPECT_LT(frame, 1.0f / 60.0f + 0.0011f);
    EXPECT_EQ(readings, 18);
    EXPECT_EQ(fakeNow - endOfFirstTick, 18 * Millisecond);
}

TEST_F(ClockTest, LimiterDoesNotWaitAfterASlowFrame) {
    DorvoFPS limiter(ReadFakeClock);
    fakeNow += Second / 2;
    readings = 0;
    EXPECT_FLOAT_EQ(limiter.Tick(), 0.5f);
    EXPECT_EQ(readings, 2);
}

TEST_F(ClockTest, StallLongerThanASecondCountsAsOneNominalFrame) {
    DorvoFPS limiter(ReadFakeClock);
    fakeNow += 5 * Second / 2;
    EXPECT_EQ(limiter.Tick(), 1.0f / 60.0f);
}

}  // namespace
