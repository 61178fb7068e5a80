// Draws the level review sheet with plain pixel rectangles and a 3x5 digit font.
#include "overview.h"

#include <algorithm>
#include <array>

#include "sheet_pixels.h"

namespace levels {

namespace {

constexpr int kCellPixels = 6;
constexpr int kPad = 8;
constexpr int kDigitScale = 2;
constexpr int kNumberHeight = 5 * kDigitScale;
constexpr int kMapWidth = kColumns * kCellPixels;
constexpr int kMapHeight = kRows * kCellPixels;
constexpr int kBarsHeight = kColours * 3;
constexpr int kTileWidth = kMapWidth + 2 * kPad;
constexpr int kTileHeight = kPad + kNumberHeight + 4 + kMapHeight + 4 + kBarsHeight + kPad;
constexpr int kPerRow = 10;

constexpr std::array<Rgb, kColours> kGemColours{
    {{219, 26, 51}, {26, 184, 92}, {41, 97, 245}, {255, 196, 36}, {158, 66, 224}}};

Rgb cellColour(char character) {
    switch (character) {
    case kMoss: return {96, 168, 64};
    case kStone: return {78, 86, 112};
    case kDoor: return {196, 110, 40};
    default: return {236, 226, 204};
    }
}

// The raster: dim squares for every position, the rows and columns a board may use a
// little lighter.
void drawMap(tools::RgbaImage& image, int x, int y, const LevelSource& level) {
    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column < kColumns; ++column) {
            const char character = level.map[size_t(row)][size_t(column)];
            const bool playable = row > 1 && column > 0;
            const Rgb colour = character != kEmpty ? cellColour(character)
                               : playable          ? Rgb{14, 14, 20}
                                                   : Rgb{6, 6, 8};
            fill(image, x + column * kCellPixels, y + row * kCellPixels, kCellPixels - 1,
                 kCellPixels - 1, colour);
        }
    }
}

// One bar per gem colour, a pixel per counted gem (clipped to the map width).
void drawGoals(tools::RgbaImage& image, int x, int y, const LevelSource& level) {
    for (int colour = 0; colour < kColours; ++colour) {
        const int length = std::min(level.goals[size_t(colour)], kMapWidth);
        fill(image, x, y + colour * 3, length, 2, kGemColours[size_t(colour)]);
    }
}

}  // namespace

tools::RgbaImage renderOverview(const std::vector<LevelSource>& levels) {
    int lastNumber = 1;
    for (const LevelSource& level : levels) {
        lastNumber = std::max(lastNumber, level.number);
    }
    const int sheetRows = (lastNumber + kPerRow - 1) / kPerRow;
    tools::RgbaImage image = blankSheet(kPerRow * kTileWidth, sheetRows * kTileHeight);
    for (int row = 0; row < sheetRows; ++row) {
        fill(image, 0, row * kTileHeight, image.width, kTileHeight,
             kChapterTints[size_t(row) % kChapterTints.size()]);
    }
    for (const LevelSource& level : levels) {
        const int x = ((level.number - 1) % kPerRow) * kTileWidth + kPad;
        const int y = ((level.number - 1) / kPerRow) * kTileHeight + kPad;
        drawNumber(image, x, y, level.number);
        drawMap(image, x, y + kNumberHeight + 4, level);
        drawGoals(image, x, y + kNumberHeight + 4 + kMapHeight + 4, level);
    }
    return image;
}

}  // namespace levels
