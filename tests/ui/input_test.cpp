// The per-frame input snapshot and the pointer position.
#include <gtest/gtest.h>

#include "platform/platform.h"
#include "ui/input.h"

namespace {

class InputSnapshotTest : public ::testing::Test {
protected:
    void SetUp() override {
        flushKeys();
        flushMouse();
        mouseHit(1);
        snapshot = vexaTInput();
        snapshot._MausOK = 1;
    }

    void poll() {
        snapshot.FlushInput();
        snapshot.Update();
    }

    vexaTInput snapshot;
};

TEST_F(InputSnapshotTest, ClickIsSeenForExactlyOneFrame) {
    injectMouseButton(1, true);
    injectMouseButton(1, false);
    poll();
    EXPECT_EQ(snapshot._MausFireLeft, 1);
    poll();
    EXPECT_EQ(snapshot._MausFireLeft, 0);
}

TEST_F(InputSnapshotTest, TwoPressesInOneFrameCountTwo) {
    for (int i = 0; i < 2; ++i) {
        injectMouseButton(1, true);
        injectMouseButton(1, false);
    }
    poll();
    EXPECT_EQ(snapshot._MausFireLeft, 2);
}

TEST_F(InputSnapshotTest, HeldCountRisesAndDropsOnRelease) {
    injectMouseButton(1, true);
    for (int expected = 1; expected <= 3; ++expected) {
        poll();
        EXPECT_EQ(snapshot._MausDownLeftCount, expected);
    }
    injectMouseButton(1, false);
    poll();
    EXPECT_EQ(snapshot._MausDownLeftCount, 0);
}

TEST_F(InputSnapshotTest, MouseOffIgnoresMouseButReadsKeys) {
    snapshot._MausOK = 0;
    injectMouseMove(300, 200);
    injectMouseButton(1, true);
    injectKey(KEY_SPACE, true);
    injectKey(KEY_F1 + 2, true);
    poll();
    EXPECT_EQ(snapshot._MausFireLeft, 0);
    EXPECT_EQ(snapshot._MausDownLeft, 0);
    EXPECT_EQ(snapshot._MausX, 0);
    EXPECT_EQ(snapshot._Space, 1);
    EXPECT_EQ(snapshot._F3, 1);
    EXPECT_EQ(snapshot.functionKey(3), 1);
    injectMouseButton(1, false);
    injectKey(KEY_SPACE, false);
    injectKey(KEY_F1 + 2, false);
}

TEST_F(InputSnapshotTest, EscapeIsAHitAndFlushKeepsPosition) {
    injectMouseMove(40, 50);
    for (int i = 0; i < 2; ++i) {
        injectKey(KEY_ESCAPE, true);
        injectKey(KEY_ESCAPE, false);
    }
    poll();
    EXPECT_EQ(snapshot._Escape, 1);
    EXPECT_EQ(snapshot._MausX, 40);
    snapshot.FlushInput();
    EXPECT_EQ(snapshot._Escape, 0);
    EXPECT_EQ(snapshot._MausX, 40);
    EXPECT_EQ(snapshot._MausY, 50);
    EXPECT_EQ(snapshot._MausOK, 1);
}

TEST(MousePointer, RatioAppliesOnlyWhenEnabled) {
    vexaTMousePointer pointer;
    pointer._ratioX = 2.0f;
    pointer._ratioY = 0.5f;
    pointer.setXY(100, 100);
    EXPECT_FLOAT_EQ(pointer._x, 200);
    EXPECT_FLOAT_EQ(pointer._y, 50);
    pointer._isUsingRatio = 0;
    pointer.setXY(100, 100);
    EXPECT_FLOAT_EQ(pointer._x, 100);
    EXPECT_FLOAT_EQ(pointer._absY, 100);
}

TEST(MousePointer, GraphicModeToggles) {
    vexaTMousePointer pointer;
    pointer.toggleGFXMode();
    EXPECT_EQ(pointer._useGFXPointer, 0);
    pointer.toggleGFXMode();
    EXPECT_EQ(pointer._useGFXPointer, 1);
    EXPECT_EQ(pointer.Update(), 0) << "an unloaded pointer picture draws nothing";
}

}  // namespace
