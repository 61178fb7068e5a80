// The board frame as the game assembles it: piece choice, and boards rendered by
// the placing rules that must come out closed, gap-free and order-independent.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "art/board.h"
#include "art/frame.h"

namespace art {
namespace {

using boardframe::borderPiece;
using boardframe::isPastedPiece;
using boardframe::Neighbours;
using boardframe::pasteOffset;

int pieceFor(const char* around) {  // "nswe" + diagonals "NE NW SE SW" as '1'/'0' in that order
    Neighbours a;
    bool* fields[] = {&a.n, &a.s, &a.w, &a.e, &a.ne, &a.nw, &a.se, &a.sw};
    for (int i = 0; i < 8; ++i) *fields[i] = around[i] == '1';
    return borderPiece(a);
}

TEST(BorderPieces, FollowTheNeighbourRulesWithTheLastMatchWinning) {
    EXPECT_EQ(pieceFor("01110011"), 1);   // straight top edge
    EXPECT_EQ(pieceFor("10111100"), 2);   // straight bottom edge
    EXPECT_EQ(pieceFor("01010010"), 5);   // top-left corner
    EXPECT_EQ(pieceFor("10100100"), 7);   // bottom-right corner
    EXPECT_EQ(pieceFor("01110111"), 11);  // top edge under a higher cell on the left: rule 11 beats rule 1
    EXPECT_EQ(pieceFor("11111111"), 0);   // inside the board
    EXPECT_EQ(pieceFor("00000000"), 0);   // a single cell gets no piece
}

TEST(BorderPieces, SplitIntoPastedAndLivePieces) {
    for (int piece : {11, 12, 15, 16, 21, 22, 23, 24}) EXPECT_FALSE(isPastedPiece(piece)) << piece;
    for (int piece : {1, 2, 3, 4, 5, 9, 10, 13, 14, 17, 20}) EXPECT_TRUE(isPastedPiece(piece)) << piece;
    EXPECT_EQ(pasteOffset(4).dx, 46);
    EXPECT_EQ(pasteOffset(17).dy, -2);
}

TEST(BorderPieces, StraightEdgesAreOneBandWide) {
    EXPECT_EQ(borderPicture(1).width, kCell);
    EXPECT_EQ(borderPicture(1).height, kBand);
    EXPECT_EQ(borderPicture(3).width, kBand);
    EXPECT_EQ(borderPicture(3).height, kCell);
    EXPECT_EQ(borderPicture(2).height, kBand + 2);  // pasted two pixels into the cell; the strip covers them
}

FrameSet loadFrame() {
    FrameSet frame;
    for (int piece = 1; piece <= kPieceCount; ++piece) frame.pieces[size_t(piece)] = borderPicture(piece);
    for (int cells = 1; cells <= kStripCount; ++cells) frame.strips[size_t(cells)] = columnStrip(cells);
    return frame;
}

tools::RgbaImage transparentScreen() {
    return {1024, 768, std::vector<uint8_t>(size_t(1024) * 768 * 4, 0)};
}

// Distance from a pixel centre to the nearest cell's 48x48 area (0 inside one).
double distanceToBoard(const std::vector<RasterCell>& cells, int x, int y) {
    double best = 1e9;
    for (const RasterCell& c : cells) {
        const double left = 48 * c.column - 40, top = 48 * c.row - 44;
        const double dx = std::max({left - (x + 0.5), 0.0, x + 0.5 - left - 48});
        const double dy = std::max({top - (y + 0.5), 0.0, y + 0.5 - top - 48});
        best = std::min(best, std::hypot(dx, dy));
    }
    return best;
}

struct Shape {
    const char* name;
    std::vector<std::string> rows;  // from file row 2; the first row stays empty (it lies under the top bar)
};

const std::vector<Shape> kRegularShapes{
    {"rectangle", {"", "  #####", "  #####", "  #####"}},
    {"ring", {"", " ######", " ######", " ##  ##", " ##  ##", " ######", " ######"}},
    {"staircase", {"", " ###", " #####", "   #####", "     #####", "       ####", "         ##", "         ##"}},
    {"steep staircase", {"", " ##", " ##", " ###", " ###", " ####", " ####"}},
    {"notches", {"", " ##  ##  ##", " ##  ##  ##", " ##########", " ####  ####", " ####  ####", " ##########", " ##########"}},
    {"islands", {"", " ##   ###", " ##   ###", "       ##   ##", "  ##   ##   ##", "  ##"}},
};

TEST(BoardFrame, ClosesEveryRegularShapeWithoutGapsOrStrayPixels) {
    const FrameSet frame = loadFrame();
    for (const Shape& shape : kRegularShapes) {
        const std::vector<RasterCell> cells = boardFromText(shape.rows);
        tools::RgbaImage screen = transparentScreen();
        renderBoard(screen, cells, frame, {});
        int gaps = 0, strays = 0, bareCells = 0;
        for (int y = 74; y < 694; ++y) {
            for (int x = 32; x < 992; ++x) {
                const int alpha = screen.pixels[(size_t(y) * 1024 + size_t(x)) * 4 + 3];
                const double d = distanceToBoard(cells, x, y);
                if (d == 0 && alpha < 200) ++bareCells;
                if (d > 0 && d <= 16 && alpha != 255) ++gaps;
                if (d > kBand && alpha != 0) ++strays;
            }
        }
        EXPECT_EQ(gaps, 0) << shape.name;
        EXPECT_EQ(strays, 0) << shape.name;
        EXPECT_EQ(bareCells, 0) << shape.name;
    }
}

TEST(BoardFrame, TheModelFindsTheShapesThePiecesCannotFrame) {
    for (const Shape& shape : kRegularShapes) {
        const auto fault = boardframe::findFrameFault(boardFromText(shape.rows));
        EXPECT_FALSE(fault) << shape.name << ": " << fault->reason;
    }
    const std::vector<Shape> limits{
        {"single cell", {"", " ###", " ###", "", "     #"}},
        {"one-wide run", {"", " ###", " ###", "  #", "  #"}},
        {"corner contact", {"", " ##", " ##", "   ##", "   ##"}},
        {"one-step staircase", {"", " ##", " ###", " ####", " #####", " #####"}},
        {"ring one cell thick", {"", " ####", " #  #", " #  #", " ####"}},
        {"hole one cell high", {"", " #####", " #####", " ## ##", " #####", " #####"}},
    };
    for (const Shape& shape : limits) EXPECT_TRUE(boardframe::findFrameFault(boardFromText(shape.rows))) << shape.name;
}

TEST(BoardFrame, ReviewBoardsCloseExactlyWhenTheyShould) {
    for (const SampleBoard& board : sampleBoards()) {
        EXPECT_EQ(boardframe::findFrameFault(boardFromText(board.rows)).has_value(), !board.framed) << board.name;
    }
}

// Alpha of the screen pixel at the centre of the cell at file column c, row r.
int alphaAtCell(const tools::RgbaImage& screen, int column, int row) {
    return screen.pixels[(size_t(48 * row - 20) * 1024 + size_t(48 * column - 16)) * 4 + 3];
}

TEST(ColumnStrips, FollowEachRunOfAColumnWithAGap) {
    // One column of two runs (rows 3-4 and 8-9) beside a full column, and a column of twelve cells.
    std::vector<RasterCell> cells;
    for (int row : {3, 4, 8, 9}) cells.push_back({3, row});
    for (int row = 3; row <= 9; ++row) cells.push_back({4, row});
    for (int row = 2; row <= 13; ++row) cells.push_back({8, row});
    tools::RgbaImage screen = transparentScreen();
    renderBoard(screen, cells, loadFrame(), {});
    for (int row : {3, 4, 8, 9}) EXPECT_GE(alphaAtCell(screen, 3, row), 200) << "tile missing under row " << row;
    EXPECT_EQ(alphaAtCell(screen, 3, 6), 0) << "tile drawn in the gap";
    for (int row = 3; row <= 13; ++row) EXPECT_GE(alphaAtCell(screen, 8, row), 200) << "twelve-cell column, row " << row;
}

TEST(ColumnStrips, StackOneTilePerCell) {
    for (int cells : {1, 6, kStripCount}) {
        const tools::RgbaImage strip = columnStrip(cells);
        EXPECT_EQ(strip.width, kCell);
        EXPECT_EQ(strip.height, kCell * cells);
    }
}

}  // namespace
}  // namespace art
