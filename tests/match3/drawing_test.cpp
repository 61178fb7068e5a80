// Drawing the level: the pieces pasted into the level picture at their offsets, the board's
// fade-in, the goal bar's counters and the moss recount of the cell pass.
#include "match3/board_fixture.h"
#include "platform/headless_fixture.h"

namespace {

class DrawingTest : public BoardTest {
protected:
    static void SetUpTestSuite() { headless::startPlatform(); }
    static void TearDownTestSuite() { shutdownPlatform(); }

    void SetUp() override {
        BoardTest::SetUp();
        ASSERT_TRUE(openDisplay(1024, 768, 0, 60, 0));
    }

    // Border piece n is an 8×8 square of red n·10; every column strip is a green 48-wide column.
    void loadFlatPictures() {
        for (int n = 1; n <= 24; ++n)
            m._imgCellBorder[size_t(n)].data = headless::solidImage(8, 8, Rgba{uint8_t(n * 10), 0, 0, 255});
        for (int n = 1; n <= 11; ++n) m._imgRow[size_t(n)].data = headless::solidImage(48, 48 * n, Rgba{0, 200, 0, 255});
    }

    Rgba levelPixel(float x, float y) {
        const Pixmap* pixels = lockImage(m._imgLevel.data, 0, true, false);
        Rgba pixel = pixels->pixels[size_t(floatToInt(y)) * size_t(pixels->width) + size_t(floatToInt(x))];
        unlockImage(m._imgLevel.data, 0);
        return pixel;
    }

    int cellAtRaster(int column, int row) const { return m.cellAt(X(column), Y(row)); }
};

TEST_F(DrawingTest, LevelPictureHoldsStripsAndPastedPieces) {
    build({"...", "111", "222", "333"});  // from raster row 3: row 2 lies under the top bar
    for (int c = 1; c <= M3_CELL_LAST; ++c) {
        if (m._CellA[c] == 0) continue;
        bool n[8];
        const float dx[8] = {0, 0, -48, 48, 48, -48, 48, -48}, dy[8] = {-48, 48, 0, 0, -48, -48, 48, 48};
        for (int k = 0; k < 8; ++k) n[k] = m.cellAt(m._CellX[c] + dx[k], m._CellY[c] + dy[k]) != 0;
        m._cellBord[c] = borderPiece(n);
    }
    m._m3rowcount[2] = 3;
    m._m3rowx[2] = X(2);
    m._m3rowy[2] = Y(3);
    loadFlatPictures();
    m._predraw_level();
    ASSERT_TRUE(m._imgLevel.data);
    EXPECT_EQ(imageWidth(m._imgLevel.data), 960);
    EXPECT_EQ(imageHeight(m._imgLevel.data), 620);

    // The top-left corner cell's piece sits 18 px up and left of its cell, outside the strip.
    // (In the level picture a cell's 48×48 area starts at (_CellX − 56, _CellY − 98).)
    int corner = cellAtRaster(2, 3);
    ASSERT_EQ(m._cellBord[corner], 5);
    float left = m._CellX[corner] - 56, top = m._CellY[corner] - 98;
    EXPECT_EQ(levelPixel(left - 18 + 1, top - 18 + 1).r, 50);
    // The top edge piece of the middle column sits 18 px above its cell.
    int edge = cellAtRaster(3, 3);
    EXPECT_EQ(m._cellBord[edge], 1);
    EXPECT_EQ(levelPixel(m._CellX[edge] - 56 + 1, m._CellY[edge] - 98 - 18 + 1).r, 10);
    // The strip covers the first column's cells, pasted after the pieces.
    EXPECT_EQ(levelPixel(left + 10, top + 100).g, 200);
    // Outside every piece the picture stays clear.
    EXPECT_EQ(levelPixel(900, 600).a, 0);
}

TEST_F(DrawingTest, BoardFadesInFromFrame53) {
    build({"123", "231"});
    player.itemsToDestroyData[2][1] = 10;  // not won at once
    player.resumeLevel = 0;
    m._runtime = 52;
    m.Update();
    EXPECT_FLOAT_EQ(g_boardAlpha, 0.025f);
    m._runtime = 91;
    m.Update();
    EXPECT_FLOAT_EQ(g_boardAlpha, 1.0f);
    player.resumeLevel = 8;  // a resumed level shows its board from the first frame
    m._runtime = 0;
    m.Update();
    EXPECT_FLOAT_EQ(g_boardAlpha, 0.025f);
}

TEST_F(DrawingTest, GoalBarCountersAndMossRecount) {
    build({"123", "231"});
    m._cellMoss[1] = m._cellMoss[2] = 1;
    for (int kind = 1; kind <= 5; ++kind) player.itemsToDestroyData[2][size_t(kind)] = 4;
    player.itemsDestroyed[3] = 4;
    m._runtime = 200;
    m.Update();
    for (int i = 1; i <= 5; ++i) {
        EXPECT_FLOAT_EQ(g_goalX[i], float(362 + 50 * i)) << i;
        EXPECT_FLOAT_EQ(g_goalY[i], 21) << i;
    }
    EXPECT_EQ(m._mosscount, 2);
    EXPECT_EQ(m._winrun, 0);  // moss left: not won although one goal is met
}

TEST_F(DrawingTest, NoGoalBarBeforeFrame151OrWhileWinning) {
    build({"123"});
    m._runtime = 100;
    m.Update();
    EXPECT_FLOAT_EQ(g_goalX[1], 0);
}

TEST_F(DrawingTest, OpenDialogStopsTheClockAndHidesTheBoard) {
    build({"123"});
    m._runtime = 200;
    popupHandler.pop(POPUP_INGAME);
    m._cellMoss[1] = 1;
    m._mosscount = 7;
    m.Update();
    EXPECT_EQ(m._runtime, 200);
    EXPECT_EQ(m._mosscount, 7);  // the cell pass did not run
    EXPECT_EQ(g_inputLayer, 2);
}

}  // namespace
