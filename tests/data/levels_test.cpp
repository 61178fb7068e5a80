// The generated level files as the game reads them: 80 files of 260 little-endian
// values (cell code - 1, row by row), boards that leave item slots for refills, the goal
// table of five counts per level, with no colour 4 asked for on level 1, and boards built by
// the game that hold every block their sources draw.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "match3/board_fixture.h"

namespace {

constexpr int LEVELS = 80;

std::vector<std::uint8_t> readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::int32_t> readInts(const std::string& path) {
    const std::vector<std::uint8_t> bytes = readBytes(path);
    std::vector<std::int32_t> values;
    for (size_t at = 0; at + 4 <= bytes.size(); at += 4) {
        values.push_back(std::int32_t(std::uint32_t(bytes[at]) | std::uint32_t(bytes[at + 1]) << 8 |
                                      std::uint32_t(bytes[at + 2]) << 16 |
                                      std::uint32_t(bytes[at + 3]) << 24));
    }
    return values;
}

std::string levelFile(int number) {
    char name[40];
    std::snprintf(name, sizeof name, "data/levels/lvla%03d.lvl", number);
    return name;
}

TEST(LevelData, EightyLevelsOf260Values) {
    for (int level = 1; level <= LEVELS; ++level) {
        EXPECT_EQ(readBytes(levelFile(level)).size(), 1040u) << levelFile(level);
    }
}

// Plain, moss, stone and door cells only; none in file rows 1 and 2 (under the top bar)
// or column 1; every column one run of at most 11 cells; cells and one brake per column within 140
// item slots.
TEST(LevelData, BoardsFitTheRasterAndTheItemSlots) {
    for (int level = 1; level <= LEVELS; ++level) {
        SCOPED_TRACE(levelFile(level));
        const std::vector<std::int32_t> values = readInts(levelFile(level));
        ASSERT_EQ(values.size(), 260u);
        int cells = 0;
        int brakes = 0;
        for (int column = 1; column <= 20; ++column) {
            int inColumn = 0;
            int runs = 0;
            bool previous = false;
            for (int row = 1; row <= 13; ++row) {
                const std::int32_t value = values[size_t((row - 1) * 20 + column - 1)];
                const std::int32_t code = value + 1;
                EXPECT_TRUE(code == 0 || code == 1 || (code >= 4 && code <= 6)) << "code " << code;
                const bool cell = code > 0;
                EXPECT_FALSE(cell && (row <= 2 || column == 1))
                    << "row " << row << " column " << column;
                runs += cell && !previous ? 1 : 0;
                inColumn += cell ? 1 : 0;
                previous = cell;
            }
            EXPECT_LE(runs, 1) << "column " << column;
            EXPECT_LE(inColumn, 11) << "column " << column;
            cells += inColumn;
            brakes += inColumn > 0 ? 1 : 0;
        }
        EXPECT_GT(cells, 0);
        EXPECT_LE(cells + brakes, 140);
    }
}

TEST(LevelData, GoalTableHoldsFiveCountsPerLevel) {
    EXPECT_EQ(readBytes("data/levels/lvla000.lvl").size(), 1600u);
    const std::vector<std::int32_t> goals = readInts("data/levels/lvla000.lvl");
    ASSERT_EQ(goals.size(), 400u);
    EXPECT_EQ(goals[3], 0) << "level 1 never produces colour 4";
    for (int level = 1; level <= LEVELS; ++level) {
        const auto first = goals.begin() + (level - 1) * 5;
        for (int colour = 0; colour < 5; ++colour) {
            EXPECT_GE(first[colour], 0) << "level " << level << " colour " << colour + 1;
        }
        // Colours 1 and 2 take turns being produced, so they never ask for more than the rest.
        for (int colour = 2; colour < 5; ++colour) {
            if (level == 1 && colour == 3) {
                continue;
            }
            EXPECT_LE(std::max(first[0], first[1]), first[colour]) << "level " << level;
        }
    }
}

// Blocks as (type, x, y): stone 7, door 18, at the centre of their cell.
using Blocks = std::set<std::tuple<int, float, float>>;

// The S and D characters of a level's source map, placed as the game places cells.
Blocks blocksInSource(int level) {
    char name[40];
    std::snprintf(name, sizeof name, "/assets/levels/level%03d.txt", level);
    std::ifstream in(std::string(PENDREL_SOURCE_DIR) + name);
    Blocks blocks;
    int row = 0;
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#' || line.starts_with("goals")) continue;
        row += 1;
        for (size_t column = 1; column <= line.size(); ++column) {
            char c = line[column - 1];
            if (c == 'S' || c == 'D')
                blocks.insert({c == 'S' ? 7 : 18, float(48 * int(column) - 16), float(48 * row - 20)});
        }
    }
    return blocks;
}

class ShippedBoards : public BoardTest {
protected:
    Blocks blocksOnBoard() const {
        Blocks blocks;
        for (int i = 1; i < M3_SLOTS; ++i)
            if (m.isBlock(i)) blocks.insert({m._itemA[i], m._itemX[i], m._itemY[i]});
        return blocks;
    }
};

TEST_F(ShippedBoards, EveryBlockASourceDrawsIsOnTheBuiltBoard) {
    size_t drawn = 0;
    for (int level = 1; level <= LEVELS; ++level) {
        player.Level = level;
        m._preparelevelmatch3();
        Blocks source = blocksInSource(level);
        EXPECT_EQ(blocksOnBoard(), source) << "level " << level;
        drawn += source.size();
    }
    EXPECT_GT(drawn, 100u) << "the sources were read";
}

}  // namespace
