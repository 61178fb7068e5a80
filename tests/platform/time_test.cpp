#include <gtest/gtest.h>

#include "platform/internal.h"

namespace {

class Clock : public ::testing::Test {
protected:
    void TearDown() override { initClock(false); }
};

}  // namespace

TEST_F(Clock, VirtualClockMovesOnlyThroughWaitTimer) {
    initClock(true);
    const int start = millisecs();
    Timer frame = createTimer(40);
    EXPECT_EQ(millisecs(), start);
    EXPECT_EQ(waitTimer(frame), 1);
    EXPECT_EQ(millisecs(), start + 25);
    EXPECT_EQ(waitTimer(frame), 1);
    EXPECT_EQ(timerTicks(frame), 2);
    advanceVirtualClock(10);
    EXPECT_EQ(waitTimer(frame), 1);  // waits the rest of the period only
    EXPECT_EQ(millisecs(), start + 75);

    initClock(true);
    EXPECT_EQ(millisecs(), start);  // every run starts at the same time
}

TEST_F(Clock, SlowFrameReturnsMissedTicksAtOnce) {
    initClock(true);
    Timer frame = createTimer(40);
    Timer second = createTimer(1);
    advanceVirtualClock(3 * 25);
    const int before = millisecs();
    EXPECT_EQ(waitTimer(frame), 3);
    EXPECT_EQ(millisecs(), before);
    EXPECT_EQ(timerTicks(second), 0);
    advanceVirtualClock(1000);
    EXPECT_EQ(timerTicks(second), 1);
    EXPECT_EQ(waitTimer(frame), 40);
}

TEST_F(Clock, InvalidTimersAreNone) {
    EXPECT_FALSE(createTimer(0));
    EXPECT_FALSE(createTimer(-5));
    EXPECT_EQ(waitTimer(nullptr), 0);
    EXPECT_EQ(timerTicks(nullptr), 0);
}

TEST_F(Clock, RealTimerPacesTheLoop) {
    initClock(false);
    Timer timer = createTimer(100);
    const int start = millisecs();
    int ticks = 0;
    for (int i = 0; i < 3; ++i) ticks += waitTimer(timer);
    const int elapsed = millisecs() - start;
    EXPECT_GE(ticks, 3);
    EXPECT_GE(elapsed, 19);
    EXPECT_LT(elapsed, 500);
}
