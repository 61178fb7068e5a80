// Board rendering by the game's own placing rules, for review sheets and tests.
#include "board.h"

#include <algorithm>
#include <cstdint>

namespace art {

namespace {

// The level picture: pieces and strips pasted as copies in the game's order.
tools::RgbaImage levelPicture(const std::vector<boardframe::FrameDraw>& plan, const FrameSet& frame) {
    using boardframe::FrameDraw;
    tools::RgbaImage level{boardframe::kLevelWidth, boardframe::kLevelHeight,
                           std::vector<uint8_t>(size_t(boardframe::kLevelWidth) * boardframe::kLevelHeight * 4, 0)};
    for (const FrameDraw& step : plan) {
        if (step.kind == FrameDraw::kPastedPiece) paste(level, frame.pieces[size_t(step.picture)], step.x, step.y);
        if (step.kind == FrameDraw::kStrip) paste(level, frame.strips[size_t(step.picture)], step.x, step.y);
    }
    return level;
}

// Every cell of the raster from file row 3 (row 2 lies under the top bar).
std::vector<std::string> fullBoard() {
    std::vector<std::string> rows(12, std::string(19, '#'));
    rows[0].clear();
    return rows;
}

}  // namespace

tools::RgbaImage backdrop() {
    tools::RgbaImage screen{1024, 768, {}};
    screen.pixels.reserve(size_t(1024) * 768 * 4);
    for (int y = 0; y < 768; ++y) {
        for (int x = 0; x < 1024; ++x) {
            const double t = y / 767.0;
            screen.pixels.insert(screen.pixels.end(),
                                 {uint8_t(40 + 30 * t), uint8_t(36 + 10 * t), uint8_t(70 - 10 * t), 255});
        }
    }
    return screen;
}


void paste(tools::RgbaImage& target, const tools::RgbaImage& source, int x, int y) {
    for (int row = std::max(0, -y); row < std::min(source.height, target.height - y); ++row) {
        for (int col = std::max(0, -x); col < std::min(source.width, target.width - x); ++col) {
            const size_t from = (size_t(row) * size_t(source.width) + size_t(col)) * 4;
            const size_t to = (size_t(row + y) * size_t(target.width) + size_t(col + x)) * 4;
            std::copy_n(&source.pixels[from], 4, &target.pixels[to]);
        }
    }
}

void blendOver(tools::RgbaImage& target, const tools::RgbaImage& source, int x, int y) {
    for (int row = std::max(0, -y); row < std::min(source.height, target.height - y); ++row) {
        for (int col = std::max(0, -x); col < std::min(source.width, target.width - x); ++col) {
            const uint8_t* s = &source.pixels[(size_t(row) * size_t(source.width) + size_t(col)) * 4];
            uint8_t* t = &target.pixels[(size_t(row + y) * size_t(target.width) + size_t(col + x)) * 4];
            const int a = s[3];
            for (int i = 0; i < 3; ++i) t[i] = uint8_t((s[i] * a + t[i] * (255 - a) + 127) / 255);
            t[3] = uint8_t(a + (t[3] * (255 - a) + 127) / 255);
        }
    }
}

void renderBoard(tools::RgbaImage& screen, const std::vector<RasterCell>& cells, const FrameSet& frame,
                 const std::vector<tools::RgbaImage>& gems) {
    const std::vector<boardframe::PlacedCell> placed = boardframe::placeCells(cells);
    const std::vector<boardframe::FrameDraw> plan = boardframe::framePlan(placed);
    for (const boardframe::FrameDraw& step : plan) {
        if (step.kind == boardframe::FrameDraw::kLivePiece)
            blendOver(screen, frame.pieces[size_t(step.picture)], step.x, step.y);
    }
    blendOver(screen, levelPicture(plan, frame), boardframe::kLevelX, boardframe::kLevelY);
    for (size_t i = 0; i < placed.size() && !gems.empty(); ++i) {
        const tools::RgbaImage& gem = gems[(i * 7 + size_t(placed[i].x / 48)) % gems.size()];
        blendOver(screen, gem, placed[i].x - gem.width / 2, placed[i].y - gem.height / 2);
    }
}

const std::vector<SampleBoard>& sampleBoards() {
    static const std::vector<SampleBoard> boards{
        {"islands", {"", " ###    ##      ##", " ###    ##      ##", " ###", "          ###", "   ##     ###  ##",
                     "  ####    ###  ##", "  ####", "   ##       ##", "            ##"}, true},
        {"staircase", {"", " ###", " #####", "   #####", "     #####", "       #####", "         ####    ##",
                       "           ##    ##", "           ##   ###", "                ###", "               ####",
                       "               ####"}, true},
        {"ring", {"", "  #######", "  #######  ########", "  ##   ##  ########", "  ##   ##  ##  ####",
                  "  ##   ##  ##  ####", "  #######  ########", "  #######  ########"}, true},
        {"notches", {"", " ##  ##  ####", " ##  ##  ####", " ############", " ############", " ####  ######",
                     " ####  ######", " ############", " ############", "   ##  ##  ##", "   ##  ##  ##"}, true},
        {"odd", {"", "   ## ##     ####", "   #####     ####", " #######   ########", " #######   ########",
                 "   ###       ##  ##", "   ###       ##  ##", "  #####", "  #####   #########", "  #####   #########",
                 "  ## ##   ###    ##"}, true},
        {"full", fullBoard(), true},
        // Single cells, runs one cell wide or high, cells touching only at a corner, a staircase
        // of one-cell steps, a hole one cell high.
        {"limits", {"", " #   ##      #", "     ##      #", "  #          ####", "   #", "  ###   ##   ##",
                    "          ##   ##", "   #         ##", "   #", "  ######", "  #  ##", "  ######"}, false},
    };
    return boards;
}

std::vector<RasterCell> boardFromText(const std::vector<std::string>& rows) {
    std::vector<RasterCell> cells;
    for (size_t r = 0; r < rows.size(); ++r) {
        for (size_t c = 0; c < rows[r].size(); ++c) {
            if (rows[r][c] == '#') cells.push_back({int(c) + 2, int(r) + 2});
        }
    }
    return cells;
}

}  // namespace art
