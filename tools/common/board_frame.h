// The board frame as the game builds it, without pixels: the 24 border pieces chosen from a
// cell's eight neighbours, the shape each piece draws, where the pieces and column strips go,
// and the check that a board's frame comes out closed. The picture tool colours the shapes;
// the level compiler refuses boards whose frame would break.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace boardframe {

constexpr int kCell = 48;          // raster pitch of the board
constexpr int kBand = 18;          // width of the moulding outside the cells, soft shadow included
constexpr double kSolidBand = 16.8;  // the moulding is opaque up to here, then fades out
constexpr int kPieceCount = 24;    // border pieces 1..24
constexpr int kStripCount = 11;    // column strips for 1..11 cells

// The level picture holding the pasted pieces and the strips, and where the game draws it.
constexpr int kLevelX = 32, kLevelY = 74, kLevelWidth = 960, kLevelHeight = 620;
constexpr int kScreenWidth = 1024, kScreenHeight = 768;

// Which of a cell's eight neighbour positions hold a cell.
struct Neighbours {
    bool n = false, s = false, w = false, e = false, ne = false, nw = false, se = false, sw = false;
};

// Neighbours from a bit mask (bit 0 n, 1 s, 2 w, 3 e, 4 ne, 5 nw, 6 se, 7 sw) and back.
Neighbours neighboursOf(int mask);
int maskOf(const Neighbours& around);

// The border piece 1..24 of a cell (the last of the 24 rules that matches), 0 for none.
int borderPiece(const Neighbours& around);

// Pieces pasted into the level picture; the others are drawn live under it.
bool isPastedPiece(int piece);

// Top-left corner of a piece relative to the top-left corner of its cell.
struct Offset {
    int dx, dy;
};
Offset pasteOffset(int piece);
constexpr Offset kLiveOffset{-18, -18};

// The moulding at a point: its distance from the nearest cell (0 inside one) and the unit
// direction away from that cell. Points are relative to a cell's top-left corner.
struct FieldSample {
    double distance;
    double gx, gy;
    bool mitre = false;  // another cell lies as near in another direction: either direction is right
};
// The field of the cell at the origin and those of its neighbours in `mask`, at pixel (x, y).
FieldSample sampleField(int mask, int x, int y);

// Whether a sample lies on the drawn moulding (outside the cells, inside the band).
inline bool onBand(const FieldSample& f) { return f.distance > 0 && f.distance <= kBand; }

// What a piece draws: a rectangle from its offset, and for each pixel the moulding it shows;
// pixels off the band are transparent (and still overwrite what lies under a pasted piece).
struct PieceShape {
    Offset origin;
    int width, height;
    std::vector<FieldSample> samples;  // row by row
    const FieldSample& at(int x, int y) const { return samples[size_t(y) * size_t(width) + size_t(x)]; }
};
// The shape of piece 1..24; built once and kept.
const PieceShape& pieceShape(int piece);

// A cell by its level-file column (1..20) and row (1..13).
struct RasterCell {
    int column, row;
};

// A cell as the game builds it: its centre on the screen and its border piece.
struct PlacedCell {
    RasterCell at;
    int x, y;
    int neighbours;  // mask of the neighbour positions holding a cell
    int piece;
};
// The cells the game builds, in its slot order (row by row); cells off the raster (file row 1
// or column 1) and repeats are dropped.
std::vector<PlacedCell> placeCells(const std::vector<RasterCell>& cells);

// One drawing step of the frame, in the game's order: live pieces on the screen, then pieces
// pasted into the level picture, then the column strips over them.
struct FrameDraw {
    enum Kind { kLivePiece, kPastedPiece, kStrip } kind;
    int picture;  // piece number, or the strip's cell count
    int x, y;     // top-left corner: on the screen for live pieces, in the level picture otherwise
    int cell;     // index of the cell a piece belongs to, -1 for a strip
};
std::vector<FrameDraw> framePlan(const std::vector<PlacedCell>& cells);

// The first place, in slot order, where the drawn frame differs from the board's outline.
struct FrameFault {
    RasterCell at;
    std::string reason;
};
std::optional<FrameFault> findFrameFault(const std::vector<RasterCell>& cells);

}  // namespace boardframe
