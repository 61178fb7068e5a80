// Formatting and lookup helpers.
#include <gtest/gtest.h>

#include "app/interface_helpers.h"

TEST(TimeText, TwoDigitsEachAndMoreHoursPastNinetyNine) {
    EXPECT_EQ(timeText(3725), u"01:02:05");
    EXPECT_EQ(timeText(0), u"00:00:00");
    EXPECT_EQ(timeText(99 * 3600 + 59 * 60 + 59), u"99:59:59");
    EXPECT_EQ(timeText(100 * 3600), u"100:00:00");
}

TEST(LevelNumbers, ChapterGameAndBackground) {
    EXPECT_EQ(chapterOfLevel(1), 1);
    EXPECT_EQ(chapterOfLevel(10), 1);
    EXPECT_EQ(chapterOfLevel(11), 2);
    EXPECT_EQ(chapterOfLevel(100), 10);
    EXPECT_EQ(chapterOfLevel(0), -1);
    EXPECT_EQ(chapterOfLevel(101), -1);
    EXPECT_EQ(gameOfLevel(40), 10);
    EXPECT_EQ(gameOfLevel(41), 1);
    EXPECT_EQ(g_getCurrentBG(35), u"data/bg/bg4.jpg");
    EXPECT_EQ(g_getCurrentBG(80), u"data/bg/bg8.jpg");
    EXPECT_EQ(g_getCurrentBG(0), u"data/bg/bg1.jpg");
    EXPECT_EQ(g_getCurrentBG(81), u"data/bg/bg1.jpg");
}

TEST(SmallHelpers, PictureIndexFileCheckAndTracePoints) {
    EXPECT_EQ(itemPictureIndex(0), 3);
    EXPECT_EQ(itemPictureIndex(7), 7);
    EXPECT_EQ(fileCheck(u"/"), 1);
    EXPECT_EQ(fileCheck(u"/no/such/file"), 0);
    EXPECT_EQ(tracePoint(u"at ", 3, -4), u"at (3|-4)");
    EXPECT_EQ(tracePoint(u"", 1.5f, 2.0f), u"(1.50000000|2.00000000)");
}
