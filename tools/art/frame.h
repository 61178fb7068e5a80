// The board frame: the 24 border pieces chosen from a cell's eight neighbours,
// where each is pasted or drawn, and the column strips of cell tiles. Pieces are
// cut from one moulding that follows the board outline, so they join on any shape.
#pragma once

#include "common/image_io.h"

namespace art {

constexpr int kCell = 48;        // raster pitch of the board
constexpr int kBand = 18;        // width of the moulding outside the cells
constexpr int kPieceCount = 24;  // border pieces 1..24
constexpr int kStripCount = 11;  // column strips for 1..11 cells

// Which of a cell's eight neighbour positions hold a cell.
struct Neighbours {
    bool n = false, s = false, w = false, e = false, ne = false, nw = false, se = false, sw = false;
};

// Neighbours from a bit mask (bit 0 n, 1 s, 2 w, 3 e, 4 ne, 5 nw, 6 se, 7 sw).
Neighbours neighboursOf(int mask);

// The border piece 1..24 of a cell (the last of the 24 rules that matches), 0 for none.
int borderPiece(const Neighbours& around);

// Pieces pasted into the level picture; the others are drawn live under it.
bool isPastedPiece(int piece);

// Top-left corner of a pasted piece relative to the top-left corner of its cell.
struct Offset {
    int dx, dy;
};
Offset pasteOffset(int piece);

// Top-left corner of a live piece relative to the top-left corner of its cell.
constexpr Offset kLiveOffset{-18, -18};

// Border piece picture 1..24 (top-left handle).
tools::RgbaImage borderPicture(int piece);

// Column strip of `cells` tiles stacked from the top, 48 px wide.
tools::RgbaImage columnStrip(int cells);

}  // namespace art
