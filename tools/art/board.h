// Renders boards the way the match-3 scene builds and draws them: cells on the
// 48-pixel raster, border pieces chosen from the neighbours, pieces and column
// strips pasted into the 960x620 level picture, live pieces drawn under it.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "common/image_io.h"
#include "frame.h"

namespace art {

// A cell by its level-file column (1..20) and row (1..13).
struct RasterCell {
    int column, row;
};

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

// Cells of a board drawn as text: '#' a cell, anything else none; the first line is file row 2,
// the first character file column 2.
std::vector<RasterCell> boardFromText(const std::vector<std::string>& rows);

}  // namespace art
