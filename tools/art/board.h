// Renders boards the way the match-3 scene builds and draws them, following the
// shared frame model's drawing steps: live pieces on the screen, pieces and column
// strips pasted into the 960x620 level picture drawn over them.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "common/image_io.h"
#include "frame.h"

namespace art {

using boardframe::RasterCell;

// The frame pictures as the game loads them: index 0 unused.
struct FrameSet {
    std::array<tools::RgbaImage, kPieceCount + 1> pieces;
    std::array<tools::RgbaImage, kStripCount + 1> strips;
};

// Copies `source` over `target` with its top-left corner at (x, y), alpha included, clipped.
void paste(tools::RgbaImage& target, const tools::RgbaImage& source, int x, int y);
// Draws `source` over `target` with alpha blending, clipped.
void blendOver(tools::RgbaImage& target, const tools::RgbaImage& source, int x, int y);

// The 1024x768 `screen` with the board of `cells` drawn on it: live pieces, the level picture
// with its pasted pieces and column strips, and gems taken in turn from `gems` (may be empty).
void renderBoard(tools::RgbaImage& screen, const std::vector<RasterCell>& cells, const FrameSet& frame,
                 const std::vector<tools::RgbaImage>& gems);

// A 1024x768 night-blue screen to render boards on.
tools::RgbaImage backdrop();

// A review board drawn as text (see boardFromText) and whether the border pieces frame it.
struct SampleBoard {
    const char* name;
    std::vector<std::string> rows;
    bool framed;
};
// Shapes that show the frame at work: islands, staircases, rings, notches, a full board; and
// `limits`, the shapes the piece rules cannot frame.
const std::vector<SampleBoard>& sampleBoards();

// Cells of a board drawn as text: '#' a cell, anything else none; the first line is file row 2,
// the first character file column 2.
std::vector<RasterCell> boardFromText(const std::vector<std::string>& rows);

}  // namespace art
