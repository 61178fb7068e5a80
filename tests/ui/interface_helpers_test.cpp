// Formatting and lookup helpers.
#include <gtest/gtest.h>

#include "font/game_fonts.h"
#include "persist/language_file.h"
#include "platform/headless_fixture.h"
#include "ui/interface_helpers.h"

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

TEST(LevelName, ChapterAndGameInTheEditionsWords) {
    vexaTLanguageFile saved = languageFile;
    languageFile = vexaTLanguageFile();
    languageFile.lang[u"chapter"] = u"Chapter";
    languageFile.lang[u"game"] = u"Game";
    EXPECT_EQ(levelName(23), u"Chapter 3 - Game 3");
    EXPECT_EQ(levelName(40), u"Chapter 4 - Game 10");
    languageFile = saved;
}

namespace {

// Leftmost and rightmost lit columns within a band of rows.
std::pair<int, int> litSpan(const Pixmap& screen, int top, int bottom) {
    int first = screen.width, last = -1;
    for (int y = top; y < bottom; ++y) {
        for (int x = 0; x < screen.width; ++x) {
            if (screen.at(x, y).r + screen.at(x, y).g + screen.at(x, y).b > 150) {
                first = std::min(first, x);
                last = std::max(last, x);
            }
        }
    }
    return {first, last};
}

class CentredLines : public HeadlessDisplay {};

TEST_F(CentredLines, EachPartIsCentredOnItsOwn) {
    loadGameFonts();
    ASSERT_EQ(fontText.FontLoaded(), 1) << "run from the build folder with its data";
    setBlend(BLEND_ALPHA);
    drawCentredLines(u"MM%nMMMMMMMM", fontText, 512, 100);
    Pixmap screen = grabBackBuffer();
    int height = fontText.GetFontHeight();
    auto [firstLeft, firstRight] = litSpan(screen, 100, 100 + height);
    auto [secondLeft, secondRight] = litSpan(screen, 100 + height, 100 + 2 * height);
    EXPECT_LT(secondLeft, firstLeft);
    EXPECT_GT(secondRight, firstRight);
    EXPECT_NEAR(firstLeft + firstRight, 1024, 8);
    EXPECT_NEAR(secondLeft + secondRight, 1024, 8);
}

}  // namespace
