// The compiled files as the game reads them: 260 little-endian values per level
// in row order with code - 1, the goal table level by level, the file names, the
// review sheet, and the shipped level sources passing every rule.
#include <cstdint>
#include <numeric>

#include <gtest/gtest.h>

#include "level_files.h"
#include "level_test_support.h"
#include "overview.h"

using namespace levels_testing;

namespace {

std::int32_t valueAt(const tools::Bytes& bytes, size_t index) {
    const size_t at = index * 4;
    return std::int32_t(std::uint32_t(bytes[at]) | std::uint32_t(bytes[at + 1]) << 8 |
                        std::uint32_t(bytes[at + 2]) << 16 | std::uint32_t(bytes[at + 3]) << 24);
}

// The value the game reads for file row and column (both from 1).
std::int32_t valueAt(const tools::Bytes& bytes, int row, int column) {
    return valueAt(bytes, size_t((row - 1) * 20 + column - 1));
}

TEST(LevelFiles, EachMapCharacterBecomesItsCodeMinusOneInRowOrder) {
    auto map = blockMap();
    put(map, 3, 4, 'm');
    put(map, 8, 8, 'S');
    put(map, 7, 3, 'D');
    const tools::Bytes bytes = levels::encodeLevel(parse(map, 30));
    ASSERT_EQ(bytes.size(), 1040u);
    EXPECT_EQ(valueAt(bytes, 1, 1), -1);
    EXPECT_EQ(bytes[0], 0xFF);
    EXPECT_EQ(valueAt(bytes, 3, 3), 0) << "plain cell, code 1";
    EXPECT_EQ(valueAt(bytes, 3, 4), 3) << "moss, code 4";
    EXPECT_EQ(valueAt(bytes, 8, 8), 4) << "stone, code 5";
    EXPECT_EQ(valueAt(bytes, 7, 3), 5) << "door, code 6";
    EXPECT_EQ(valueAt(bytes, 3, 9), -1);
    EXPECT_EQ(valueAt(bytes, 13, 20), -1);
}

TEST(LevelFiles, TheGoalTableHoldsFiveCountsPerLevelInTurn) {
    const std::vector<levels::LevelSource> two{parse(blockMap(), 1, "1 2 3 0 5"),
                                               parse(blockMap(), 2, "6 7 8 9 300")};
    const tools::Bytes bytes = levels::encodeGoalTable(two);
    ASSERT_EQ(bytes.size(), 40u);
    const std::vector<int> expected{1, 2, 3, 0, 5, 6, 7, 8, 9, 300};
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(valueAt(bytes, i), expected[i]) << "value " << i;
    }
}

TEST(LevelFiles, NamesFollowTheGamesNumbering) {
    EXPECT_EQ(levels::levelPath(0), "data/levels/lvla000.lvl");
    EXPECT_EQ(levels::levelPath(9), "data/levels/lvla009.lvl");
    EXPECT_EQ(levels::levelPath(80), "data/levels/lvla080.lvl");
    EXPECT_EQ(levels::sourceName(42), "level042.txt");
}

TEST(LevelFiles, TheShippedLevelsKeepEveryRule) {
    std::vector<levels::LevelSource> shipped;
    ASSERT_NO_THROW(shipped = levels::loadLevels(PENDREL_LEVEL_SOURCES));
    ASSERT_EQ(shipped.size(), 80u);
    EXPECT_EQ(shipped[0].goals[3], 0);
    // The campaign asks for more from chapter to chapter.
    auto chapterGoals = [&](int chapter) {
        int total = 0;
        for (int level = chapter * 10; level < chapter * 10 + 10; ++level) {
            total += std::accumulate(shipped[size_t(level)].goals.begin(),
                                     shipped[size_t(level)].goals.end(), 0);
        }
        return total;
    };
    for (int chapter = 1; chapter < 8; ++chapter) {
        EXPECT_GT(chapterGoals(chapter), chapterGoals(chapter - 1)) << "chapter " << chapter + 1;
    }
}

TEST(LevelOverview, PlacesEachLevelByItsNumber) {
    auto map = blockMap();
    put(map, 3, 3, 'm');
    const tools::RgbaImage sheet = levels::renderOverview({parse(map, 12)});
    EXPECT_EQ(sheet.width, 1360);
    ASSERT_EQ(sheet.height % 2, 0) << "two rows of tiles for level 12";
    // Level 12 is the second tile of the second row; its map starts below the number.
    const int tileHeight = sheet.height / 2;
    const int x = 136 + 8 + 2 * 6 + 2;
    const int y = tileHeight + 8 + 10 + 4 + 2 * 6 + 2;
    const std::uint8_t* moss = &sheet.pixels[size_t(y * sheet.width + x) * 4];
    EXPECT_GT(moss[1], moss[0]) << "the moss cell is drawn green";
    EXPECT_GT(moss[1], moss[2]);
}

}  // namespace
