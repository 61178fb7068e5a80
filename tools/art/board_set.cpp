// Writes the board pictures under their game names and renders review boards:
// odd sample shapes and, when the levels are built, every level of the campaign.
#include <cstdio>
#include <fstream>
#include <string>

#include "board.h"
#include "items.h"
#include "sheet.h"
#include "sets.h"

namespace art {

namespace {

const std::filesystem::path kMatch3 = "data/match3";

FrameSet frameSet() {
    FrameSet frame;
    for (int piece = 1; piece <= kPieceCount; ++piece) frame.pieces[size_t(piece)] = borderPicture(piece);
    for (int cells = 1; cells <= kStripCount; ++cells) frame.strips[size_t(cells)] = columnStrip(cells);
    return frame;
}

std::vector<tools::RgbaImage> gemPictures() {
    std::vector<tools::RgbaImage> gems;
    for (int type = 1; type <= 5; ++type) gems.push_back(itemPicture(type));
    return gems;
}

// Cells of a level file: 260 little-endian int32 values, a cell where value + 1 lies in 1..98.
std::vector<RasterCell> levelCells(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::vector<RasterCell> cells;
    for (int p = 0; p < 260; ++p) {
        unsigned char b[4] = {};
        if (!in.read(reinterpret_cast<char*>(b), 4)) break;
        const int code = int(uint32_t(b[0]) | uint32_t(b[1]) << 8 | uint32_t(b[2]) << 16 | uint32_t(b[3]) << 24) + 1;
        if (code > 0 && code < 99) cells.push_back({p % 20 + 1, p / 20 + 1});
    }
    return cells;
}

}  // namespace

void writeBoardPictures(const std::filesystem::path& out) {
    const std::filesystem::path dir = out / kMatch3;
    for (int piece = 1; piece <= kPieceCount; ++piece)
        tools::writePng(dir / ("border" + std::to_string(piece) + ".png"), borderPicture(piece));
    for (int cells = 1; cells <= kStripCount; ++cells)
        tools::writePng(dir / ("cellrow" + std::to_string(cells) + ".png"), columnStrip(cells));
    for (int type = 1; type <= kItemTypes; ++type)
        tools::writePng(dir / ("item1-" + std::to_string(type) + ".png"), itemPicture(type));
    for (int direction = 1; direction <= 4; ++direction)
        tools::writePng(dir / ("arrow" + std::to_string(direction) + ".png"), arrowPicture(direction));
    tools::writePng(dir / "moss.png", mossPicture());
    tools::writePng(dir / "cell.png", cellHighlight());
    tools::writePng(dir / "cellmark.png", cellMarker());
    tools::writePng(dir / "cellmask.png", cellMask());
}

void writeBoardReviews(const std::filesystem::path& out) {
    const FrameSet frame = frameSet();
    const std::vector<tools::RgbaImage> gems = gemPictures();
    const std::filesystem::path dir = out / "contact" / "boards";
    for (const SampleBoard& board : sampleBoards()) {
        tools::RgbaImage screen = backdrop();
        renderBoard(screen, boardFromText(board.rows), frame, gems);
        tools::writePng(dir / (std::string(board.name) + ".png"), screen);
    }
    std::vector<tools::RgbaImage> levels;
    for (int level = 1; level <= 80; ++level) {
        char name[24];
        std::snprintf(name, sizeof name, "lvla%03d.lvl", level);
        const std::filesystem::path file = out / "data" / "levels" / name;
        if (!std::filesystem::exists(file)) continue;
        tools::RgbaImage screen = backdrop();
        renderBoard(screen, levelCells(file), frame, gems);
        tools::writePng(dir / file.filename().replace_extension(".png"), screen);
        levels.push_back(shrink(screen, 4));
    }
    if (!levels.empty()) tools::writePng(dir / "levels.png", tileSheet(levels, 10, 260, 196));
}

}  // namespace art
