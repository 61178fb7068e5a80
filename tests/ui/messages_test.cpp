// Floating messages: adding, drifting, shifting at the right edge and expiring.
#include <gtest/gtest.h>

#include "font/game_fonts.h"
#include "ui/messages.h"

namespace {

TEST(Messages, NothingAtOrAboveTheTopEdge) {
    vexaTMessageHandler handler;
    handler.addMessage(u"+50", 10, 0);
    handler.addMessage(u"+50", 10, -3);
    EXPECT_TRUE(handler._listMessages.empty());
    handler.addMessage(u"+50", 10, 1);
    EXPECT_EQ(handler._listMessages.size(), 1u);
    EXPECT_EQ(handler._listMessages.front().r, 1);
}

TEST(Messages, DriftUpAndExpireAtFortyFiveFrames) {
    vexaTMessageHandler handler;
    handler.addMessage(u"+50", 100, 300);
    for (int frame = 1; frame <= 43; ++frame) handler.Update();
    ASSERT_EQ(handler._listMessages.size(), 1u);
    EXPECT_EQ(handler._listMessages.front().r, 44);
    EXPECT_EQ(handler._listMessages.front().y, 257);
    handler.Update();
    EXPECT_TRUE(handler._listMessages.empty());
}

TEST(Messages, TextRunningPastTheRightEdgeIsShiftedOnce) {
    loadGameFonts();
    ASSERT_EQ(fontText.FontLoaded(), 1) << "run from the build folder with its data";
    vexaTMessageHandler handler;
    handler.addMessage(u"Points +2.000", 1020, 300);
    handler.Update();
    float width = float(fontText.GetTxtWidth(u"Points +2.000"));
    EXPECT_FLOAT_EQ(handler._listMessages.front().x, 1024 - width);
    handler.Update();
    EXPECT_FLOAT_EQ(handler._listMessages.front().x, 1024 - width);
}

TEST(Messages, FadeFollowsTheAgeAndLeavesTheLastAlpha) {
    vexaTMessageHandler handler;
    handler.addMessage(u"a", 10, 100);
    setAlpha(0.5f);
    handler.Update();  // age 2
    EXPECT_NEAR(getAlpha(), 0.5f * cosDeg(8), 1e-5);
    setAlpha(1);
}

}  // namespace
