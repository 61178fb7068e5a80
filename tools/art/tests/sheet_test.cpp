// Review sheets: shrinking keeps colours true at transparent edges, and the grid
// holds every picture.
#include <gtest/gtest.h>

#include "art/sheet.h"

namespace art {
namespace {

TEST(Sheets, ShrinkingIgnoresTheColourOfTransparentPixels) {
    // Two opaque red pixels beside two transparent black ones: the average is half-covered red.
    const tools::RgbaImage image{2, 2, {255, 0, 0, 255, 0, 0, 0, 0, 255, 0, 0, 255, 0, 0, 0, 0}};
    const tools::RgbaImage small = shrink(image, 2);
    ASSERT_EQ(small.width, 1);
    EXPECT_EQ(small.pixels[0], 255);
    EXPECT_EQ(small.pixels[3], 127);
}

TEST(Sheets, GridGrowsByRowsAndShrinksLargePictures) {
    const tools::RgbaImage big{300, 200, std::vector<uint8_t>(300 * 200 * 4, 255)};
    const tools::RgbaImage sheet = tileSheet({big, big, big}, 2, 100, 80);
    EXPECT_EQ(sheet.width, 200);
    EXPECT_EQ(sheet.height, 160);
    EXPECT_EQ(sheet.pixels[(size_t(40) * 200 + 50) * 4], 255);  // the first picture, shrunk into its cell
}

TEST(Sheets, FileNamesSortByTheValueOfTheirNumbers) {
    EXPECT_TRUE(naturalLess("story2.jpg", "story10.jpg"));
    EXPECT_FALSE(naturalLess("story10.jpg", "story2.jpg"));
    EXPECT_TRUE(naturalLess("bg8.jpg", "loadbg.jpg"));
    EXPECT_TRUE(naturalLess("item1-9.png", "item1-10.png"));
    EXPECT_TRUE(naturalLess("cell", "cellmask"));
    EXPECT_FALSE(naturalLess("cell", "cell"));
    EXPECT_TRUE(naturalLess("a007", "a12"));
    EXPECT_TRUE(naturalLess("a99999999999999999999999", "a100000000000000000000000"));  // beyond any integer
}

}  // namespace
}  // namespace art
