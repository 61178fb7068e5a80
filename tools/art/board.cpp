// Board rendering by the game's own placing rules, for review sheets and tests.
#include "board.h"

#include <algorithm>
#include <cstdint>
#include <set>
#include <utility>

namespace art {

namespace {

constexpr int kLevelX = 32, kLevelY = 74;  // where the level picture is drawn
constexpr int kLevelW = 960, kLevelH = 620;

struct PlacedCell {
    int x, y;  // centre on the screen
    int piece;
};

std::vector<PlacedCell> placeCells(const std::vector<RasterCell>& cells) {
    std::set<std::pair<int, int>> taken;
    std::vector<PlacedCell> placed;
    for (const RasterCell& c : cells) {
        const int x = 48 * c.column - 16, y = 48 * c.row - 20;
        if (x > 50 && y > 50 && taken.insert({x, y}).second) placed.push_back({x, y, 0});
    }
    for (PlacedCell& c : placed) {
        auto at = [&](int dx, int dy) { return taken.count({c.x + dx * kCell, c.y + dy * kCell}) > 0; };
        c.piece = borderPiece({at(0, -1), at(0, 1), at(-1, 0), at(1, 0), at(1, -1), at(-1, -1), at(1, 1), at(-1, 1)});
    }
    return placed;
}

// One vertical run of cells: its column x, top cell y and cell count.
struct Run {
    int x, top, count;
};

// Column strips go in per vertical run. For a column without gaps this is exactly one strip
// from its topmost cell; a column with a gap gets one strip per run, so the tiles stay under
// their cells instead of running through the gap and leaving the lower cells bare.
std::vector<Run> verticalRuns(const std::vector<PlacedCell>& cells) {
    std::set<std::pair<int, int>> byColumn;
    for (const PlacedCell& c : cells) byColumn.insert({c.x, c.y});
    std::vector<Run> runs;
    for (const auto& [x, y] : byColumn) {
        if (!runs.empty() && runs.back().x == x && runs.back().top + runs.back().count * kCell == y)
            ++runs.back().count;
        else
            runs.push_back({x, y, 1});
    }
    return runs;
}

tools::RgbaImage levelPicture(const std::vector<PlacedCell>& cells, const FrameSet& frame) {
    tools::RgbaImage level{kLevelW, kLevelH, std::vector<uint8_t>(size_t(kLevelW) * kLevelH * 4, 0)};
    for (const PlacedCell& c : cells) {
        if (!isPastedPiece(c.piece)) continue;
        const Offset o = pasteOffset(c.piece);
        paste(level, frame.pieces[size_t(c.piece)], c.x - 56 + o.dx, c.y - 98 + o.dy);
    }
    for (const Run& run : verticalRuns(cells)) {
        for (int top = run.top, left = run.count; left > 0; top += kStripCount * kCell, left -= kStripCount)
            paste(level, frame.strips[size_t(std::min(left, kStripCount))], run.x - 56, top - 98);
    }
    return level;
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
    const std::vector<PlacedCell> placed = placeCells(cells);
    for (const PlacedCell& c : placed) {
        if (c.piece > 0 && !isPastedPiece(c.piece))
            blendOver(screen, frame.pieces[size_t(c.piece)], c.x - 42, c.y - 42);
    }
    blendOver(screen, levelPicture(placed, frame), kLevelX, kLevelY);
    for (size_t i = 0; i < placed.size() && !gems.empty(); ++i) {
        const tools::RgbaImage& gem = gems[(i * 7 + size_t(placed[i].x / 48)) % gems.size()];
        blendOver(screen, gem, placed[i].x - gem.width / 2, placed[i].y - gem.height / 2);
    }
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
