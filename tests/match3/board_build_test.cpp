// Level files, the board build, new gem colours, ready-made rows and the preview tables.
#include <vector>

#include "match3/board_fixture.h"
#include "test_support.h"

namespace {

// A level file in the making: 260 values, all "no cell" (-1) to begin with.
struct LevelFile {
    std::vector<int> values = std::vector<int>(260, -1);
    void set(int column, int row, int value) { values[size_t((row - 1) * 20 + column - 1)] = value; }
    std::string bytes(size_t count = 260) const {
        std::string out;
        for (size_t i = 0; i < count; ++i)
            for (int b = 0; b < 4; ++b) out += char((uint32_t(values[i]) >> (8 * b)) & 0xff);
        return out;
    }
};

class BoardBuildTest : public BoardTest {
protected:
    ScopedWorkDir dir;

    void writeLevel(int level, const LevelFile& file, size_t count = 260) {
        dir.write(toUtf8(levelFileName(level)), file.bytes(count));
    }
    void buildLevel(int level, const LevelFile& file) {
        writeLevel(level, file);
        player.Level = level;
        m._preparelevelmatch3();
    }
    int cellCount() const {
        int n = 0;
        for (int c = 1; c < M3_SLOTS; ++c) n += m._CellA[c] != 0;
        return n;
    }
};

TEST_F(BoardBuildTest, LevelFileNamesHaveThreeDigits) {
    EXPECT_EQ(levelFileName(9), u"data/levels/lvla009.lvl");
    EXPECT_EQ(levelFileName(10), u"data/levels/lvla010.lvl");
    EXPECT_EQ(levelFileName(99), u"data/levels/lvla099.lvl");
    EXPECT_EQ(levelFileName(100), u"data/levels/lvla100.lvl");
}

TEST_F(BoardBuildTest, EmptyAndMissingLevelsBuildNoBoard) {
    buildLevel(3, LevelFile{});
    EXPECT_EQ(cellCount(), 0);
    EXPECT_EQ(countType(999), 0);
    EXPECT_EQ(m._mosscount, 0);
    player.Level = 4;  // no file at all
    m._preparelevelmatch3();
    EXPECT_EQ(cellCount(), 0);
}

TEST_F(BoardBuildTest, ShortFileReadsMissingValuesAsNoCell) {
    LevelFile file;
    file.set(2, 2, 0);
    file.set(5, 9, 0);  // beyond the 60 values written
    writeLevel(5, file, 60);
    player.Level = 5;
    m._preparelevelmatch3();
    EXPECT_EQ(cellCount(), 1);
    EXPECT_EQ(m._CellX[1], 80);
    EXPECT_EQ(m._CellY[1], 76);
}

TEST_F(BoardBuildTest, CodesBuildCellsOnlyInsideTheRaster) {
    LevelFile file;
    file.set(2, 2, 97);  // code 98: a plain cell
    file.set(3, 2, 98);  // code 99: none
    file.set(4, 2, 150);
    file.set(1, 4, 0);   // column 1 and row 1 never hold a cell
    file.set(6, 1, 3);   // moss there still counts
    file.set(6, 3, 3);
    buildLevel(2, file);
    EXPECT_EQ(cellCount(), 2);
    EXPECT_NE(m.cellAt(X(2), Y(2)), 0);
    EXPECT_EQ(m.cellAt(X(3), Y(2)), 0);
    EXPECT_EQ(m._mosscount, 2);
    EXPECT_EQ(m._cellMoss[m.cellAt(X(6), Y(3))], 1);
    EXPECT_EQ(m._m3rowcount[2], 1);
    EXPECT_EQ(m._m3rowy[2], Y(2));
    EXPECT_EQ(m._m3rowy[3], 1000);
}

TEST_F(BoardBuildTest, EachVerticalRunGetsOneBrakeBelowIt) {
    LevelFile file;
    for (int row = 2; row <= 4; ++row) file.set(3, row, 0);
    file.set(3, 6, 0);  // a gap above this cell
    buildLevel(2, file);
    EXPECT_EQ(countType(999), 2);
    EXPECT_NE(m.itemAt(X(3), Y(5), 999), 0);
    EXPECT_NE(m.itemAt(X(3), Y(7), 999), 0);
    for (int row : {2, 3, 4, 6}) EXPECT_TRUE(m.isGem(at(3, row))) << row;
    EXPECT_EQ(m._runtime, 0);
    EXPECT_EQ(player.isResume, 0);
}

TEST_F(BoardBuildTest, BorderPiecesFollowTheNeighbours) {
    // A plus sign: the arms' ends and the inner corners take different pieces.
    LevelFile file;
    for (int i = 3; i <= 5; ++i) {
        file.set(4, i, 0);
        file.set(i, 4, 0);
    }
    buildLevel(2, file);
    auto piece = [&](int column, int row) { return m._cellBord[m.cellAt(X(column), Y(row))]; };
    EXPECT_EQ(piece(4, 3), 0);   // top arm: only a cell below
    EXPECT_EQ(piece(3, 4), 0);
    EXPECT_EQ(piece(4, 4), 0);   // centre: cells on all four sides, none diagonal
    bool lone[8] = {};
    EXPECT_EQ(borderPiece(lone), 0);
    bool topEdge[8] = {false, true, true, true, false, false, true, true};
    EXPECT_EQ(borderPiece(topEdge), 1);
    bool topLeftCorner[8] = {false, true, false, true, false, false, true, false};
    EXPECT_EQ(borderPiece(topLeftCorner), 5);
    bool eastOnly[8] = {false, false, false, true, false, false, false, false};
    EXPECT_EQ(borderPiece(eastOnly), 8);  // matches 5 and 8; the later rule wins
    bool innerCorner[8] = {true, true, true, true, true, true, true, false};
    EXPECT_EQ(borderPiece(innerCorner), 0);
    bool notch[8] = {false, true, true, true, true, false, true, true};
    EXPECT_EQ(borderPiece(notch), 12);
}

TEST_F(BoardBuildTest, StoneReleasesItselfPlusTheGemsItClearsBelow) {
    LevelFile file;
    for (int row = 2; row <= 6; ++row) file.set(3, row, 0);
    file.set(3, 3, 4);  // stone in the middle of the column
    file.set(5, 2, 5);  // a door above one cell
    file.set(5, 3, 0);
    buildLevel(2, file);
    int stone = at(3, 3);
    EXPECT_EQ(m._itemA[stone], vexaTSceneMatch3::_ITEM_XSTEIN);
    EXPECT_EQ(m._Item_New[stone], 4);
    EXPECT_TRUE(m.isGem(at(3, 2)));
    for (int row = 4; row <= 6; ++row) EXPECT_EQ(at(3, row), 0);
    int door = at(5, 2);
    EXPECT_EQ(m._itemA[door], vexaTSceneMatch3::_ITEM_XDOOR);
    EXPECT_EQ(m._Item_New[door], 2);
}

TEST_F(BoardBuildTest, LevelOneNeverProducesColourFour) {
    player.Level = 1;
    for (g_frame = 0; g_frame < 400; g_frame += 37)
        for (int n = 0; n < 50; ++n) EXPECT_NE(m._itemauswahl(0), 4);
}

TEST_F(BoardBuildTest, MissingColourAlternatesEvery100Frames) {
    for (g_frame = 0; g_frame < 400; g_frame += 50) {
        int missing = (g_frame / 100) % 2 ? 1 : 2;
        for (int n = 0; n < 60; ++n) EXPECT_NE(m._itemauswahl(0), missing) << g_frame;
    }
}

TEST_F(BoardBuildTest, NoRowOfThreeAfterRecolouring) {
    LevelFile file;
    for (int row = 2; row <= 9; ++row)
        for (int column = 2; column <= 9; ++column) file.set(column, row, 0);
    file.set(5, 5, 4);
    buildLevel(2, file);
    for (int i = 1; i < M3_SLOTS; ++i)
        if (m.isGem(i)) m._itemA[i] = 1 + (int(m._itemY[i]) / 48) % 2;  // stripes full of rows
    m._makeno3groups();
    for (int i = 1; i < M3_SLOTS; ++i) {
        if (!m.isGem(i)) continue;
        int t = m._itemA[i];
        float x = m._itemX[i], y = m._itemY[i];
        EXPECT_FALSE(m.itemAt(x, y - 48, t) && m.itemAt(x, y + 48, t));
        EXPECT_FALSE(m.itemAt(x - 48, y, t) && m.itemAt(x + 48, y, t));
    }
    EXPECT_EQ(typeAt(5, 5), vexaTSceneMatch3::_ITEM_XSTEIN);
}

TEST_F(BoardBuildTest, SuspendedLevelIsRestored) {
    LevelFile file;
    for (int row = 2; row <= 5; ++row)
        for (int column = 2; column <= 4; ++column) file.set(column, row, 0);
    file.set(3, 2, 4);
    file.set(2, 5, 3);
    buildLevel(6, file);
    m._cellMoss[m.cellAt(X(2), Y(5))] = 0;
    m._itemA[at(2, 2)] = 5;
    player.LevelPoints = 77;
    player.time = 12;
    player.itemsDestroyed[3] = 4;
    player.SuspendLevel();
    auto before = m._itemA;

    player.LevelPoints = 0;
    player.itemsDestroyed[3] = 0;
    m._preparelevelmatch3();
    EXPECT_EQ(m._itemA, before);
    EXPECT_EQ(player.Level, 6);
    EXPECT_EQ(player.LevelPoints, 77);
    EXPECT_EQ(player.time, 12);
    EXPECT_EQ(player.itemsDestroyed[3], 4);
    EXPECT_EQ(player.isResume, 0);
    EXPECT_EQ(m._cellMoss[m.cellAt(X(2), Y(5))], 0);
    EXPECT_EQ(m._mosscount, 1);  // as counted from the file
    EXPECT_EQ(m._Item_New[at(3, 2)], 4);  // itself and the three empty cells below
}

// A level started after an interrupted one must not carry its points or moss into the summary.
TEST_F(BoardBuildTest, AFreshLevelStartsItsCountersAtZero) {
    LevelFile file;
    file.set(2, 2, 0);
    player.LevelPoints = 640;
    player.anzMoss = 5;
    player.anzItems = 31;
    player.isResume = 0;
    buildLevel(3, file);
    EXPECT_EQ(player.LevelPoints, 0);
    EXPECT_EQ(player.anzMoss, 0);
    EXPECT_EQ(player.anzItems, 0);
}

TEST_F(BoardBuildTest, PreviewShowsDoorsAsPlainCellsAndCountsOutlines) {
    LevelFile file;
    file.set(2, 2, 5);   // door
    file.set(2, 3, 4);   // stone
    file.set(2, 4, 0);
    file.set(3, 2, 98);  // outline: counted, no item
    file.set(4, 2, 120); // entry only
    writeLevel(1, file);
    m.loadLevelPreviewData();
    EXPECT_EQ(m._preview_cella[1][1], 6);
    EXPECT_EQ(m._preview_celldoor[1][1], 0);
    EXPECT_TRUE(m._preview_itema[1][1] >= 1 && m._preview_itema[1][1] <= 5);
    EXPECT_EQ(m._preview_itema[1][2], vexaTSceneMatch3::_ITEM_XSTEIN);
    EXPECT_EQ(m._preview_itema[1][3], 0);  // cleared below the stone
    EXPECT_EQ(m._preview_m3rowcount[1][2], 3);
    EXPECT_EQ(m._preview_m3rowcount[1][3], 1);
    EXPECT_EQ(m._preview_m3rowcount[1][4], 0);
    EXPECT_EQ(m._preview_cella[1][3], 121);
    EXPECT_EQ(m._preview_m3rowy[1][2], 96);
    EXPECT_EQ(m._preview_m3rowy[2][2], 1000);  // a missing level previews nothing

    player.Level = 1;
    m._preparelevelmatch3();
    EXPECT_EQ(m._itemA[at(2, 2)], vexaTSceneMatch3::_ITEM_XDOOR);
}

}  // namespace
