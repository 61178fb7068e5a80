// The board frame's pictures: the 24 border pieces coloured from the moulding shapes of the
// shared frame model, and the column strips of cell tiles. Pieces follow the board outline,
// so they join on every shape the level compiler accepts.
#pragma once

#include "common/board_frame.h"
#include "common/image_io.h"

namespace art {

using boardframe::kBand;
using boardframe::kCell;
using boardframe::kPieceCount;
using boardframe::kStripCount;

// Border piece picture 1..24 (top-left handle).
tools::RgbaImage borderPicture(int piece);

// Column strip of `cells` tiles stacked from the top, 48 px wide.
tools::RgbaImage columnStrip(int cells);

}  // namespace art
