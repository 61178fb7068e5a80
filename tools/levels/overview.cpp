// Draws the level review sheet with plain pixel rectangles and a 3x5 digit font.
#include "overview.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>

namespace levels {

namespace {

struct Rgb {
    std::uint8_t r, g, b;
};

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

// One tint per chapter, so each row of the sheet reads as its region.
constexpr std::array<Rgb, 8> kChapterTints{{{22, 44, 26},
                                            {60, 46, 22},
                                            {30, 44, 66},
                                            {62, 28, 18},
                                            {18, 52, 56},
                                            {40, 46, 62},
                                            {38, 22, 56},
                                            {52, 40, 64}}};
constexpr std::array<Rgb, kColours> kGemColours{
    {{219, 26, 51}, {26, 184, 92}, {41, 97, 245}, {255, 196, 36}, {158, 66, 224}}};

// Rows of the digits 0..9, three bits a row, top row first.
constexpr std::array<std::array<std::uint8_t, 5>, 10> kDigits{{{7, 5, 5, 5, 7},
                                                               {2, 6, 2, 2, 7},
                                                               {7, 1, 7, 4, 7},
                                                               {7, 1, 3, 1, 7},
                                                               {5, 5, 7, 1, 1},
                                                               {7, 4, 7, 1, 7},
                                                               {7, 4, 7, 5, 7},
                                                               {7, 1, 2, 2, 2},
                                                               {7, 5, 7, 5, 7},
                                                               {7, 5, 7, 1, 7}}};

void fill(tools::RgbaImage& image, int x, int y, int w, int h, Rgb colour) {
    for (int py = std::max(0, y); py < std::min(image.height, y + h); ++py) {
        for (int px = std::max(0, x); px < std::min(image.width, x + w); ++px) {
            std::uint8_t* pixel = &image.pixels[size_t(py * image.width + px) * 4];
            pixel[0] = colour.r;
            pixel[1] = colour.g;
            pixel[2] = colour.b;
            pixel[3] = 255;
        }
    }
}

void drawNumber(tools::RgbaImage& image, int x, int y, int number) {
    for (char digit : std::to_string(number)) {
        const auto& rows = kDigits[size_t(digit - '0')];
        for (int row = 0; row < 5; ++row) {
            for (int bit = 0; bit < 3; ++bit) {
                if (rows[size_t(row)] & (4 >> bit)) {
                    fill(image, x + bit * kDigitScale, y + row * kDigitScale, kDigitScale,
                         kDigitScale, {240, 230, 210});
                }
            }
        }
        x += 4 * kDigitScale;
    }
}

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
    tools::RgbaImage image{kPerRow * kTileWidth, sheetRows * kTileHeight, {}};
    image.pixels.resize(size_t(image.width * image.height) * 4);
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
