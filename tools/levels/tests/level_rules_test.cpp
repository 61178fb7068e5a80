// Each level rule, broken by a small board: the compiler refuses it and names
// the file, row and column where it can. Valid neighbours of each case pass.
#include <gtest/gtest.h>

#include "level_rules.h"
#include "level_test_support.h"

using namespace levels_testing;
using levels::checkLevel;
using levels::LevelError;

namespace {

// Checks the level and returns the refusal message, or "" when it passes.
std::string refusal(const levels::LevelSource& level) {
    try {
        checkLevel(level);
    } catch (const LevelError& error) {
        return error.what();
    }
    return "";
}

std::string refusal(const std::vector<std::string>& map, int number = 10,
                    const std::string& goals = "5 5 8 8 8") {
    return refusal(parse(map, number, goals));
}

TEST(LevelRules, AValidBoardPasses) {
    EXPECT_EQ(refusal(blockMap()), "");
}

TEST(LevelRules, BoardsStayInsideRowsThreeToThirteenAndColumnsTwoToTwenty) {
    auto inRowOne = blockMap();
    put(inRowOne, 1, 5, 'o');
    put(inRowOne, 2, 5, 'o');
    EXPECT_EQ(refusal(inRowOne),
              "test.txt row 1 column 5: file row 1 and file column 1 never hold a cell");
    auto inColumnOne = blockMap();
    put(inColumnOne, 4, 1, 'm');
    EXPECT_NE(refusal(inColumnOne).find("row 4 column 1:"), std::string::npos);
    auto inRowTwo = blockMap();
    put(inRowTwo, 2, 8, 'o');
    EXPECT_EQ(
        refusal(inRowTwo),
        "test.txt row 2 column 8: boards start at file row 3; row 2 is cut off under the top bar");
}

TEST(LevelRules, AColumnIsOneUnbrokenRun) {
    auto gap = blockMap();
    put(gap, 5, 4, '.');
    EXPECT_NE(refusal(gap).find(
                  "test.txt row 6 column 4: the cells of a column must form one unbroken run"),
              std::string::npos);
    auto separate = blockMap();
    put(separate, 12, 6, 'o');
    EXPECT_NE(refusal(separate).find("row 12 column 6:"), std::string::npos);
    auto lowered = blockMap();
    for (int column : {7, 8}) {
        put(lowered, 3, column, '.');
        put(lowered, 9, column, 'o');
    }
    EXPECT_EQ(refusal(lowered), "") << "a run may start and end on any row";
}

TEST(LevelRules, AtMostElevenCellsInAColumn) {
    auto map = blockMap();
    for (int row = 3; row <= 13; ++row) {
        put(map, row, 10, 'o');
        put(map, row, 11, 'o');
    }
    EXPECT_EQ(refusal(map), "");
    put(map, 2, 10, 'o');
    EXPECT_EQ(refusal(map), "test.txt row 13 column 10: more than 11 cells in this column");
}

TEST(LevelRules, CellsAndBrakesFitTheItemSlots) {
    std::vector<std::string> map(13, std::string(20, '.'));
    for (int column = 2; column <= 15; ++column) {
        for (int row = 3; row <= 11; ++row) {
            put(map, row, column, 'o');
        }
    }
    EXPECT_EQ(refusal(map), "") << "126 cells and 14 brakes use exactly 140 slots";
    put(map, 12, 8, 'o');
    EXPECT_EQ(refusal(map), "test.txt: 127 cells plus 14 brakes need more than 140 item slots");
    EXPECT_EQ(refusal(std::vector<std::string>(13, std::string(20, '.'))),
              "test.txt: the board has no cells");
}

TEST(LevelRules, StoneBlocksStartOnLevelFour) {
    auto map = blockMap();
    put(map, 8, 5, 'S');
    EXPECT_EQ(refusal(map, 3), "test.txt row 8 column 5: stone blocks start on level 4");
    EXPECT_EQ(refusal(map, 4), "");
}

TEST(LevelRules, DoorBlocksStartWithChapterThree) {
    auto map = blockMap();
    put(map, 7, 3, 'D');
    EXPECT_EQ(refusal(map, 20), "test.txt row 7 column 3: door blocks start on level 21");
    EXPECT_EQ(refusal(map, 21), "");
}

TEST(LevelRules, EveryMossCellLiesInALineAcrossAndALineDown) {
    auto map = blockMap();
    put(map, 3, 10, 'm');
    put(map, 3, 11, 'o');
    put(map, 4, 10, 'o');
    put(map, 4, 11, 'o');
    EXPECT_EQ(refusal(map),
              "test.txt row 3 column 10: no row of three can ever cover this moss cell");
    put(map, 5, 10, 'o');
    put(map, 5, 11, 'o');
    EXPECT_EQ(refusal(map),
              "test.txt row 3 column 10: rows of one direction alone cover this moss cell; it needs "
              "a line of three across and one down, without a block")
        << "a tower two cells wide: only three down its column clear it";
    for (int row = 3; row <= 5; ++row) put(map, row, 12, 'o');
    EXPECT_EQ(refusal(map), "") << "three wide: a line across and one down";
    auto corner = blockMap();
    put(corner, 3, 8, 'm');
    EXPECT_EQ(refusal(corner), "") << "a corner: one line across and one down";
    put(corner, 3, 7, 'S');
    EXPECT_NE(refusal(corner).find("row 3 column 8: rows of one direction alone"),
              std::string::npos)
        << "lines through a block do not count";
}

TEST(LevelRules, TwoLinesOfThreePassBesideEveryBlock) {
    auto corner = blockMap();
    put(corner, 3, 3, 'S');
    EXPECT_EQ(refusal(corner), "") << "a corner block: a line down and one across beside it";
    auto leg = blockMap();
    for (int row = 9; row <= 10; ++row) {
        put(leg, row, 3, 'o');
        put(leg, row, 4, 'o');
    }
    put(leg, 10, 3, 'S');
    EXPECT_EQ(refusal(leg), "") << "a line down each of the two columns above the foot";
    put(leg, 10, 4, 'S');
    EXPECT_EQ(refusal(leg),
              "test.txt row 10 column 3: fewer than two lines of three without a block pass beside "
              "this block")
        << "with a block beside it only the line down its own column reaches it";
}

TEST(LevelRules, EveryBlockCanBeBrokenByAMatchBesideIt) {
    auto lone = blockMap();
    for (int row = 3; row <= 6; ++row) {
        put(lone, row, 10, 'o');
    }
    put(lone, 3, 10, 'S');
    EXPECT_EQ(refusal(lone),
              "test.txt row 3 column 10: no gem can ever lie beside this block to break it")
        << "refills stop on the block, so the cells below it stay empty";
    auto chained = blockMap();
    put(chained, 3, 8, 'D');
    for (int row = 5; row <= 8; ++row) {
        put(chained, row, 9, 'o');
    }
    put(chained, 5, 9, 'S');
    EXPECT_EQ(refusal(chained, 21), "")
        << "the stone's neighbour fills once the door above it breaks";
    put(chained, 3, 7, 'S');
    put(chained, 3, 6, 'S');
    put(chained, 3, 5, 'S');
    put(chained, 3, 4, 'S');
    put(chained, 3, 3, 'S');
    EXPECT_EQ(refusal(chained, 21),
              "test.txt row 3 column 3: no gem can ever lie beside this block to break it");
}

TEST(LevelRules, AColumnHoldsAtMostOneBlock) {
    auto stacked = blockMap();
    put(stacked, 7, 5, 'S');
    put(stacked, 8, 5, 'S');
    EXPECT_EQ(refusal(stacked),
              "test.txt row 8 column 5: this block lies below the block in row 7 and would be lost "
              "when the board is built (the block above frees every item below it)");
    auto doorUnderStone = blockMap();
    put(doorUnderStone, 5, 6, 'S');
    put(doorUnderStone, 6, 6, 'D');
    EXPECT_NE(refusal(doorUnderStone, 21).find("row 6 column 6: this block lies below the block in row 5"),
              std::string::npos);
    auto apart = blockMap();
    put(apart, 3, 7, 'D');
    put(apart, 8, 7, 'S');
    EXPECT_NE(refusal(apart, 21).find("row 8 column 7: this block lies below the block in row 3"),
              std::string::npos)
        << "cells between the blocks do not save the lower one";
    auto sideBySide = blockMap();
    put(sideBySide, 8, 5, 'S');
    put(sideBySide, 8, 6, 'D');
    put(sideBySide, 7, 7, 'S');
    EXPECT_EQ(refusal(sideBySide, 21), "") << "one block in each of several columns";
}

TEST(LevelRules, LevelsOneAndFourShowWhatTheirHelpPagesExplain) {
    auto map = blockMap();
    EXPECT_EQ(refusal(map, 1, "5 5 8 0 8"), "test.txt: level 1 introduces moss and must hold some");
    EXPECT_EQ(refusal(map, 4), "test.txt: level 4 introduces stone blocks and must hold one");
    put(map, 4, 4, 'm');
    EXPECT_EQ(refusal(map, 1, "5 5 8 0 8"), "");
}

TEST(LevelRules, GoalsFollowTheColoursTheGameProduces) {
    auto mossy = blockMap();
    put(mossy, 4, 4, 'm');
    EXPECT_EQ(refusal(mossy, 1, "5 5 8 2 8"),
              "test.txt goals: level 1 never produces colour 4, so its goal must be 0");
    EXPECT_EQ(refusal(mossy, 1, "8 8 8 0 8"), "") << "colour 4 is no yardstick on level 1";
    EXPECT_EQ(refusal(blockMap(), 10, "9 5 8 8 8"),
              "test.txt goals: colour 1 asks for more than colour 3");
    EXPECT_EQ(refusal(blockMap(), 10, "5 5 8 4 8"),
              "test.txt goals: colour 1 asks for more than colour 4");
    EXPECT_EQ(refusal(blockMap(), 10, "5 6 8 8 5"),
              "test.txt goals: colour 2 asks for more than colour 5");
    EXPECT_EQ(refusal(blockMap(), 10, "0 0 0 0 0"),
              "test.txt goals: a level without moss needs at least one goal");
    EXPECT_EQ(refusal(mossy, 10, "0 0 0 0 0"), "") << "clearing the moss is the goal";
}

// A map of the given rows placed from file row 3, column 2 on: '#' a cell.
std::vector<std::string> shapeMap(const std::vector<std::string>& rows) {
    std::vector<std::string> map(13, std::string(20, '.'));
    for (size_t r = 0; r < rows.size(); ++r) {
        for (size_t c = 0; c < rows[r].size(); ++c) {
            if (rows[r][c] == '#') {
                put(map, int(r) + 3, int(c) + 2, 'o');
            }
        }
    }
    return map;
}

TEST(LevelRules, TheFrameClosesAroundEveryCell) {
    auto single = blockMap();
    put(single, 11, 15, 'o');
    EXPECT_EQ(refusal(single),
              "test.txt row 11 column 15: the frame would have a gap here: a single cell cannot be "
              "framed");
    auto spike = blockMap();
    for (int row = 9; row <= 11; ++row) {
        put(spike, row, 5, 'o');
    }
    EXPECT_EQ(refusal(spike),
              "test.txt row 9 column 5: the frame would have a gap here: a run one cell wide "
              "cannot be framed");
    const auto corner = shapeMap({"##", "##", "  ##", "  ##"});
    EXPECT_NE(refusal(corner).find("cells touching only at a corner cannot be framed"),
              std::string::npos);
}

TEST(LevelRules, StaircasesNeedStepsThePiecesCanFrame) {
    EXPECT_EQ(refusal(shapeMap({"##", "###", "####", "#####", "######"})),
              "test.txt row 4 column 4: the frame would have a gap here");
    EXPECT_EQ(refusal(shapeMap({"##", "####", "######", "########", "########"})), "")
        << "two columns a row";
    EXPECT_EQ(refusal(shapeMap({"##", "##", "###", "###", "####", "####"})), "") << "two rows a column";
    EXPECT_EQ(refusal(shapeMap({"#### ####", "#########", "#########"})), "")
        << "a notch one cell wide in the top edge";
}

TEST(LevelSource, RefusesMalformedText) {
    auto expectRefusal = [](const std::string& text, const std::string& message) {
        try {
            levels::parseLevelSource(text, "bad.txt", 5);
            ADD_FAILURE() << "accepted: " << message;
        } catch (const LevelError& error) {
            EXPECT_EQ(error.what(), message);
        }
    };
    auto map = blockMap();
    put(map, 6, 7, 'x');
    expectRefusal(levelText(map, "5 5 8 8 8"), "bad.txt row 6 column 7: unknown map character 'x'");
    auto shortRow = blockMap();
    shortRow[4].pop_back();
    expectRefusal(levelText(shortRow, "5 5 8 8 8"),
                  "bad.txt line 7: a map row needs exactly 20 characters, found 19");
    auto tall = blockMap();
    tall.push_back(std::string(20, '.'));
    expectRefusal(levelText(tall, "5 5 8 8 8"), "bad.txt line 16: more than 13 map rows");
    auto low = blockMap();
    low.pop_back();
    expectRefusal(levelText(low, "5 5 8 8 8"), "bad.txt: the map needs 13 rows, found 12");
    expectRefusal(levelText(blockMap(), "5 5 8 8"),
                  "bad.txt line 2: goals need five counts from 0 to 999");
    expectRefusal(levelText(blockMap(), "5 5 -8 8 8"),
                  "bad.txt line 2: goals need five counts from 0 to 999");
    expectRefusal(levelText(blockMap(), "5 5 8 8 8 8"),
                  "bad.txt line 2: goals need exactly five counts, found more");
    expectRefusal(levelText(blockMap(), "5 5 8 8 8") + "goals 1 1 1 1 1\r\n",
                  "bad.txt line 16: a second goals line");
    std::string noGoals;
    for (const auto& line : blockMap()) {
        noGoals += line + "\n";
    }
    expectRefusal(noGoals, "bad.txt: no goals line");
}

}  // namespace
