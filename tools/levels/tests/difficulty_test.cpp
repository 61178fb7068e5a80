// The difficulty table as the review script writes it, and its plot: level rows are read,
// headers and the chapter block after them are passed over, damaged rows are refused.
#include <gtest/gtest.h>

#include "difficulty.h"
#include "level_source.h"

namespace {

const std::string kTable =
    "# Difficulty of the levels\n"
    "\n"
    "| level | fresh moves | fresh seconds | fresh spread | carried moves | carried seconds "
    "| carried spread | unwon |\n"
    "| ---: | ---: | ---: | ---: | ---: | ---: | ---: | ---: |\n"
    "| 1 | 9 | 20 | 18-25 | 9 | 21 | 20-22 | 0 |\r\n"
    "| 10 | 40 | 90 | 60-300 | 35 | 80 | 70-95 | 1 |\n"
    "\n"
    "| chapter | mode | median seconds | hardest level | rank of the chapter end | over |\n"
    "| 1 | fresh | 55 | 10 | 1 | - |\n";

TEST(DifficultyTable, ReadsTheLevelRowsOnly) {
    const auto rows = levels::parseDifficultyTable(kTable, "difficulty.md");
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].level, 1);
    EXPECT_EQ(rows[0].fresh.median, 20);
    EXPECT_EQ(rows[0].fresh.low, 18);
    EXPECT_EQ(rows[0].fresh.high, 25);
    EXPECT_EQ(rows[1].carried.median, 80);
    EXPECT_EQ(rows[1].carried.high, 95);
}

TEST(DifficultyTable, RefusesADamagedLevelRow) {
    auto expectRefusal = [](const std::string& row) {
        const std::string text = "| level | a | b | c | d | e | f | g |\n" + row + "\n";
        EXPECT_THROW(levels::parseDifficultyTable(text, "difficulty.md"), levels::LevelError) << row;
    };
    expectRefusal("| 3 | 9 | 20 | 25-18 | 9 | 21 | 20-22 | 0 |");  // median outside its spread
    expectRefusal("| 3 | 9 | 20 | 18 | 9 | 21 | 20-22 | 0 |");
    expectRefusal("| 3 | 9 | x | 18-25 | 9 | 21 | 20-22 | 0 |");
    expectRefusal("| 81 | 9 | 20 | 18-25 | 9 | 21 | 20-22 | 0 |");
    expectRefusal("| 3 | 9 | 20 | 18-25 | 9 | 21 |");
}

// The pixel at (x, y) as red, green and blue.
std::array<int, 3> pixel(const tools::RgbaImage& image, int x, int y) {
    const std::uint8_t* p = &image.pixels[size_t(y * image.width + x) * 4];
    return {p[0], p[1], p[2]};
}

// Height of the bar standing at x on the base line, in the given colour.
int barHeight(const tools::RgbaImage& image, int x, std::array<int, 3> colour) {
    const int base = 24 + 420 - 1;
    int height = 0;
    while (height < 420 && pixel(image, x, base - height) == colour) ++height;
    return height;
}

TEST(DifficultyPlot, LongerLevelsStandTallerOnTheirChapterBand) {
    const auto rows = levels::parseDifficultyTable(kTable, "difficulty.md");
    const tools::RgbaImage image = levels::renderDifficulty(rows);
    ASSERT_GT(image.width, 80 * 10);
    const int level1 = 40, level10 = 40 + 9 * 14;
    const std::array<int, 3> fresh{236, 196, 84}, carried{92, 176, 236};
    EXPECT_GT(barHeight(image, level1, fresh), 50);
    EXPECT_GT(barHeight(image, level10, fresh), barHeight(image, level1, fresh) + 50) << "90 s against 20 s";
    EXPECT_GT(barHeight(image, level10 + 6, carried), 50);
    EXPECT_EQ(barHeight(image, 40 + 19 * 14, fresh), 0) << "level 20 has no row";
    EXPECT_EQ(pixel(image, level1 + 1, 24 + 10), (std::array<int, 3>{22, 44, 26})) << "chapter 1's tint";
}

}  // namespace
