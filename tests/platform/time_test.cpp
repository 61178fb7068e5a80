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

// Started mid-period, the loop is paced to the timer's ticks: each wait ends on the next tick.
TEST_F(Clock, TimerPacesTheLoopFromAnyStart) {
    initClock(true);
    advanceVirtualClock(7);
    Timer timer = createTimer(100);
    const int start = millisecs();
    advanceVirtualClock(3);
    for (int tick = 1; tick <= 3; ++tick) {
        EXPECT_EQ(waitTimer(timer), 1) << tick;
        EXPECT_EQ(millisecs(), start + 10 * tick) << tick;
    }
}

// The millisecond counter wraps at 2^32; a timer counts its ticks across the wrap.
TEST_F(Clock, TimerCountsAcrossTheWrapOfTheMillisecondCounter) {
    initClock(true);
    advanceVirtualClock(2147483647);
    advanceVirtualClock(2147483647 - 1000000 - 20);  // 2^32 - 22 ms after the start
    Timer timer = createTimer(40);
    EXPECT_EQ(waitTimer(timer), 1);
    EXPECT_EQ(waitTimer(timer), 1);
    EXPECT_EQ(timerTicks(timer), 2) << "across the wrap";
    EXPECT_LT(uint32_t(millisecs()), 100u) << "the counter has wrapped";
}

// On the real clock a wait returns once the next tick has come; how long that took is not
// checked, as a loaded machine may take any time.
TEST_F(Clock, RealTimerWaitsForItsNextTick) {
    initClock(false);
    Timer timer = createTimer(200);
    const int before = timerTicks(timer);
    EXPECT_GE(waitTimer(timer), 1);
    EXPECT_GT(timerTicks(timer), before);
}
