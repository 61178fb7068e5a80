// The pictures that lie on the board: gems, blocks, bomb, mushroom and the
// other item types, moss, the cell highlight, marker and mask, and hint arrows.
// All are square, centred on the cell they are drawn on.
#pragma once

#include "common/image_io.h"

namespace art {

constexpr int kItemSize = 48;     // item and cell pictures
constexpr int kItemTypes = 18;    // item pictures 1..18 (the door block is type 18)
constexpr int kArrowSize = 28;    // hint arrows

// Item picture of `type` 1..18; types no rule places still get a simple picture.
tools::RgbaImage itemPicture(int type);

tools::RgbaImage mossPicture();
// White-gold light drawn additively on a glowing cell.
tools::RgbaImage cellHighlight();
// Marker faded in on cells whose item is being removed.
tools::RgbaImage cellMarker();
// Opaque cell shape used by the pointer test.
tools::RgbaImage cellMask();
// Hint arrow 1..4 pointing right, left, down, up.
tools::RgbaImage arrowPicture(int direction);

}  // namespace art
